// The engine gives up on a search after this many backtracking steps and throws,
// which the filter counts as no match. Its own bound lets a pathological pattern
// hold the service thread for a tenth of a second on a long log line; this one
// keeps that to a few milliseconds, and no search of an ordinary log line comes
// near it. It takes effect because the matcher is instantiated here, for the
// traits type below, rather than taken precompiled from the library.
#define BOOST_REGEX_MAX_STATE_COUNT 4000000

#include "log/nxLogRegexFilter.h"

#include <boost/regex.hpp>

namespace
{
class nxLogRegexTraits : public boost::regex_traits<char>
{
};

using nxLogRegex = boost::basic_regex<char, nxLogRegexTraits>;

// The engine's Perl defaults let ^ and $ match at every line break and . match a
// line break; the standard ECMAScript grammar does neither.
constexpr boost::regex_constants::syntax_option_type kSyntax =
    boost::regex_constants::ECMAScript | boost::regex_constants::no_mod_m | boost::regex_constants::no_mod_s;
} // namespace

struct nxLogRegexFilter::Compiled
{
    nxLogRegex expression;
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

std::shared_ptr<const nxLogRegexFilter::Compiled> nxLogRegexFilter::Compile(std::string_view pattern,
                                                                            bool caseInsensitive)
{
    const auto syntax = caseInsensitive ? kSyntax | boost::regex_constants::icase : kSyntax;
    return std::make_shared<const Compiled>(Compiled{nxLogRegex(pattern.begin(), pattern.end(), syntax)});
}

bool nxLogRegexFilter::SearchCompiled(std::string_view text, const Compiled& compiled)
{
    return boost::regex_search(text.begin(), text.end(), compiled.expression);
}
