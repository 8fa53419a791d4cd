#include <gtest/gtest.h>

// The standard library's regex, here only the reference, trips a false warning in sanitizer builds.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <regex>
#include <string>

#include "log/nxLogRegexFilter.h"
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

// Short texts, which the standard library searches safely: the filter must answer as it does.
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
// How fast these answer is measured in bench_log; here only that they answer, rightly.
TEST(LogRegex, LongTextsAndPathologicalPatternsAnswer)
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
        EXPECT_EQ(Match(test.text, test.pattern, test.anyCase), test.answer) << test.pattern;
}

// What other dialects accept or read their own way is refused, or read as the
// standard grammar reads it.
TEST(LogRegex, PerlExtensionsAreRefusedAndForeignEscapesAreTheirLetters)
{
    for (const char* refused : {"(?i)err", "(?<=a)b", "(?<n>b)", "(?>b)", "a(?#c)b", "a{", "x{,3}", "\\"})
    {
        EXPECT_FALSE(nxLogRegexFilter(refused, false).IsValid()) << refused;
        EXPECT_FALSE(Match(refused, refused)) << refused;
        EXPECT_THROW(nxLogDataInterest::IsRegexFilterMatch_NoCatch("err", refused, false), std::regex_error)
            << refused;
    }
    const struct
    {
        const char* pattern;
        const char* text;
        bool answer;
    } cases[] = {
        {"\\Aerr", "Aerr", true},    {"\\Aerr", "err", false},    {"\\Qa.b\\E", "Qa-bE", true},
        {"\\Qa.b\\E", "a.b", false}, {"a\\Rb", "aRb", true},      {"a\\Rb", "a\nb", false},
        {"a\\Kb", "aKb", true},      {"a\\Kb", "ab", false},      {"a.b", "a\fb", true},
        {"a.b", "a\rb", false},      {"a\\sb", "a\vb", true},     {"a$", "a\n", false},
        {"^b", "a\nb", false},       {"\\x41", "A", true},        {"[^]", "x", true},
        {"a{2}{3}", "aaaaaa", true}, {"a{2}{3}", "aaaaa", false}, {"\\cJ", "\n", true},
    };
    for (const auto& test : cases)
        EXPECT_EQ(Match(test.text, test.pattern), test.answer) << "/" << test.pattern << "/ on " << test.text;
}

// The standard library's compiler recurses for every group level and every term;
// a pattern deeper than it can take is refused before it is asked.
TEST(LogRegex, APatternTooDeepForTheStandardCompilerIsRefusedNotRun)
{
    const auto nested = [](int depth) { return std::string(depth, '(') + "a" + std::string(depth, ')'); };
    EXPECT_TRUE(nxLogRegexFilter(nested(300), false).IsValid());
    EXPECT_FALSE(nxLogRegexFilter(nested(400), false).IsValid());
    EXPECT_FALSE(nxLogRegexFilter(nested(100000), false).IsValid());
    EXPECT_FALSE(nxLogRegexFilter(std::string(100000, 'a'), false).IsValid());
    std::string hosts = "host0";
    for (int host = 1; host < 1000; ++host)
        hosts += "|host" + std::to_string(host);
    const nxLogRegexFilter anyHost(hosts, false);
    EXPECT_TRUE(anyHost.IsValid()) << "alternatives do not nest";
    EXPECT_TRUE(anyHost.IsMatch("login from host432 refused"));
}

// Nested quantifiers that make a backtracking search take seconds on a long line:
// the automaton answers them (their speed is in bench_log).
TEST(LogRegex, NestedQuantifiersGoToTheAutomatonAndBackReferencesToTheBoundedEngine)
{
    const std::string line(4000, 'a');
    for (const size_t tail : {50u, 200u})
    {
        const nxLogRegexFilter nested("(a+)+b|" + std::string(tail, 'z'), false);
        EXPECT_TRUE(nested.UsesAutomaton());
        EXPECT_FALSE(nested.IsMatch(line));
        EXPECT_TRUE(nested.IsMatch(line + "b"));
    }
    const nxLogRegexFilter backReference("(\\w+) \\1", true);
    EXPECT_TRUE(backReference.IsValid());
    EXPECT_FALSE(backReference.UsesAutomaton());
    EXPECT_TRUE(backReference.IsMatch("retry RETRY later"));
    EXPECT_FALSE(backReference.IsMatch("retry later"));
}
