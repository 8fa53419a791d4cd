#include "log/nxRegexLiteralPrefilter.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <string_view>
#include <tuple>
#include <utility>

namespace
{
using Node = nxEcmaScriptRegexNode;
using Kind = Node::Kind;
using Position = nxRegexLiteralPrefilter::Position;
using Positions = std::vector<Position>;
using Run = nxRegexLiteralPrefilter::Run;
// Texts of which every match holds at least one; empty: nothing is known.
using Requirement = std::vector<Run>;
// Requirements that hold together: every match meets each of them.
using Requirements = std::vector<Requirement>;

// Wider sets (a class, the dot) would leave a skipping search little to skip.
constexpr size_t kNarrowestWide = 5;
// A shorter run is found too often to be worth looking for before the engine.
constexpr size_t kShortestRequired = 3;
// Each run costs a search of its own.
constexpr size_t kMostRequired = 4;
constexpr size_t kMostDeciding = 8;
// Each further requirement costs searches of its own, and most lines fail the first.
constexpr size_t kMostRequirements = 3;
// The skip table holds distances in a byte; a longer run is cut to its start.
constexpr size_t kLongestRun = 255;

// What a node of the tree tells about its matches.
struct Facts
{
    // Every match is exactly `run` (zero-width assertions may still refuse it).
    bool fixed = false;
    Positions run{};
    // Every match meets each of these, best first.
    Requirements required{};
    // Nothing but these runs match, wherever they stand (no assertions).
    std::optional<std::vector<Positions>> only{};
};

Positions Repeated(const Positions& run, int times)
{
    Positions repeated;
    for (int time = 0; time < times && repeated.size() < kLongestRun; ++time)
        repeated.insert(repeated.end(), run.begin(), run.end());
    return repeated;
}

// Better: every run anchored (one comparison), then the longest shortest run, then fewer runs.
auto Score(const Requirement& requirement)
{
    size_t shortest = kLongestRun;
    bool anchored = true;
    for (const Run& run : requirement)
    {
        shortest = std::min(shortest, run.positions.size());
        anchored = anchored && run.atTextStart;
    }
    return std::make_tuple(anchored, shortest, -static_cast<int>(requirement.size()));
}

bool IsUsable(const Requirement& requirement)
{
    return !requirement.empty() && requirement.size() <= kMostRequired &&
           std::all_of(requirement.begin(), requirement.end(),
                       [](const Run& run) { return run.positions.size() >= kShortestRequired; });
}

bool SameRun(const Run& one, const Run& other)
{
    return one.atTextStart == other.atTextStart && one.positions == other.positions;
}

bool SameRequirement(const Requirement& one, const Requirement& other)
{
    return std::equal(one.begin(), one.end(), other.begin(), other.end(), SameRun);
}

// Keeps the best few usable requirements, best first, each once.
void Consider(Requirements& best, Requirement candidate)
{
    if (!IsUsable(candidate) ||
        std::any_of(best.begin(), best.end(),
                    [&candidate](const Requirement& held) { return SameRequirement(held, candidate); }))
        return;
    const auto score = Score(candidate);
    const auto place = std::find_if(best.begin(), best.end(),
                                    [&score](const Requirement& held) { return score > Score(held); });
    best.insert(place, std::move(candidate));
    if (best.size() > kMostRequirements)
        best.pop_back();
}

Facts Fixed(Positions run, bool pure)
{
    Facts facts{.fixed = true, .run = std::move(run)};
    if (!facts.run.empty())
        Consider(facts.required, {Run{facts.run, false}});
    if (pure)
        facts.only = std::vector<Positions>{facts.run};
    return facts;
}

Facts Analyse(const Node& node);

Facts AnalyseSequence(const Node& node)
{
    Facts facts{.fixed = true};
    std::vector<Positions> only{Positions{}};
    Requirements best;
    Positions current;
    bool currentAtStart = false;
    // Nothing consumed since a ^: what comes next stands at the text's start.
    bool atStart = false;
    auto closeRun = [&]
    {
        if (!current.empty())
            Consider(best, {Run{current, currentAtStart}});
        current.clear();
    };
    for (const Node& child : node.children)
    {
        Facts part = Analyse(child);
        if (part.only && part.only->size() == 1 && !only.empty())
            only.front().insert(only.front().end(), part.only->front().begin(), part.only->front().end());
        else
            only.clear();
        if (child.kind == Kind::TextStart)
        {
            closeRun();
            atStart = true;
        }
        else if (part.fixed)
        {
            if (part.run.empty())
                continue;
            if (current.empty())
                currentAtStart = atStart;
            current.insert(current.end(), part.run.begin(), part.run.end());
            facts.run.insert(facts.run.end(), part.run.begin(), part.run.end());
            atStart = false;
        }
        else
        {
            closeRun();
            // Each part of a sequence is in every match of it: all its requirements hold.
            for (Requirement& requirement : part.required)
                Consider(best, std::move(requirement));
            facts.fixed = false;
            atStart = false;
        }
    }
    closeRun();
    if (!facts.fixed)
        facts.run.clear();
    facts.required = std::move(best);
    if (!only.empty())
        facts.only = std::move(only);
    return facts;
}

// A match of one alternative meets that alternative's best requirement: one of
// those holds, whichever alternative matched.
Facts AnalyseAlternatives(const Node& node)
{
    Facts facts;
    Requirement either;
    bool eachRequires = true;
    std::vector<Positions> only;
    bool pure = true;
    for (const Node& child : node.children)
    {
        Facts part = Analyse(child);
        eachRequires = eachRequires && !part.required.empty();
        if (!part.required.empty())
            either.insert(either.end(), part.required.front().begin(), part.required.front().end());
        pure = pure && part.only.has_value();
        if (part.only)
            only.insert(only.end(), part.only->begin(), part.only->end());
    }
    if (eachRequires)
        Consider(facts.required, std::move(either));
    if (pure)
        facts.only = std::move(only);
    return facts;
}

Facts AnalyseRepeat(const Node& node)
{
    Facts part = Analyse(node.children.front());
    if (node.max == 0)
        return Fixed({}, true);
    if (node.min == node.max && part.fixed)
    {
        const bool pure = part.only && part.only->size() == 1;
        return Fixed(Repeated(part.run, node.min), pure);
    }
    Facts facts;
    if (node.min >= 1)
        facts.required = std::move(part.required);
    return facts;
}

Facts Analyse(const Node& node)
{
    switch (node.kind)
    {
    case Kind::Empty:
        return Fixed({}, true);
    case Kind::Characters:
        if (node.characters.count() >= kNarrowestWide)
            return {};
        return Fixed({node.characters}, true);
    case Kind::Sequence:
        return AnalyseSequence(node);
    case Kind::Alternatives:
        return AnalyseAlternatives(node);
    case Kind::Group:
        return node.children.empty() ? Fixed({}, true) : Analyse(node.children.front());
    case Kind::Repeat:
        return node.children.empty() ? Facts{} : AnalyseRepeat(node);
    case Kind::TextStart:
    case Kind::TextEnd:
    case Kind::WordBoundary:
    case Kind::NotWordBoundary:
    case Kind::Lookahead:
    case Kind::NegativeLookahead:
        // Zero-width: consumes nothing, but may refuse.
        return Fixed({}, false);
    case Kind::BackReference:
        return {};
    }
    return {};
}

Run Shortened(Run run)
{
    if (run.positions.size() > kLongestRun)
        run.positions.resize(kLongestRun);
    return run;
}

// Asked in this order: an anchored run is one comparison, a single run one
// search, and a longer shortest run is found less often.
auto TestOrder(const Requirement& requirement)
{
    const auto [anchored, shortest, fewer] = Score(requirement);
    return std::make_tuple(!anchored, -fewer, -static_cast<int>(shortest));
}
} // namespace

