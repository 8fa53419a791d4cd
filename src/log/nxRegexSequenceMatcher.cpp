#include "log/nxRegexSequenceMatcher.h"

#include <algorithm>

namespace
{
using Node = nxEcmaScriptRegexNode;
using Kind = Node::Kind;

// Beyond these a pattern is left to the engine: the steps are tried one by one.
constexpr size_t kMostSteps = 64;
constexpr size_t kMostRuns = 16;
constexpr size_t kLongestRun = 64;
// A fixed count is written out as that many single steps.
constexpr int kMostWrittenOut = 8;
// Units a byte of text, and a few for a short one, before the answer is left to the engine.
constexpr long kBudgetPerByte = 8;
constexpr long kBudgetFloor = 64;

// The node under any groups around it (which only capture, and a yes-or-no answer needs no capture).
const Node& Unwrapped(const Node& node)
{
    const Node* inner = &node;
    while (inner->kind == Kind::Group && inner->children.size() == 1)
        inner = &inner->children.front();
    return *inner;
}

// The bytes of a node that is a run of single bytes, one set a position; false for any other node.
bool AppendRun(const Node& node, std::vector<std::bitset<256>>& run)
{
    const Node& inner = Unwrapped(node);
    if (inner.kind == Kind::Characters)
    {
        run.push_back(inner.characters);
        return run.size() <= kLongestRun;
    }
    if (inner.kind != Kind::Sequence)
        return false;
    return std::all_of(inner.children.begin(), inner.children.end(),
                       [&run](const Node& child) { return AppendRun(child, run); });
}
} // namespace

nxRegexSequenceMatcher::nxRegexSequenceMatcher(const nxEcmaScriptRegexNode& root)
{
    if (!Add(root, true, true) || m_steps.empty() || m_steps.size() > kMostSteps)
    {
        m_steps.clear();
        return;
    }
    for (size_t step = 0; step < m_steps.size(); ++step)
        if (m_steps[step].kind == Step::Kind::Repeat)
            m_steps[step].longestOnly = (m_steps[step].bytes & FirstBytes(step + 1)).none();
    m_firstBytes = FirstBytes(0);
    m_active = true;
}

// `first` and `last`: whether nothing of the pattern can come before or after the node.
bool nxRegexSequenceMatcher::Add(const nxEcmaScriptRegexNode& node, bool first, bool last)
{
    if (m_atEnd)
        return false;
    switch (node.kind)
    {
    case Kind::Empty:
        return true;
    case Kind::Characters:
        m_steps.push_back({.kind = Step::Kind::Byte, .bytes = node.characters});
        return true;
    case Kind::Group:
        return node.children.size() == 1 && Add(node.children.front(), first, last);
    case Kind::Sequence:
        for (size_t child = 0; child < node.children.size(); ++child)
            if (!Add(node.children[child], first && m_steps.empty() && !m_atStart,
                     last && child + 1 == node.children.size()))
                return false;
        return true;
    case Kind::Alternatives:
        return AddRuns(node);
    case Kind::Repeat:
    {
        const Node& inner = node.children.size() == 1 ? Unwrapped(node.children.front()) : node;
        if (inner.kind != Kind::Characters || node.min < 0)
            return false;
        if (node.max < 0)
        {
            m_steps.push_back({.kind = Step::Kind::Repeat, .bytes = inner.characters, .min = node.min});
            return true;
        }
        if (node.max != node.min || node.min > kMostWrittenOut)
            return false;
        for (int count = 0; count < node.min; ++count)
            m_steps.push_back({.kind = Step::Kind::Byte, .bytes = inner.characters});
        return true;
    }
    case Kind::TextStart:
        if (!first || !m_steps.empty())
            return false;
        m_atStart = true;
        return true;
    case Kind::TextEnd:
        if (!last)
            return false;
        m_atEnd = true;
        return true;
    default:
        return false;
    }
}

