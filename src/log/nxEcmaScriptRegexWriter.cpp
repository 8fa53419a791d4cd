#include "log/nxEcmaScriptRegexWriter.h"

#include <stdexcept>

namespace
{
using Node = nxEcmaScriptRegexNode;
using Kind = nxEcmaScriptRegexNode::Kind;

std::bitset<256> AsciiWordCharacters()
{
    std::bitset<256> word;
    for (unsigned byte = 0; byte < 128; ++byte)
        word[byte] = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
                     (byte >= 'a' && byte <= 'z') || byte == '_';
    return word;
}

bool IsAtom(const Node& node)
{
    return node.kind == Kind::Characters || node.kind == Kind::Group || node.kind == Kind::BackReference;
}
} // namespace

std::string nxEcmaScriptRegexWriter::Write(const nxEcmaScriptRegexNode& root, Dialect dialect)
{
    nxEcmaScriptRegexWriter writer(dialect);
    writer.WriteNode(root);
    return std::move(writer.m_out);
}

void nxEcmaScriptRegexWriter::WriteNode(const nxEcmaScriptRegexNode& node)
{
    switch (node.kind)
    {
    case Kind::Empty:
        // Written out: the backtracking engine refuses a lookahead with nothing in it.
        m_out += "(?:)";
        break;
    case Kind::Characters:
        WriteCharacters(node.characters);
        break;
    case Kind::Sequence:
        for (const Node& child : node.children)
            child.kind == Kind::Alternatives ? WriteInGroup(child, "(?:") : WriteNode(child);
        break;
    case Kind::Alternatives:
        for (size_t index = 0; index < node.children.size(); ++index)
        {
            if (index > 0)
                m_out += '|';
            WriteNode(node.children[index]);
        }
        break;
    case Kind::Group:
        WriteInGroup(node.children.front(), node.number > 0 && m_dialect == Dialect::Boost ? "(" : "(?:");
        break;
    case Kind::Repeat:
        WriteRepeat(node);
        break;
    case Kind::TextStart:
        m_out += "\\A";
        break;
    case Kind::TextEnd:
        m_out += "\\z";
        break;
    case Kind::WordBoundary:
    case Kind::NotWordBoundary:
        WriteWordBoundary(node);
        break;
    case Kind::Lookahead:
    case Kind::NegativeLookahead:
        if (m_dialect == Dialect::RE2)
            throw std::runtime_error("the automaton engine has no lookahead");
        WriteInGroup(node.children.front(), node.kind == Kind::Lookahead ? "(?=" : "(?!");
        break;
    case Kind::BackReference:
        if (m_dialect == Dialect::RE2)
            throw std::runtime_error("the automaton engine has no back reference");
        m_out += "\\g{" + std::to_string(node.number) + "}";
        break;
    }
}

// The automaton's \b knows the ASCII word characters only; the backtracking
// engine's \B fails at either end of the text, where the grammar's holds unless
// a word character is next to it. So it gets lookarounds over the explicit set.
void nxEcmaScriptRegexWriter::WriteWordBoundary(const nxEcmaScriptRegexNode& node)
{
    const bool boundary = node.kind == Kind::WordBoundary;
    if (m_dialect == Dialect::RE2)
    {
        if (node.characters != AsciiWordCharacters())
            throw std::runtime_error("the automaton engine knows only the ASCII word characters");
        m_out += boundary ? "\\b" : "\\B";
        return;
    }
    const auto lookaround = [this, &node](const char* open)
    {
        m_out += open;
        WriteCharacters(node.characters);
        m_out += ')';
    };
    m_out += "(?:";
    lookaround("(?<=");
    lookaround(boundary ? "(?!" : "(?=");
    m_out += '|';
    lookaround("(?<!");
    lookaround(boundary ? "(?=" : "(?!");
    m_out += ')';
}

void nxEcmaScriptRegexWriter::WriteInGroup(const nxEcmaScriptRegexNode& node, const char* open)
{
    m_out += open;
    WriteNode(node);
    m_out += ')';
}

void nxEcmaScriptRegexWriter::WriteRepeat(const nxEcmaScriptRegexNode& node)
{
    const Node& child = node.children.front();
    if (IsAtom(child))
        WriteNode(child);
    else
        WriteInGroup(child, "(?:");
    if (node.min == 0 && node.max < 0)
        m_out += '*';
    else if (node.min == 1 && node.max < 0)
        m_out += '+';
    else if (node.min == 0 && node.max == 1)
        m_out += '?';
    else
    {
        m_out += '{' + std::to_string(node.min);
        if (node.max != node.min)
            m_out += ',' + (node.max < 0 ? std::string() : std::to_string(node.max));
        m_out += '}';
    }
    if (!node.greedy)
        m_out += '?';
}

// One byte, or a class of byte ranges, negated when that lists fewer bytes.
void nxEcmaScriptRegexWriter::WriteCharacters(const std::bitset<256>& characters)
{
    if (characters.count() == 1)
    {
        for (unsigned byte = 0; byte < 256; ++byte)
            if (characters[byte])
                WriteByte(byte);
        return;
    }
    if (characters.none() || characters.all())
    {
        m_out += characters.none() ? "[^" : "[";
        WriteRange(0, 255);
        m_out += ']';
        return;
    }
    const bool negate = characters.count() > 128;
    const std::bitset<256> listed = negate ? ~characters : characters;
    m_out += negate ? "[^" : "[";
    for (unsigned first = 0; first < 256; ++first)
    {
        if (!listed[first])
            continue;
        unsigned last = first;
        while (last + 1 < 256 && listed[last + 1])
            ++last;
        WriteRange(first, last);
        first = last;
    }
    m_out += ']';
}

void nxEcmaScriptRegexWriter::WriteRange(unsigned first, unsigned last)
{
    WriteByte(first);
    if (last > first + 1)
        m_out += '-';
    if (last > first)
        WriteByte(last);
}

void nxEcmaScriptRegexWriter::WriteByte(unsigned byte)
{
    static const char kDigits[] = "0123456789abcdef";
    const std::string hex{kDigits[byte >> 4], kDigits[byte & 15]};
    m_out += m_dialect == Dialect::RE2 ? "\\x{" + hex + "}" : "\\x" + hex;
}