nxRegexLiteralPrefilter::nxRegexLiteralPrefilter(const nxEcmaScriptRegexNode& root)
{
    Facts facts = Analyse(root);
    const bool decides =
        facts.only && !facts.only->empty() && facts.only->size() <= kMostDeciding &&
        std::none_of(facts.only->begin(), facts.only->end(),
                     [](const Positions& run) { return run.empty() || run.size() > kLongestRun; });
    if (decides)
    {
        Group& group = m_groups.emplace_back();
        for (Positions& run : *facts.only)
            group.emplace_back(Run{std::move(run), false});
        m_decides = true;
        return;
    }
    std::stable_sort(facts.required.begin(), facts.required.end(),
                     [](const Requirement& one, const Requirement& other)
                     { return TestOrder(one) < TestOrder(other); });
    for (Requirement& requirement : facts.required)
    {
        Group& group = m_groups.emplace_back();
        for (Run& run : requirement)
            group.emplace_back(Shortened(std::move(run)));
    }
}

nxRegexLiteralPrefilter::Answer nxRegexLiteralPrefilter::Test(std::string_view text) const
{
    if (m_groups.empty())
        return Answer::AskTheEngine;
    for (const Group& group : m_groups)
        if (std::none_of(group.begin(), group.end(),
                         [text](const Search& search) { return search.IsIn(text); }))
            return Answer::NoMatch;
    return m_decides ? Answer::Match : Answer::AskTheEngine;
}