bool nxRegexSequenceMatcher::AddRuns(const nxEcmaScriptRegexNode& alternatives)
{
    if (alternatives.children.empty() || alternatives.children.size() > kMostRuns)
        return false;
    Step step{.kind = Step::Kind::Runs};
    for (const Node& alternative : alternatives.children)
    {
        std::vector<Bytes>& run = step.runs.emplace_back();
        // An empty alternative would match nothing at all, which a run cannot say.
        if (!AppendRun(alternative, run) || run.empty())
            return false;
    }
    m_steps.push_back(std::move(step));
    return true;
}

nxRegexSequenceMatcher::Bytes nxRegexSequenceMatcher::FirstBytes(size_t step) const
{
    if (step == m_steps.size())
        return Bytes().set();
    const Step& at = m_steps[step];
    switch (at.kind)
    {
    case Step::Kind::Byte:
        return at.bytes;
    case Step::Kind::Runs:
    {
        Bytes bytes;
        for (const std::vector<Bytes>& run : at.runs)
            bytes |= run.front();
        return bytes;
    }
    case Step::Kind::Repeat:
        break;
    }
    return at.min > 0 ? at.bytes : at.bytes | FirstBytes(step + 1);
}

bool nxRegexSequenceMatcher::MatchesAt(std::string_view text, size_t step, size_t at, long& budget) const
{
    auto byteAt = [text](size_t place) { return static_cast<unsigned char>(text[place]); };
    for (; step < m_steps.size(); ++step)
    {
        const Step& current = m_steps[step];
        switch (current.kind)
        {
        case Step::Kind::Byte:
            if (--budget < 0 || at >= text.size() || !current.bytes[byteAt(at)])
                return false;
            ++at;
            break;
        case Step::Kind::Runs:
            for (const std::vector<Bytes>& run : current.runs)
            {
                budget -= static_cast<long>(run.size());
                if (budget < 0)
                    return false;
                if (at + run.size() > text.size())
                    continue;
                size_t position = 0;
                while (position < run.size() && run[position][byteAt(at + position)])
                    ++position;
                if (position == run.size() && MatchesAt(text, step + 1, at + run.size(), budget))
                    return true;
            }
            return false;
        case Step::Kind::Repeat:
        {
            size_t end = at;
            while (end < text.size() && current.bytes[byteAt(end)])
                ++end;
            budget -= static_cast<long>(end - at) + 1;
            if (budget < 0 || end - at < static_cast<size_t>(current.min))
                return false;
            if (current.longestOnly)
            {
                at = end;
                break;
            }
            // Greedy: the longest first, giving back a byte at a time.
            for (size_t to = end + 1; to-- > at + static_cast<size_t>(current.min);)
                if (MatchesAt(text, step + 1, to, budget))
                    return true;
                else if (budget < 0)
                    return false;
            return false;
        }
        }
    }
    return !m_atEnd || at == text.size();
}

nxRegexSequenceMatcher::Answer nxRegexSequenceMatcher::Test(std::string_view text) const
{
    if (!m_active)
        return Answer::AskTheEngine;
    long budget = kBudgetPerByte * static_cast<long>(text.size()) + kBudgetFloor;
    // A match found is one; a search cut short has no answer.
    auto answer = [&budget](bool matched) {
        return matched ? Answer::Match : budget < 0 ? Answer::AskTheEngine : Answer::NoMatch;
    };
    if (m_atStart)
        return answer(MatchesAt(text, 0, 0, budget));
    // A match starts at a byte the first steps may start with, or matches nothing at the text's end.
    // After a leading repeat that is only ever taken whole, and at least once, a
    // start later in the same stretch reaches the same end and fails the same way.
    const Step& lead = m_steps.front();
    const bool skipStretch = lead.kind == Step::Kind::Repeat && lead.longestOnly && lead.min > 0;
    for (size_t start = 0; start <= text.size(); ++start)
    {
        if (start < text.size() && !m_firstBytes[static_cast<unsigned char>(text[start])])
            continue;
        const bool matched = MatchesAt(text, 0, start, budget);
        if (matched || budget < 0)
            return answer(matched);
        if (skipStretch)
            while (start + 1 < text.size() && lead.bytes[static_cast<unsigned char>(text[start + 1])])
                ++start;
    }
    return Answer::NoMatch;
}
