#include <gtest/gtest.h>

#include <chrono>
// The standard library's regex, here only the reference, trips a false warning in sanitizer builds.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <regex>
#include <string>

#include "nxLogPipelineFixture.h"

namespace
{
bool Match(const std::string& text, const std::string& pattern, bool anyCase = false)
{
    return nxLogDataInterest::IsRegexFilterMatch(text, pattern, anyCase);
}

bool StandardMatch(const std::string& text, const std::string& pattern, bool anyCase)
{
    try
    {
        return std::regex_search(text,
                                 std::regex(pattern, anyCase ? std::regex::ECMAScript | std::regex::icase
                                                             : std::regex::ECMAScript));
    }
    catch (...)
    {
        return false;
    }
}
} // namespace

// Short texts, which the standard library searches safely: both engines must agree.
//
// They part on patterns nobody types to filter log lines. Matching here only:
// Perl extensions the standard grammar rejects ((?i)abc, look-behind (?<=a)b,
// named groups, (?#comments), [[:word:]], \p{L}); a brace that starts no repeat
// (x{,3}, a{) is a literal here and an error there; \A \Z \Q..\E \e \h \K are
// anchors, quoting or classes here and plain letters there; "]" first in a set
// is a literal here and closes an empty set there; this standard library finds no
// match for the control escape \cJ. Matching there only: \u0041 is a code point
// there and the upper-case class here; [^] (any character), the empty
// look-ahead (?=), a{2}{3} and \k do not compile here; a form feed ends a line
// for the dot here but not there.
TEST(LogRegex, TheEngineAnswersAsTheStandardLibrary)
{
    // clang-format off
    const char* const pairs[][2] = {
        {"err", "Error in module"}, {"err", "a terror"}, {"^Start", "Restart"}, {"^Start", "Starting"},
        {"done$", "job done"}, {"done$", "done job"}, {"a.c", "abc"}, {"a.c", "a\nc"}, {"a.c", "a\rc"},
        {"^b", "a\nb"}, {"a$", "a\n"}, {"colou?r", "COLOUR"}, {"x*", ""}, {"x+", ""}, {"(ab)+c", "ababc"},
        {"(ab){2}c", "abc"}, {"a{2,3}", "aaaa"}, {"a{2,}", "a"}, {"a+?b", "aab"}, {"a|b|c", "zzc"},
        {"(a|ab)(c|bcd)(d*)", "abcd"}, {"[abc]", "xyz"}, {"[^abc]", "abc"}, {"[a-f]+", "DEAD"}, {"[A-Z]", "q"},
        {"[[:digit:]]+", "x9"}, {"[[:alpha:]]", "123"}, {"[[:space:]]", "a\tb"}, {"[[:upper:]]", "abc"},
        {"\\d{3}-\\d{4}", "555-1234"}, {"\\D", "123"}, {"\\w+@\\w+", "ops@desk"}, {"\\W", "word"},
        {"\\s+", "no_space"}, {"\\S", " \t"}, {"\\bcat\\b", "concat"}, {"\\bcat\\b", "a cat!"},
        {"\\Bcat", "concat"}, {"(x)(y)\\2\\1", "xyyx"}, {"(a)\\1", "aA"}, {"(?:ab)+$", "abab"},
        {"foo(?=bar)", "foobaz"}, {"foo(?!bar)", "foobaz"}, {"\\.", "ab"}, {"\\$\\d+", "cost $15"},
        {"\\(", "f(x)"}, {"\\t", "a\tb"}, {"\\x41", "BAD"}, {"[\\]]", "]"}, {"[.]", "a"}, {"a||b", "c"},
        {"()", "z"}, {"(a*)*", "b"}, {"(a*)+b", "aab"}, {"^$", ""}, {"^$", "x"}, {"[a-z]+", "MiXeD"},
        {"timeout \\d+ms", "TIMEOUT 250MS"}, {"(?:Order|Trade)Router", "tradeRouter up"}, {"", "any"},
        {"(", "("}, {"[a-", "[a-"}, {"a{2,1}", "aa"}, {"*", "*"}, {"\\", "\\"}, {"[b-a]", "b"}};
    // clang-format on
    for (const auto& [pattern, text] : pairs)
        for (const bool anyCase : {false, true})
            EXPECT_EQ(Match(text, pattern, anyCase), StandardMatch(text, pattern, anyCase))
                << "/" << pattern << "/ on '" << text << "', case-insensitive " << anyCase;
    EXPECT_ANY_THROW(nxLogDataInterest::IsRegexFilterMatch_NoCatch("(", "(", false));
    EXPECT_NO_THROW(nxLogDataInterest::IsRegexFilterMatch_NoCatch("(", "\\(", false));
}

// Texts and patterns that overflow the stack or run for seconds in the standard
// library: each answer comes quickly and follows the rules (an exception is no match).
TEST(LogRegex, LongTextsAndPathologicalPatternsAnswerQuickly)
{
    std::string megabyte(1 << 20, 'q');
    megabyte.replace(megabyte.size() / 2, 5, "ERROR");
    std::string alternating;
    for (int i = 0; i < 100000; ++i)
        alternating += i % 2 ? 'a' : 'b';
    const std::string plain(100000, 'a');
    const struct
    {
        const std::string& text;
        const char* pattern;
        bool anyCase;
        bool answer;
    } cases[] = {{megabyte, "error", true, true}, {megabyte, "error", false, false},
                 {megabyte, ".*x", false, false}, {alternating, "(a|b)*c", false, false},
                 {plain, "(a|b)*c", true, false}, {alternating, ".*x", false, false},
                 {plain, ".*x", true, false},     {plain + "x", "a*x", false, true}};
    for (const auto& test : cases)
    {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(Match(test.text, test.pattern, test.anyCase), test.answer) << test.pattern;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100) * kTimeBoundScale)
            << test.pattern;
    }
}