namespace
{
// How often a byte turns up in log text, roughly: a probe on rarer bytes leaves
// fewer places to check.
int Commonness(unsigned byte)
{
    const auto lower = static_cast<char>(byte | 0x20);
    if (byte == ' ' || std::string_view("etaoinsr").find(lower) != std::string_view::npos)
        return 3;
    if ((byte >= '0' && byte <= '9') || std::string_view("hldcumgp").find(lower) != std::string_view::npos)
        return 2;
    return 1;
}

// The cost of probing a position; none when it takes more than two bytes.
std::optional<int> ProbeCost(const Position& position)
{
    if (position.count() > 2)
        return std::nullopt;
    int cost = 0;
    for (unsigned byte = 0; byte < 256; ++byte)
        if (position[byte])
            cost += Commonness(byte);
    return cost;
}
} // namespace

namespace
{
nxRegexLiteralPrefilter::ProbeKind KindOf(const std::array<uint8_t, 2>& bytes)
{
    using ProbeKind = nxRegexLiteralPrefilter::ProbeKind;
    const unsigned apart = bytes[0] ^ bytes[1];
    if (apart == 0)
        return ProbeKind::OneByte;
    return std::has_single_bit(apart) ? ProbeKind::OneBitApart : ProbeKind::EitherOfTwo;
}
} // namespace

// Horspool's search, over sets: after a window that does not end the run, it moves
// on as far as the last byte seen allows without passing a place the run could start.
nxRegexLiteralPrefilter::Search::Search(Run runToFind) : run(std::move(runToFind))
{
    const size_t length = run.positions.size();
    shift.fill(static_cast<uint8_t>(length));
    for (size_t position = 0; position + 1 < length; ++position)
        for (unsigned byte = 0; byte < 256; ++byte)
            if (run.positions[position][byte])
                shift[byte] = static_cast<uint8_t>(length - 1 - position);

    std::vector<std::pair<int, size_t>> candidates;
    for (size_t position = 0; position < length; ++position)
        if (const std::optional<int> cost = ProbeCost(run.positions[position]))
            candidates.emplace_back(*cost, position);
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const auto& one, const auto& other) { return one.first < other.first; });
    std::array<std::array<uint8_t, 2>, kProbes> probeBytes{};
    for (const auto& [cost, position] : candidates)
    {
        if (probeCount == kProbes)
            break;
        const Position& bytes = run.positions[position];
        size_t held = 0;
        for (unsigned byte = 0; byte < 256; ++byte)
            if (bytes[byte])
                probeBytes[probeCount][held++] = static_cast<uint8_t>(byte);
        if (held == 1)
            probeBytes[probeCount][1] = probeBytes[probeCount][0];
        probeKind = std::max(probeKind, KindOf(probeBytes[probeCount]));
        probeOffsets[probeCount++] = position;
    }
    for (size_t probe = 0; probe < kProbes; ++probe)
    {
        const size_t taken = probe < probeCount ? probe : 0;
        const auto [one, other] = probeBytes[taken];
        // One bit apart: that bit is set in the text, so the byte with it set is compared.
        const bool folded = probeKind == ProbeKind::OneBitApart;
        probeFirst[probe].fill(static_cast<uint8_t>(folded ? one | other : one));
        probeSecond[probe].fill(static_cast<uint8_t>(folded ? one ^ other : other));
        probeOffsets[probe] = probeOffsets[taken];
    }
}

