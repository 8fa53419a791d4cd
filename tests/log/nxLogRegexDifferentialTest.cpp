#include <gtest/gtest.h>

#include <map>
#include <random>
// The standard library's regex, here only the reference, trips a false warning in sanitizer builds.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <regex>
#include <string>
#include <vector>

#include "log/nxLogRegexFilter.h"

namespace
{
// Pieces of the ECMAScript grammar, with Perl extensions and escapes that the
// grammar refuses or reads otherwise; patterns are strings of a few of them.
const char* const kPieces[] = {
    "a", "b", "B", "-", ",", "1", " ", "_", "\xe9", "\xc9", ".", "*", "+", "?", "*?", "+?", "??", "{2}",
    "{1,2}", "{0,}", "{1,}?", "{", "}", "|", "(", ")", "(?:", "(?=", "(?!", "[", "]", "[^", "^", "$", "\\b",
    "\\B", "\\d", "\\D", "\\s", "\\S", "\\w", "\\W", "\\1", "\\2", "\\0", "\\n", "\\r", "\\f", "\\t", "\\v",
    "\\x41", "\\x62", "\\u0062", "\\u0142", "\\cJ", "\\cb", "\\c1", "\\.", "\\[", "\\]", "\\\\", "\\-", "\\{",
    "[:alpha:]", "[:digit:]", "[.a.]", "[=b=]", "[:word:]",
    // Extensions and escapes of other dialects.
    "(?i)", "(?<=", "(?<n>", "(?>", "(?#c)", "\\A", "\\Z", "\\z", "\\Q", "\\E", "\\R", "\\K", "\\h", "\\e",
    "\\p{L}", "\\k", "(?", "\\g1", "\\x{62}"};

// Well-formed patterns, so that groups, back references and lookaheads are common.
const char* const kAtoms[] = {"a",    "b",     "B",           ".",     "\\d", "\\w", "\\s", "\\W",  "[ab]",
                              "[^a]", "[a-c]", "[[:upper:]]", "\\x41", "\\n", "\\1", "\\2", "\xe9", "-"};
const char* const kQuantifiers[] = {"", "", "", "*", "+", "?", "*?", "{2}", "{0,1}", "{1,}"};

std::string RandomWellFormed(std::mt19937& random, int depth)
{
    std::string pattern;
    for (unsigned terms = 1 + random() % 3; terms > 0; --terms)
    {
        const unsigned choice = random() % 10;
        if (depth > 0 && choice < 3)
        {
            const char* const opens[] = {"(", "(", "(?:", "(?=", "(?!"};
            pattern += opens[random() % std::size(opens)] + RandomWellFormed(random, depth - 1) + ")";
        }
        else if (choice == 3)
            pattern += random() % 2 ? "^" : "$";
        else if (choice == 4)
            pattern += random() % 2 ? "\\b" : "\\B";
        else
            pattern += kAtoms[random() % std::size(kAtoms)];
        pattern += kQuantifiers[random() % std::size(kQuantifiers)];
    }
    if (random() % 4 == 0)
        pattern += "|" + RandomWellFormed(random, depth - 1);
    return pattern;
}

std::string RandomPieces(std::mt19937& random)
{
    std::string pattern;
    for (unsigned pieces = 1 + random() % 5; pieces > 0; --pieces)
        pattern += kPieces[random() % std::size(kPieces)];
    return pattern;
}

// clang-format off
const char* const kTexts[] = {
    "", "a", "b", "A", "B", "ab", "aB", "ba", "aab", "abab", "a-b", "a b", "1", "a1", "_", "\n", "a\nb",
    "a\rb", "a\fb", "\x01", "\x02", "J", "\xe9", "\xc9", "A\xe9" "b", "]", "[", "{2}", "\\", ".", "ab\n",
    "bb", "-,"};
// clang-format on

// Where this filter and the standard library part on purpose. Each answers why
// for a pattern, or nothing.
struct nxKnownDifference
{
    const char* reason;
    bool (*applies)(const std::string& pattern);
};

bool HasControlLetter(const std::string& pattern)
{
    for (size_t at = pattern.find("\\c"); at != std::string::npos; at = pattern.find("\\c", at + 1))
        if (at + 2 < pattern.size() && std::isalpha(static_cast<unsigned char>(pattern[at + 2])))
            return true;
    return false;
}

bool HasWideCodeUnit(const std::string& pattern)
{
    return pattern.find("\\u0142") != std::string::npos;
}

// Whether a lookahead of the pattern holds ^, \b or \B (escapes and sets skipped roughly).
bool HasAnchorInLookahead(const std::string& pattern)
{
    for (size_t open = pattern.find("(?"); open != std::string::npos; open = pattern.find("(?", open + 1))
    {
        if (open + 2 >= pattern.size() || (pattern[open + 2] != '=' && pattern[open + 2] != '!'))
            continue;
        int depth = 1;
        for (size_t at = open + 3; at < pattern.size() && depth > 0; ++at)
        {
            const char c = pattern[at];
            if (c == '\\' && at + 1 < pattern.size())
            {
                if (pattern[at + 1] == 'b' || pattern[at + 1] == 'B')
                    return true;
                ++at;
            }
            else if (c == '^' && pattern[at - 1] != '[')
                return true;
            else
                depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        }
    }
    return false;
}

const nxKnownDifference kKnownDifferences[] = {
    {"^, \\b and \\B inside a lookahead mean here what they mean anywhere; the standard library reads the "
     "lookahead's first position as the start of the text when the match attempt began there",
     HasAnchorInLookahead},
    {"\\c followed by a letter is that letter's control character (\\cJ a line feed); the standard library "
     "reads the letter itself",
     HasControlLetter},
    {"\\u with a code unit above 0xFF matches nothing, as no 8-bit character holds it; the standard library "
     "matches the unit's low byte",
     HasWideCodeUnit},
};

// Always among the patterns: one for each known difference.
const char* const kPinned[] = {"a(?=^)", "a(?=\\b)", "\\u0142|b", "a\\cJ"};

std::string Printable(const std::string& text)
{
    std::string printable;
    for (const unsigned char c : text)
    {
        if (c >= 0x20 && c < 0x7f)
            printable += static_cast<char>(c);
        else
        {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            printable += escaped;
        }
    }
    return printable;
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int kPatterns = 400;
#else
constexpr int kPatterns = 3000;
#endif
} // namespace

// Random short patterns, both case flags, against short texts, which the standard
// library searches safely: validity and every answer must be the standard
// library's, but for the differences listed above.
TEST(LogRegexDifferential, ValidityAndAnswersAreTheStandardLibrarys)
{
    std::mt19937 random(12345);
    std::vector<std::string> unexplained;
    std::map<const char*, int> explained;
    for (int trial = 0; trial < kPatterns; ++trial)
    {
        // A leading group gives the back references of the well-formed patterns something to refer to.
        const char* const leads[] = {"", "(a|b)", "(\\w*)", "(A)?"};
        std::string pattern = trial % 2 ? RandomPieces(random)
                                        : leads[trial / 2 % std::size(leads)] + RandomWellFormed(random, 2);
        if (trial < static_cast<int>(std::size(kPinned)))
            pattern = kPinned[trial];
        const nxKnownDifference* known = nullptr;
        for (const nxKnownDifference& difference : kKnownDifferences)
            if (difference.applies(pattern))
                known = &difference;
        for (const bool anyCase : {false, true})
        {
            std::regex standard;
            bool valid = true;
            try
            {
                standard.assign(pattern, anyCase ? std::regex::ECMAScript | std::regex::icase
                                                 : std::regex::ECMAScript);
            }
            catch (const std::regex_error&)
            {
                valid = false;
            }
            const nxLogRegexFilter filter(pattern, anyCase);
            const std::string what = "/" + Printable(pattern) + "/" + (anyCase ? "i" : "");
            if (filter.IsValid() != valid)
            {
                unexplained.push_back(what + (valid ? " is valid there only" : " is valid here only"));
                continue;
            }
            for (const char* text : kTexts)
            {
                if (!valid || filter.IsMatch(text) == std::regex_search(text, standard))
                    continue;
                if (known)
                    ++explained[known->reason];
                else
                    unexplained.push_back(what + " on '" + Printable(text) + "'");
            }
        }
    }
    EXPECT_TRUE(unexplained.empty()) << unexplained.size() << " unexplained, first: " << unexplained.front()
                                     << (unexplained.size() > 1 ? "; " + unexplained[1] : "")
                                     << (unexplained.size() > 2 ? "; " + unexplained[2] : "");
    for (const nxKnownDifference& difference : kKnownDifferences)
        EXPECT_GT(explained[difference.reason], 0) << "no longer seen: " << difference.reason;
}
