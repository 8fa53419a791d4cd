#include <gtest/gtest.h>

#include <random>
// The standard library's regex, here only the reference, trips a false warning in sanitizer builds.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <regex>
#include <string>
#include <vector>

#include "log/nxEcmaScriptRegexParser.h"
#include "log/nxLogRegexFilter.h"
#include "log/nxRegexLiteralPrefilter.h"

namespace
{
using Answer = nxRegexLiteralPrefilter::Answer;

nxRegexLiteralPrefilter PrefilterOf(const std::string& pattern, bool caseInsensitive)
{
    nxEcmaScriptRegexParser parser(pattern, caseInsensitive);
    return nxRegexLiteralPrefilter(parser.Parse());
}

// Words as operators type them, and the constructs around them.
const char* const kWords[] = {"error", "lost", "code", "Order", "ERROR", "ab", "abc", "b", "retry", "x"};
const char* const kQuantifiers[] = {"", "", "", "", "?", "*", "+", "{2}", "{1,3}", "{0}", "{0,2}"};
const char* const kOthers[] = {"[0-9]", ".", "\\d", " ", "\\b", "\\B", "^", "$", "[eE]", "\\1"};

std::string RandomPattern(std::mt19937& random, int depth)
{
    std::string pattern;
    for (unsigned terms = 1 + random() % 3; terms > 0; --terms)
    {
        const unsigned choice = random() % 10;
        if (depth > 0 && choice < 3)
        {
            const char* const opens[] = {"(", "(?:", "(?=", "(?!"};
            pattern += opens[random() % (choice == 0 ? 4 : 2)] + RandomPattern(random, depth - 1) + ")";
            pattern += kQuantifiers[random() % std::size(kQuantifiers)];
        }
        else if (choice < 8)
            pattern += kWords[random() % std::size(kWords)];
        else
            pattern += kOthers[random() % std::size(kOthers)];
    }
    if (random() % 3 == 0)
        pattern += "|" + RandomPattern(random, depth - 1);
    return pattern;
}

// Lines made of the same words, so that runs are found, nearly found and missed.
std::string RandomText(std::mt19937& random)
{
    const char* const pieces[] = {"error", "Error", "lost",  "code",     "Order", "order", "ab",
                                  "abc",   "a",     "retry", "retrying", " ",     " ",     "12",
                                  "7",     "x",     "erro",  "-",        "E"};
    std::string text;
    for (unsigned count = random() % 8; count > 0; --count)
        text += pieces[random() % std::size(pieces)];
    return text;
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int kPatterns = 300;
#else
constexpr int kPatterns = 2000;
#endif
} // namespace

TEST(RegexLiteralPrefilter, FindsWhatEveryMatchMustHoldAndDecidesOnlyForPlainWords)
{
    const nxRegexLiteralPrefilter errorCode = PrefilterOf("error [0-9]+ (code|lost)", false);
    EXPECT_TRUE(errorCode.IsActive());
    EXPECT_FALSE(errorCode.Decides());
    EXPECT_EQ(errorCode.Test("warning 12 code"), Answer::NoMatch);
    EXPECT_EQ(errorCode.Test("ERROR 12 code"), Answer::NoMatch) << "case counts";
    EXPECT_EQ(errorCode.Test("an error 12 code"), Answer::AskTheEngine);
    EXPECT_EQ(PrefilterOf("error [0-9]+ (code|lost)", true).Test("ERROR 12 code"), Answer::AskTheEngine);

    const nxRegexLiteralPrefilter words = PrefilterOf("filled|refused|(?:retrying)", false);
    EXPECT_TRUE(words.Decides());
    EXPECT_EQ(words.Test("order refused"), Answer::Match);
    EXPECT_EQ(words.Test("order retried"), Answer::NoMatch);

    EXPECT_EQ(PrefilterOf("^Order", false).Test("Re Order"), Answer::NoMatch) << "anchored at the start";
    EXPECT_EQ(PrefilterOf("^Order", false).Test("Order 5"), Answer::AskTheEngine);
    EXPECT_EQ(PrefilterOf("(ab){2}x", false).Test("abx abx"), Answer::NoMatch);

    const nxRegexLiteralPrefilter both = PrefilterOf("(gateway|exchange) .*retry", false);
    EXPECT_EQ(both.GroupCount(), 2u) << "one of the words, and the word after them";
    EXPECT_EQ(both.Test("gateway ldn-gw-3 refused"), Answer::NoMatch);
    EXPECT_EQ(both.Test("retrying on feed"), Answer::NoMatch);
    EXPECT_EQ(both.Test("exchange ldn-gw-3, retrying"), Answer::AskTheEngine);
    const nxRegexLiteralPrefilter three = PrefilterOf("order.*refused.*retry", false);
    for (const char* lacksOne : {"order refused", "refused, retry", "order 5: retry"})
        EXPECT_EQ(three.Test(lacksOne), Answer::NoMatch) << lacksOne;
    EXPECT_EQ(three.Test("retry order refused"), Answer::AskTheEngine) << "the engine decides the order";

    for (const char* unknown : {"(a+)+b", "ab|c+", "a?bc", "(a)\\1", "[a-z]+in", "x*", "error|"})
        EXPECT_FALSE(PrefilterOf(unknown, false).IsActive()) << unknown;
}

// Random patterns of words and the constructs around them, both case flags, on
// lines of the same words: a prefilter that answers must answer as the standard
// library does, and so must the filter as a whole.
TEST(RegexLiteralPrefilter, AnswersOnlyWhatTheStandardLibraryAnswers)
{
    std::mt19937 random(8086);
    std::vector<std::string> texts;
    for (int text = 0; text < 40; ++text)
        texts.push_back(RandomText(random));
    int decided = 0;
    for (int trial = 0; trial < kPatterns; ++trial)
    {
        const std::string pattern = RandomPattern(random, 2);
        for (const bool anyCase : {false, true})
        {
            std::regex standard;
            try
            {
                standard.assign(pattern, anyCase ? std::regex::ECMAScript | std::regex::icase
                                                 : std::regex::ECMAScript);
            }
            catch (const std::regex_error&)
            {
                continue;
            }
            const nxRegexLiteralPrefilter prefilter = PrefilterOf(pattern, anyCase);
            const nxLogRegexFilter filter(pattern, anyCase);
            for (const std::string& text : texts)
            {
                const bool expected = std::regex_search(text, standard);
                const Answer answer = prefilter.Test(text);
                decided += answer != Answer::AskTheEngine;
                ASSERT_TRUE(answer == Answer::AskTheEngine || (answer == Answer::Match) == expected)
                    << "/" << pattern << "/" << (anyCase ? "i" : "") << " on '" << text << "'";
                ASSERT_EQ(filter.IsMatch(text), expected)
                    << "/" << pattern << "/" << (anyCase ? "i" : "") << " on '" << text << "'";
            }
        }
    }
    EXPECT_GT(decided, kPatterns * 10) << "the prefilter answers often enough to be tested";
}

// Places are tested sixteen at a time while a block fits and one by one after:
// a run must be found wherever it stands, across both, and near misses refused.
TEST(RegexLiteralPrefilter, FindsARunAtEveryPlaceInLongAndShortTexts)
{
    const nxRegexLiteralPrefilter anyCase = PrefilterOf("retry|lost", true);
    const nxRegexLiteralPrefilter exact = PrefilterOf("error [0-9]+ (code|lost)", false);
    // Two bytes a place, one bit apart and further apart: each is told its own way.
    const nxRegexLiteralPrefilter oneBitApart = PrefilterOf("[02][13][46]", false);
    const nxRegexLiteralPrefilter furtherApart = PrefilterOf("[ax][bx][cy]", false);
    for (size_t length = 0; length < 70; ++length)
        for (size_t at = 0; at <= length; ++at)
        {
            std::string text(length, 'e');
            auto with = [&](const char* run) { return text.substr(0, at) + run + text.substr(at); };
            EXPECT_EQ(oneBitApart.Test(with("216")), Answer::Match);
            EXPECT_EQ(oneBitApart.Test(with("034")), Answer::Match);
            for (const char* nearly : {"316", "207", "2 6", "21"})
                EXPECT_EQ(oneBitApart.Test(with(nearly)), Answer::NoMatch) << nearly;
            EXPECT_EQ(furtherApart.Test(with("xby")), Answer::Match);
            for (const char* nearly : {"yby", "abz", "xb"})
                EXPECT_EQ(furtherApart.Test(with(nearly)), Answer::NoMatch) << nearly;
            EXPECT_EQ(anyCase.Test(text.substr(0, at) + "RetrY" + text.substr(at)), Answer::Match);
            EXPECT_EQ(anyCase.Test(text.substr(0, at) + "retr" + text.substr(at)), Answer::NoMatch);
            EXPECT_EQ(exact.Test(text.substr(0, at) + "error 5 code" + text.substr(at)),
                      Answer::AskTheEngine);
            EXPECT_EQ(exact.Test(text.substr(0, at) + "errorr " + text.substr(at)), Answer::NoMatch);
        }
}