bool nxRegexLiteralPrefilter::Search::StandsAt(std::string_view text, size_t at) const
{
    for (size_t position = run.positions.size(); position-- > 0;)
        if (!run.positions[position][static_cast<unsigned char>(text[at + position])])
            return false;
    return true;
}

#if defined(__SSE2__)
namespace
{
constexpr size_t kBlock = 16;

using ProbeKind = nxRegexLiteralPrefilter::ProbeKind;

// The places among sixteen where a probe's bytes stand. For OneBitApart,
// `other` holds the bit in which the two bytes differ (none for one byte) and
// `one` the byte with it set.
template <ProbeKind kKind> __m128i Hits(const char* at, __m128i one, __m128i other)
{
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    if constexpr (kKind == ProbeKind::EitherOfTwo)
        return _mm_or_si128(_mm_cmpeq_epi8(block, one), _mm_cmpeq_epi8(block, other));
    else if constexpr (kKind == ProbeKind::OneBitApart)
        return _mm_cmpeq_epi8(_mm_or_si128(block, other), one);
    else
        return _mm_cmpeq_epi8(block, one);
}
} // namespace

template <nxRegexLiteralPrefilter::ProbeKind kKind>
bool nxRegexLiteralPrefilter::Search::IsInBlocksWith(std::string_view text) const
{
    auto spread = [](const std::array<uint8_t, 16>& bytes)
    { return _mm_load_si128(reinterpret_cast<const __m128i*>(bytes.data())); };
    // In registers for the whole text.
    const __m128i first[kProbes] = {spread(probeFirst[0]), spread(probeFirst[1]), spread(probeFirst[2])};
    const __m128i second[kProbes] = {spread(probeSecond[0]), spread(probeSecond[1]), spread(probeSecond[2])};
    // Whether the run stands at any of the sixteen places from `start`, the
    // first `skipped` of them left out.
    auto standsAmong = [&](size_t start, unsigned skipped)
    {
        const char* const at = text.data() + start;
        const __m128i places =
            _mm_and_si128(_mm_and_si128(Hits<kKind>(at + probeOffsets[0], first[0], second[0]),
                                        Hits<kKind>(at + probeOffsets[1], first[1], second[1])),
                          Hits<kKind>(at + probeOffsets[2], first[2], second[2]));
        auto candidates = static_cast<unsigned>(_mm_movemask_epi8(places)) >> skipped << skipped;
        for (; candidates != 0; candidates &= candidates - 1)
            if (StandsAt(text, start + static_cast<size_t>(std::countr_zero(candidates))))
                return true;
        return false;
    };
    const size_t last = run.positions.size() - 1;
    size_t from = 0;
    for (; from + last + kBlock <= text.size(); from += kBlock)
        if (standsAmong(from, 0))
            return true;
    // The places left, fewer than sixteen, as the last sixteen: those before
    // them were tested already.
    const size_t lastBlock = text.size() - last - kBlock;
    return from < lastBlock + kBlock && standsAmong(lastBlock, static_cast<unsigned>(from - lastBlock));
}

bool nxRegexLiteralPrefilter::Search::IsInBlocks(std::string_view text) const
{
    switch (probeKind)
    {
    case ProbeKind::OneByte:
        return IsInBlocksWith<ProbeKind::OneByte>(text);
    case ProbeKind::OneBitApart:
        return IsInBlocksWith<ProbeKind::OneBitApart>(text);
    case ProbeKind::EitherOfTwo:
        break;
    }
    return IsInBlocksWith<ProbeKind::EitherOfTwo>(text);
}
#endif

bool nxRegexLiteralPrefilter::Search::IsIn(std::string_view text) const
{
    const size_t length = run.positions.size();
    if (length > text.size())
        return false;
    if (run.atTextStart)
        return StandsAt(text, 0);
#if defined(__SSE2__)
    if (probeCount != 0 && length - 1 + kBlock <= text.size())
        return IsInBlocks(text);
#endif
    const Position& last = run.positions.back();
    for (size_t at = 0; at + length <= text.size();)
    {
        const auto end = static_cast<unsigned char>(text[at + length - 1]);
        if (last[end] && StandsAt(text, at))
            return true;
        at += shift[end];
    }
    return false;
}
