#pragma once

#include <memory>
#include <string>
#include <string_view>

// A log-text pattern of the ECMAScript grammar, optionally case-insensitive,
// searched for anywhere in a text. An exception of the engine, when compiling
// or searching, counts as no match. The filter compiles its pattern once; every
// answer of IsMatch is the one Search gives for the same pattern and flag.
class nxLogRegexFilter
{
public:
    nxLogRegexFilter();
    nxLogRegexFilter(std::string pattern, bool caseInsensitive);
    ~nxLogRegexFilter();
    nxLogRegexFilter(const nxLogRegexFilter&);
    nxLogRegexFilter(nxLogRegexFilter&&) noexcept;
    nxLogRegexFilter& operator=(const nxLogRegexFilter&);
    nxLogRegexFilter& operator=(nxLogRegexFilter&&) noexcept;

    const std::string& GetPattern() const { return m_pattern; }
    bool IsCaseInsensitive() const { return m_caseInsensitive; }
    bool IsEmpty() const { return m_pattern.empty(); }
    // False when the pattern does not compile: then nothing matches.
    bool IsValid() const { return m_compiled != nullptr; }

    bool IsMatch(std::string_view text) const noexcept;

    // Compiles the pattern for this one search.
    static bool Search(std::string_view text, std::string_view pattern, bool caseInsensitive) noexcept;
    // As Search, but lets the engine's exceptions through.
    static bool Search_NoCatch(std::string_view text, std::string_view pattern, bool caseInsensitive);

private:
    struct Compiled;

    // Both throw what the engine throws.
    static std::shared_ptr<const Compiled> Compile(std::string_view pattern, bool caseInsensitive);
    static bool SearchCompiled(std::string_view text, const Compiled& compiled);

    std::string m_pattern;
    bool m_caseInsensitive = false;
    // Shared between copies and read by many threads at once: the engine's
    // compiled patterns are immutable.
    std::shared_ptr<const Compiled> m_compiled;
};
