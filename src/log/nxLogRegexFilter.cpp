// GCC 12 reports a false -Wmaybe-uninitialized inside the standard library's regex
// in AddressSanitizer builds.
#if defined(__SANITIZE_ADDRESS__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
// The backtracking engine gives up on a search after this many steps and throws,
// which the filter counts as no match. Its own bound grows with the square of the
// pattern's size; the estimate below holds every pattern to this one, which keeps
// a pathological search of a 4,000-byte line to about 20 ms (an ordinary search
// takes a few steps a character). It takes effect because the matcher is
// instantiated here, for the traits type below, rather than taken precompiled
// from the library.
#define BOOST_REGEX_MAX_STATE_COUNT 1000000

#include "log/nxLogRegexFilter.h"

#include <algorithm>
#include <limits>
#include <regex>

#include <boost/regex.hpp>
#include <re2/re2.h>

#include "log/nxEcmaScriptRegexParser.h"
#include "log/nxEcmaScriptRegexWriter.h"
#include "log/nxRegexLiteralPrefilter.h"
#include "log/nxRegexSequenceMatcher.h"

namespace
{
class nxLogRegexTraits : public boost::regex_traits<char>
{
};

using nxLogRegex = boost::basic_regex<char, nxLogRegexTraits>;
using Dialect = nxEcmaScriptRegexWriter::Dialect;

std::regex::flag_type StandardSyntax(bool caseInsensitive)
{
    return caseInsensitive ? std::regex::ECMAScript | std::regex::icase : std::regex::ECMAScript;
}

// Case-insensitivity is already in the written character sets; the flag is only
// for back references. The Perl defaults for ^, $ and . are the standard
// grammar's, for the reading the fallback below gives.
boost::regex_constants::syntax_option_type BoostSyntax(bool caseInsensitive)
{
    const auto syntax = boost::regex_constants::ECMAScript | boost::regex_constants::no_mod_m |
                        boost::regex_constants::no_mod_s;
    return caseInsensitive ? syntax | boost::regex_constants::icase : syntax;
}

RE2::Options AutomatonOptions()
{
    RE2::Options options;
    options.set_encoding(RE2::Options::EncodingLatin1);
    options.set_never_capture(true);
    options.set_log_errors(false);
    return options;
}
} // namespace

namespace boost::BOOST_REGEX_DETAIL_NS
{
// The engine's estimate, the greater of N^2 and N*S^2 for a text of N characters
// and a pattern of S states, capped as a whole rather than only its N^2 part.
template <>
void perl_matcher<const char*, std::allocator<sub_match<const char*>>,
                  nxLogRegexTraits>::estimate_max_state_count(std::random_access_iterator_tag*)
{
    constexpr std::ptrdiff_t kCap = BOOST_REGEX_MAX_STATE_COUNT;
    constexpr std::ptrdiff_t kSmallest = 100000;
    const std::ptrdiff_t text = std::max<std::ptrdiff_t>(last - base, 1);
    const std::ptrdiff_t states = std::max<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(re.size()), 1);
    const std::ptrdiff_t factor = std::max(text, states * states);
    max_state_count = factor > (kCap - kSmallest) / text ? kCap : std::min(kCap, factor * text + kSmallest);
}
} // namespace boost::BOOST_REGEX_DETAIL_NS

struct nxLogRegexFilter::Compiled
{
    // Asked first: most lines lack what every match must hold.
    nxRegexLiteralPrefilter prefilter;
    // Then, for a pattern of simple steps, the answer without an engine.
    nxRegexSequenceMatcher sequence;
    // The automaton answers in time linear in the text; the backtracking engine
    // only takes what needs it (back references, lookaheads, repeat counts the
    // automaton refuses).
    std::unique_ptr<const RE2> automaton;
    std::unique_ptr<const nxLogRegex> backtracking;
};

nxLogRegexFilter::nxLogRegexFilter() : nxLogRegexFilter(std::string(), false) {}

nxLogRegexFilter::nxLogRegexFilter(std::string pattern, bool caseInsensitive)
    : m_pattern(std::move(pattern)), m_caseInsensitive(caseInsensitive)
{
    try
    {
        m_compiled = Compile(m_pattern, m_caseInsensitive);
    }
    catch (...)
    {
        m_compiled.reset();
    }
}

