#include <gtest/gtest.h>

#include <random>
// The standard library's regex, here only the reference, trips a false warning in sanitizer builds.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <regex>
#include <string>

#include "log/nxEcmaScriptRegexParser.h"
#include "log/nxRegexSequenceMatcher.h"

namespace
{
using Answer = nxRegexSequenceMatcher::Answer;

nxRegexSequenceMatcher MatcherOf(const std::string& pattern, bool caseInsensitive)
{
    nxEcmaScriptRegexParser parser(pattern, caseInsensitive);
    return nxRegexSequenceMatcher(parser.Parse());
}

// The matcher and the standard library on one pattern.
struct nxCompared
{
    nxCompared(std::string pattern, bool anyCase)
        : pattern(std::move(pattern)), anyCase(anyCase), matcher(MatcherOf(this->pattern, anyCase)),
          standard(this->pattern,
                   anyCase ? std::regex::ECMAScript | std::regex::icase : std::regex::ECMAScript)
    {
    }
    // The matcher's answer, which must be the standard library's when it gives one.
    Answer On(const std::string& text) const
    {
        const Answer answer = matcher.Test(text);
        if (answer != Answer::AskTheEngine)
        {
            EXPECT_EQ(answer == Answer::Match, std::regex_search(text, standard))
                << "/" << pattern << "/" << (anyCase ? "i" : "") << " on '" << text << "'";
        }
        return answer;
    }

    std::string pattern;
    bool anyCase;
    nxRegexSequenceMatcher matcher;
    std::regex standard;
};

template <size_t N>
std::string RandomText(std::mt19937& random, const char* const (&pieces)[N], unsigned most)
{
    std::string text;
    for (unsigned count = random() % (most + 1); count > 0; --count)
        text += pieces[random() % N];
    return text;
}
} // namespace

// Patterns of the shapes it takes, both case flags, on texts built of their own
// pieces: every answer it gives is the standard library's, and it gives one
// for nearly every text.
TEST(RegexSequenceMatcher, AnswersAsTheStandardLibraryForTheShapesItTakes)
{
    const char* const patterns[] = {"error [0-9]+ (code|lost)",
                                    "^Order \\d+ (filled|rejected)",
                                    "timeout [0-9]+ms",
                                    "(gateway|exchange) .*retry",
                                    "a[ab]*b",
                                    "a*",
                                    "x[0-9]*$",
                                    "(ab|a)bc",
                                    "e{2}r+o?",
                                    "^a+$",
                                    "[^ ]+ +x"};
    const char* const pieces[] = {"error", "Error", " ", "12", "7", "code", "lost", "Order", "ms", "timeout",
                                  "a",     "ab",    "b", "bc", "x", "ee",   "r",    "\n",    ".*", "retry"};
    std::mt19937 random(4711);
    int answered = 0;
    int asked = 0;
    for (const char* pattern : patterns)
        for (const bool anyCase : {false, true})
        {
            const nxCompared compared(pattern, anyCase);
            const bool takesIt = std::string(pattern) != "e{2}r+o?";
            ASSERT_EQ(compared.matcher.IsActive(), takesIt)
                << pattern << ": a bounded repeat is left to the engine";
            for (int trial = 0; trial < 400; ++trial)
                ++(compared.On(RandomText(random, pieces, 8)) == Answer::AskTheEngine ? asked : answered);
        }
    EXPECT_EQ(asked, 2 * 400) << "only the pattern it does not take is left to the engine";
    EXPECT_GT(answered, 0);
}

// Random rows of such steps, held to either end or not: every answer is the
// standard library's.
TEST(RegexSequenceMatcher, AnswersAsTheStandardLibraryForRandomRowsOfSteps)
{
    const char* const steps[] = {"error", "lost", "ab",     "b",           " ",      "[0-9]+", "[^ ]+",
                                 ".*",    "e*",   "\\d{2}", "(code|lost)", "(ab|a)", "x"};
    const char* const pieces[] = {"error", "Error", "lost", "code", "ab", "a", "b",
                                  " ",     "12",    "7",    "x",    "e",  "\n"};
    std::mt19937 random(1234);
    for (int trial = 0; trial < 1000; ++trial)
    {
        std::string pattern = random() % 4 == 0 ? "^" : "";
        for (unsigned count = 1 + random() % 4; count > 0; --count)
            pattern += steps[random() % std::size(steps)];
        if (random() % 4 == 0)
            pattern += "$";
        const nxCompared compared(pattern, random() % 2 == 0);
        ASSERT_TRUE(compared.matcher.IsActive()) << pattern;
        for (int line = 0; line < 40; ++line)
            compared.On(RandomText(random, pieces, 9));
    }
}

// What needs more than steps in a row is left to the engine: lookarounds, word
// boundaries, back references, a repeated group, an anchor inside the pattern.
TEST(RegexSequenceMatcher, LeavesOtherShapesToTheEngine)
{
    for (const char* pattern : {"a(?=b)", "a(?!b)", "\\bword", "(a)\\1", "(ab)+", "a^b", "a$b", "a|^b", "x|"})
        EXPECT_FALSE(MatcherOf(pattern, false).IsActive()) << pattern;
}

// A repeat that must give back byte by byte at every start would take time
// growing with the square of the text; past a few steps a byte it answers
// nothing, and the engine is asked.
TEST(RegexSequenceMatcher, StopsOnATextThatWouldTakeTooLong)
{
    const nxRegexSequenceMatcher matcher = MatcherOf("a.*a.*b", false);
    EXPECT_EQ(matcher.Test(std::string(5000, 'a')), Answer::AskTheEngine);
    EXPECT_EQ(matcher.Test("xxaxxaxxb"), Answer::Match);
    EXPECT_EQ(matcher.Test(std::string(5000, 'a') + "b"), Answer::Match) << "a match found is an answer";
}
