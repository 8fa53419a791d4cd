#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

#include "log/nxEcmaScriptRegexNode.h"

// What every match of a pattern must contain, read from its tree where that is
// certain: a few groups of runs of characters, each position a small set of
// bytes (so a letter in both cases too), which a skipping search finds far
// faster than a regex engine. A text that lacks every run of any one group
// cannot match: `(gateway|exchange) .*retry` needs "retry" as well as one of the
// two words. When the pattern is nothing but such runs (a word, or words as
// alternatives), a text holding one of them matches, and the engine is not asked
// at all.
class nxRegexLiteralPrefilter
{
public:
    enum class Answer
    {
        NoMatch,
        Match,
        AskTheEngine,
    };

    // A prefilter that always answers AskTheEngine.
    nxRegexLiteralPrefilter() = default;
    // The root of a pattern as nxEcmaScriptRegexParser reads it.
    explicit nxRegexLiteralPrefilter(const nxEcmaScriptRegexNode& root);

    Answer Test(std::string_view text) const;
    bool IsActive() const { return !m_groups.empty(); }
    // How many groups a text must each hold a run of.
    size_t GroupCount() const { return m_groups.size(); }
    // Whether holding a run is the whole answer.
    bool Decides() const { return m_decides; }

    using Position = std::bitset<256>;
    // Characters in a row, one of each position's set.
    struct Run
    {
        std::vector<Position> positions;
        // The run can only stand at the start of the text (after ^).
        bool atTextStart = false;
    };

    // How a probe's bytes are told among sixteen.
    enum class ProbeKind
    {
        // Each probe takes one byte: one comparison.
        OneByte,
        // Some probe takes two bytes that differ in one bit (a letter in both
        // cases): that bit set in the text, then one comparison.
        OneBitApart,
        // Some probe takes two bytes further apart: two comparisons.
        EitherOfTwo,
    };

private:
    // A run with what searching for it needs: the bytes of up to three of its
    // positions (the rarest-looking), to test sixteen places at once, and, for
    // what is left of a text, how far a skipping search may move on past each
    // byte seen at its end.
    struct Search
    {
        explicit Search(Run run);
        bool IsIn(std::string_view text) const;
        bool StandsAt(std::string_view text, size_t at) const;
        // Whether the run stands in the text, its places tested sixteen at a
        // time; for a text that holds at least one block past the run's last position.
        bool IsInBlocks(std::string_view text) const;
        template <ProbeKind kKind> bool IsInBlocksWith(std::string_view text) const;

        Run run;
        std::array<uint8_t, 256> shift{};
        static constexpr size_t kProbes = 3;
        size_t probeCount = 0;
        ProbeKind probeKind = ProbeKind::OneByte;
        // What the block test compares with, worked out once rather than for
        // every text: each probe's position in the run and its two bytes (the
        // same twice for one; a letter in both cases), made ready for the probe
        // kind and sixteen times over. Unused probes repeat the first, which
        // changes nothing.
        std::array<size_t, kProbes> probeOffsets{};
        alignas(16) std::array<std::array<uint8_t, 16>, kProbes> probeFirst{};
        alignas(16) std::array<std::array<uint8_t, 16>, kProbes> probeSecond{};
    };
    // Holding any run of it: one of the groups every matching text holds.
    using Group = std::vector<Search>;

    std::vector<Group> m_groups;
    bool m_decides = false;
};
