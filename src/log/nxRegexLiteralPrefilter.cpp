#include "log/nxRegexLiteralPrefilter.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <bit>
#include <optional>
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

// Wider sets (a class, the dot) would leave a skipping search little to skip.
constexpr size_t kNarrowestWide = 5;
// A shorter run is found too often to be worth looking for before the engine.
constexpr size_t kShortestRequired = 3;
// Each run costs a search of its own.
constexpr size_t kMostRequired = 4;
constexpr size_t kMostDeciding = 8;
// The skip table holds distances in a byte; a longer run is cut to its start.
constexpr size_t kLongestRun = 255;

// What a node of the tree tells about its matches.
struct Facts
{
    // Every match is exactly `run` (zero-width assertions may still refuse it).
    bool fixed = false;
    Positions run{};
    // Every match holds one of these.
    Requirement required{};
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

Facts Fixed(Positions run, bool pure)
{
    Facts facts{.fixed = true, .run = std::move(run)};
    if (!facts.run.empty())
        facts.required = {Run{facts.run, false}};
    if (pure)
        facts.only = std::vector<Positions>{facts.run};
    return facts;
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

void Consider(Requirement& best, Requirement candidate)
{
    if (IsUsable(candidate) && (best.empty() || Score(candidate) > Score(best)))
        best = std::move(candidate);
}

Facts Analyse(const Node& node);

Facts AnalyseSequence(const Node& node)
{
    Facts facts{.fixed = true};
    std::vector<Positions> only{Positions{}};
    Requirement best;
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
        const Facts part = Analyse(child);
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
            Consider(best, part.required);
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
        either.insert(either.end(), part.required.begin(), part.required.end());
        pure = pure && part.only.has_value();
        if (part.only)
            only.insert(only.end(), part.only->begin(), part.only->end());
    }
    if (eachRequires && IsUsable(either))
        facts.required = std::move(either);
    if (pure)
        facts.only = std::move(only);
    return facts;
}

Facts AnalyseRepeat(const Node& node)
{
    const Facts part = Analyse(node.children.front());
    if (node.max == 0)
        return Fixed({}, true);
    if (node.min == node.max && part.fixed)
    {
        const bool pure = part.only && part.only->size() == 1;
        return Fixed(Repeated(part.run, node.min), pure);
    }
    Facts facts;
    if (node.min >= 1)
        facts.required = part.required;
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
        for (Positions& run : *facts.only)
            m_runs.emplace_back(Run{std::move(run), false});
        m_decides = true;
        return;
    }
    if (!IsUsable(facts.required))
        return;
    for (Run& run : facts.required)
        m_runs.emplace_back(Shortened(std::move(run)));
}

nxRegexLiteralPrefilter::Answer nxRegexLiteralPrefilter::Test(std::string_view text) const
{
    if (m_runs.empty())
        return Answer::AskTheEngine;
    const bool holdsOne =
        std::any_of(m_runs.begin(), m_runs.end(), [text](const Search& search) { return search.IsIn(text); });
    if (!holdsOne)
        return Answer::NoMatch;
    return m_decides ? Answer::Match : Answer::AskTheEngine;
}

namespace
{
std::vector<uint8_t> BytesOf(const Position& position)
{
    std::vector<uint8_t> bytes;
    for (unsigned byte = 0; byte < 256; ++byte)
        if (position[byte])
            bytes.push_back(static_cast<uint8_t>(byte));
    return bytes;
}

#if defined(__SSE2__)
// Marks each of the sixteen bytes that is one of the given ones.
__m128i AnyOf(__m128i block, const std::vector<uint8_t>& bytes)
{
    __m128i found = _mm_setzero_si128();
    for (const uint8_t byte : bytes)
        found = _mm_or_si128(found, _mm_cmpeq_epi8(block, _mm_set1_epi8(static_cast<char>(byte))));
    return found;
}
#endif
} // namespace

// Horspool's search, over sets: after a window that does not end the run, it moves
// on as far as the last byte seen allows without passing a place the run could start.
nxRegexLiteralPrefilter::Search::Search(Run runToFind) : run(std::move(runToFind))
{
    const size_t length = run.positions.size();
    // Three positions rule out far more places than two, the common bytes of a word alike.
    for (const size_t position : {size_t{0}, length / 2, length - 1})
        if (probes.empty() || probes.back().position != position)
            probes.push_back({position, BytesOf(run.positions[position])});
    shift.fill(static_cast<uint8_t>(length));
    for (size_t position = 0; position + 1 < length; ++position)
        for (unsigned byte = 0; byte < 256; ++byte)
            if (run.positions[position][byte])
                shift[byte] = static_cast<uint8_t>(length - 1 - position);
}

bool nxRegexLiteralPrefilter::Search::StandsAt(std::string_view text, size_t at) const
{
    for (size_t position = run.positions.size(); position-- > 0;)
        if (!run.positions[position][static_cast<unsigned char>(text[at + position])])
            return false;
    return true;
}

size_t nxRegexLiteralPrefilter::Search::SkipBlocks(std::string_view text, size_t from) const
{
#if defined(__SSE2__)
    constexpr size_t kBlock = 16;
    const size_t last = run.positions.size() - 1;
    for (; from + last + kBlock <= text.size(); from += kBlock)
    {
        __m128i places = _mm_set1_epi8(-1);
        for (const Probe& probe : probes)
        {
            const auto* block = reinterpret_cast<const __m128i*>(text.data() + from + probe.position);
            places = _mm_and_si128(places, AnyOf(_mm_loadu_si128(block), probe.bytes));
        }
        auto candidates = static_cast<unsigned>(_mm_movemask_epi8(places));
        for (; candidates != 0; candidates &= candidates - 1)
        {
            const size_t at = from + static_cast<size_t>(std::countr_zero(candidates));
            if (StandsAt(text, at))
                return at;
        }
    }
#else
    (void)text;
#endif
    return from;
}

bool nxRegexLiteralPrefilter::Search::IsIn(std::string_view text) const
{
    const size_t length = run.positions.size();
    if (length > text.size())
        return false;
    if (run.atTextStart)
        return StandsAt(text, 0);
    const Position& last = run.positions.back();
    for (size_t at = SkipBlocks(text, 0); at + length <= text.size();)
    {
        const auto end = static_cast<unsigned char>(text[at + length - 1]);
        if (last[end] && StandsAt(text, at))
            return true;
        at += shift[end];
    }
    return false;
}
