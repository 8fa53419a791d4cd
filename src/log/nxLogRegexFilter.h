#pragma once

#include <memory>
#include <string>
#include <string_view>

// A log-text pattern of the ECMAScript grammar, optionally case-insensitive,
// searched for anywhere in a text: the one place where a pattern is compiled and
// tested. A pattern is valid exactly when the standard library's ECMAScript
// compiler takes it. It is then translated, construct by construct, for an
// automaton engine, which answers in time linear in the text, or, when it needs
// back references or lookaheads, for a backtracking engine with a bound on its
// steps. Before either is asked, a text is searched for what every match must
// hold (nxRegexLiteralPrefilter), which most log lines do not; for a pattern
// that is only words, that search is the answer, and for a row of simple steps
// a plain walk along the text is (nxRegexSequenceMatcher). An exception when compiling or
// searching counts as no match. The filter
// compiles its pattern once; every answer of IsMatch is the one Search gives for
// the same pattern and flag.
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
    // True when the automaton engine answers for this pattern.
    bool UsesAutomaton() const;

    // Compiles the pattern for this one search.
    static bool Search(std::string_view text, std::string_view pattern, bool caseInsensitive) noexcept;
    // As Search, but lets the exceptions through: std::regex_error for a pattern the
    // grammar refuses, the backtracking engine's error when it gives up.
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
