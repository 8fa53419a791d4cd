#pragma once

#include <bitset>
#include <string_view>
#include <vector>

#include "log/nxEcmaScriptRegexNode.h"
#include "log/nxRegexLiteralPrefilter.h"

// The answer for the common shape of a log filter, a row of simple steps such
// as `error [0-9]+ (code|lost)`, `^Order \d+` or `(gateway|exchange) .*retry`,
// found without a regex engine: each step is one byte of a set, a set repeated
// (at least so many times, with no upper bound) or one of a few runs of bytes,
// and the pattern may be held to the start or the end of the text. The steps
// are the tree's own byte sets, so the answer is the engine's. A text that
// would cost more than a few steps a byte (a repeat that must give back again
// and again) gets no answer, so the time stays linear in the text.
class nxRegexSequenceMatcher
{
public:
    // The prefilter's three answers: the filter takes both the same way.
    using Answer = nxRegexLiteralPrefilter::Answer;

    // One that takes no pattern: it always answers AskTheEngine.
    nxRegexSequenceMatcher() = default;
    // The root of a pattern as nxEcmaScriptRegexParser reads it; a pattern of
    // another shape leaves it inactive.
    explicit nxRegexSequenceMatcher(const nxEcmaScriptRegexNode& root);

    bool IsActive() const { return m_active; }
    Answer Test(std::string_view text) const;

private:
    using Bytes = std::bitset<256>;
    struct Step
    {
        enum class Kind
        {
            Byte,
            Repeat,
            Runs,
        };
        Kind kind = Kind::Byte;
        Bytes bytes{};
        // Repeat: the fewest times.
        int min = 0;
        // Repeat: the next step can start at no byte of the set, so only the
        // longest repeat can be followed by it.
        bool longestOnly = false;
        // Runs: each a byte of a set a position, tried in order.
        std::vector<std::vector<Bytes>> runs{};
    };

    bool Add(const nxEcmaScriptRegexNode& node, bool first, bool last);
    bool AddRuns(const nxEcmaScriptRegexNode& alternatives);
    // The bytes the steps from `step` may start with; all of them when they may match nothing.
    Bytes FirstBytes(size_t step) const;
    // Whether the steps from `step` match at `at`; `budget` is spent a unit a
    // byte looked at, and the answer is no more to be trusted once it runs out.
    bool MatchesAt(std::string_view text, size_t step, size_t at, long& budget) const;

    std::vector<Step> m_steps;
    bool m_atStart = false;
    bool m_atEnd = false;
    bool m_active = false;
    // The bytes a match may start with.
    Bytes m_firstBytes{};
};