nxLogRegexFilter::~nxLogRegexFilter() = default;
nxLogRegexFilter::nxLogRegexFilter(const nxLogRegexFilter&) = default;
nxLogRegexFilter::nxLogRegexFilter(nxLogRegexFilter&&) noexcept = default;
nxLogRegexFilter& nxLogRegexFilter::operator=(const nxLogRegexFilter&) = default;
nxLogRegexFilter& nxLogRegexFilter::operator=(nxLogRegexFilter&&) noexcept = default;

bool nxLogRegexFilter::IsMatch(std::string_view text) const noexcept
{
    if (!m_compiled)
        return false;
    try
    {
        return SearchCompiled(text, *m_compiled);
    }
    catch (...)
    {
        return false;
    }
}

bool nxLogRegexFilter::UsesAutomaton() const
{
    return m_compiled && m_compiled->automaton;
}

bool nxLogRegexFilter::Search(std::string_view text, std::string_view pattern, bool caseInsensitive) noexcept
{
    try
    {
        return Search_NoCatch(text, pattern, caseInsensitive);
    }
    catch (...)
    {
        return false;
    }
}

bool nxLogRegexFilter::Search_NoCatch(std::string_view text, std::string_view pattern, bool caseInsensitive)
{
    return SearchCompiled(text, *Compile(pattern, caseInsensitive));
}

// Valid exactly when the standard library's compiler takes the pattern; its
// compiler recurses, so a pattern deeper than it can safely take is refused first.
std::shared_ptr<const nxLogRegexFilter::Compiled> nxLogRegexFilter::Compile(std::string_view pattern,
                                                                            bool caseInsensitive)
{
    if (nxEcmaScriptRegexParser::CompilerRecursionCost(pattern) >
        nxEcmaScriptRegexParser::MaxCompilerRecursionCost)
        throw std::regex_error(std::regex_constants::error_stack);
    // Throws std::regex_error for what the standard grammar refuses; never searched with.
    [[maybe_unused]] const std::regex validated(pattern.begin(), pattern.end(),
                                                StandardSyntax(caseInsensitive));
    auto compiled = std::make_shared<Compiled>();
    try
    {
        nxEcmaScriptRegexParser parser(pattern, caseInsensitive);
        const nxEcmaScriptRegexNode tree = parser.Parse();
        compiled->prefilter = nxRegexLiteralPrefilter(tree);
        compiled->sequence = nxRegexSequenceMatcher(tree);
        if (!parser.NeedsBacktracking())
        {
            auto automaton = std::make_unique<const RE2>(nxEcmaScriptRegexWriter::Write(tree, Dialect::RE2),
                                                         AutomatonOptions());
            if (automaton->ok())
            {
                compiled->automaton = std::move(automaton);
                return compiled;
            }
        }
        compiled->backtracking = std::make_unique<const nxLogRegex>(
            nxEcmaScriptRegexWriter::Write(tree, Dialect::Boost), BoostSyntax(caseInsensitive));
    }
    catch (const std::exception&)
    {
        // A reading the translation does not know: the engine's own reading, which
        // differs from the standard grammar's only in corners.
        compiled->prefilter = nxRegexLiteralPrefilter();
        compiled->sequence = nxRegexSequenceMatcher();
        compiled->backtracking =
            std::make_unique<const nxLogRegex>(pattern.begin(), pattern.end(), BoostSyntax(caseInsensitive));
    }
    return compiled;
}

bool nxLogRegexFilter::SearchCompiled(std::string_view text, const Compiled& compiled)
{
    using Answer = nxRegexLiteralPrefilter::Answer;
    Answer answer = compiled.prefilter.Test(text);
    if (answer == Answer::AskTheEngine)
        answer = compiled.sequence.Test(text);
    if (answer != Answer::AskTheEngine)
        return answer == Answer::Match;
    // Match itself: PartialMatch goes through argument handling a yes-or-no answer does not need.
    if (compiled.automaton)
        return compiled.automaton->Match(re2::StringPiece(text.data(), text.size()), 0, text.size(),
                                         RE2::UNANCHORED, nullptr, 0);
    return boost::regex_search(text.data(), text.data() + text.size(), *compiled.backtracking);
}
