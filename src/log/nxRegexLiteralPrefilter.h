#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

#include "log/nxEcmaScriptRegexNode.h"

// What every match of a pattern must contain, read from its tree where that is
// certain: one of a few runs of characters, each position a small set of bytes
// (so a letter in both cases too), which a skipping search finds far faster than
// a regex engine. A text holding none of them cannot match. When the pattern is
// nothing but such runs (a word, or words as alternatives), a text holding one
// of them matches, and the engine is not asked at all.
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
    bool IsActive() const { return !m_runs.empty(); }
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

private:
    // A run with what searching for it needs: the bytes its first, middle and
    // last positions take, to test sixteen places at once, and, for what is left
    // of a text, how far a skipping search may move on past each byte seen at its end.
    struct Search
    {
        explicit Search(Run run);
        bool IsIn(std::string_view text) const;
        bool StandsAt(std::string_view text, size_t at) const;
        // The first place from `from` that may start the run, tested sixteen at a
        // time while a whole block fits; the run stands at no place before it.
        size_t SkipBlocks(std::string_view text, size_t from) const;

        Run run;
        std::array<uint8_t, 256> shift{};
        struct Probe
        {
            size_t position;
            std::vector<uint8_t> bytes;
        };
        std::vector<Probe> probes;
    };

    std::vector<Search> m_runs;
    bool m_decides = false;
};
