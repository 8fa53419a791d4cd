// GCC 12 reports a false -Wmaybe-uninitialized inside the standard library's regex
// in AddressSanitizer builds.
#if defined(__SANITIZE_ADDRESS__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include "log/nxEcmaScriptRegexParser.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
using Kind = nxEcmaScriptRegexNode::Kind;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    throw std::runtime_error("not a hexadecimal digit");
}

// Past the escape whose backslash is at the position, as the standard library's
// scanner reads it: \x takes two digits, \u four, \c one character, and a back
// reference all its digits (\0 is the NUL character).
size_t EscapeEnd(std::string_view pattern, size_t backslash)
{
    size_t position = backslash + 1;
    if (position >= pattern.size())
        return pattern.size();
    const char c = pattern[position++];
    size_t more = 0;
    if (c == 'c')
        more = 1;
    else if (c == 'x')
        more = 2;
    else if (c == 'u')
        more = 4;
    else if (c >= '1' && c <= '9')
        while (position < pattern.size() && IsDigit(pattern[position]))
            ++position;
    return std::min(position + more, pattern.size());
}

// Past the bracket expression that opens at the position: "]" closes it anywhere,
// even first, and escapes and [: :], [. .], [= =] are read whole.
size_t BracketEnd(std::string_view pattern, size_t open)
{
    size_t position = open + 1;
    if (position < pattern.size() && pattern[position] == '^')
        ++position;
    while (position < pattern.size())
    {
        const char c = pattern[position++];
        if (c == ']')
            return position;
        if (c == '\\')
            position = EscapeEnd(pattern, position - 1);
        else if (c == '[' && position < pattern.size() &&
                 (pattern[position] == ':' || pattern[position] == '.' || pattern[position] == '='))
        {
            const size_t close = pattern.find(pattern[position], position + 1);
            if (close == std::string_view::npos)
                return pattern.size();
            position = std::min(close + 2, pattern.size());
        }
    }
    return pattern.size();
}

// Where the group's open parenthesis at the position ends: "(", "(?:", "(?=" or "(?!".
size_t GroupOpenEnd(std::string_view pattern, size_t open)
{
    const std::string_view rest = pattern.substr(open);
    const bool special = rest.starts_with("(?:") || rest.starts_with("(?=") || rest.starts_with("(?!");
    return open + (special ? 3 : 1);
}
} // namespace

nxEcmaScriptRegexParser::nxEcmaScriptRegexParser(std::string_view pattern, bool caseInsensitive)
    : m_pattern(pattern), m_caseInsensitive(caseInsensitive),
      m_syntax(caseInsensitive ? std::regex::ECMAScript | std::regex::icase : std::regex::ECMAScript)
{
    // How the standard library compares characters: case-folded under icase (its
    // translate_nocase is this facet's tolower), as they are otherwise.
    const auto& ctype = std::use_facet<std::ctype<char>>(m_traits.getloc());
    for (unsigned byte = 0; byte < 256; ++byte)
    {
        const char c = static_cast<char>(byte);
        m_folded[byte] = caseInsensitive ? ctype.tolower(c) : c;
    }
}

size_t nxEcmaScriptRegexParser::CompilerRecursionCost(std::string_view pattern)
{
    // A group level costs the compiler about as much stack as five terms.
    constexpr size_t kGroupCost = 5;
    std::vector<size_t> terms{0};
    size_t cost = 0;
    size_t worst = 0;
    for (size_t position = 0; position < pattern.size();)
    {
        const char c = pattern[position];
        if (c == '(')
        {
            ++terms.back();
            cost += 1 + kGroupCost;
            terms.push_back(0);
            position = GroupOpenEnd(pattern, position);
        }
        else if (c == ')' && terms.size() > 1)
        {
            cost -= terms.back() + kGroupCost;
            terms.pop_back();
            ++position;
        }
        else if (c == '|')
        {
            cost -= terms.back();
            terms.back() = 0;
            ++position;
        }
        else
        {
            ++terms.back();
            ++cost;
            position = c == '\\'  ? EscapeEnd(pattern, position)
                       : c == '[' ? BracketEnd(pattern, position)
                                  : position + 1;
        }
        worst = std::max(worst, cost);
    }
    return worst;
}

nxEcmaScriptRegexNode nxEcmaScriptRegexParser::Parse()
{
    m_position = 0;
    m_groups = 0;
    m_needsBacktracking = false;
    Node root = ParseDisjunction();
    if (!AtEnd())
        throw std::runtime_error("unexpected ')' in the pattern");
    return root;
}

char nxEcmaScriptRegexParser::Peek(size_t ahead) const
{
    return m_position + ahead < m_pattern.size() ? m_pattern[m_position + ahead] : '\0';
}

char nxEcmaScriptRegexParser::Next()
{
    if (AtEnd())
        throw std::runtime_error("the pattern ends too early");
    return m_pattern[m_position++];
}

void nxEcmaScriptRegexParser::Expect(char c)
{
    if (Next() != c)
        throw std::runtime_error(std::string("expected '") + c + "' in the pattern");
}

nxEcmaScriptRegexNode nxEcmaScriptRegexParser::ParseDisjunction()
{
    Node first = ParseAlternative();
    if (AtEnd() || Peek() != '|')
        return first;
    Node alternatives{.kind = Kind::Alternatives};
    alternatives.children.push_back(std::move(first));
    while (!AtEnd() && Peek() == '|')
    {
        ++m_position;
        alternatives.children.push_back(ParseAlternative());
    }
    return alternatives;
}

nxEcmaScriptRegexNode nxEcmaScriptRegexParser::ParseAlternative()
{
    Node sequence{.kind = Kind::Sequence};
    while (!AtEnd() && Peek() != '|' && Peek() != ')')
        sequence.children.push_back(ParseTerm());
    if (sequence.children.size() == 1)
        return std::move(sequence.children.front());
    if (sequence.children.empty())
        return Node{};
    return sequence;
}

nxEcmaScriptRegexNode nxEcmaScriptRegexParser::ParseTerm()
{
    Node assertion;
    if (TryAssertion(assertion))
        return assertion;
    Node atom = ParseAtom();
    while (TryQuantifier(atom))
    {
    }
    return atom;
}

// Assertions take no quantifier; the standard library counts lookaheads among them.
bool nxEcmaScriptRegexParser::TryAssertion(Node& assertion)
{
    const char c = Peek();
    if (c == '^' || c == '$')
    {
        ++m_position;
        assertion.kind = c == '^' ? Kind::TextStart : Kind::TextEnd;
        return true;
    }
    if (c == '\\' && (Peek(1) == 'b' || Peek(1) == 'B'))
    {
        assertion = ClassEscape('w');
        assertion.kind = Peek(1) == 'b' ? Kind::WordBoundary : Kind::NotWordBoundary;
        m_position += 2;
        return true;
    }
    if (c == '(' && Peek(1) == '?' && (Peek(2) == '=' || Peek(2) == '!'))
    {
        assertion.kind = Peek(2) == '=' ? Kind::Lookahead : Kind::NegativeLookahead;
        m_position += 3;
        assertion.children.push_back(ParseDisjunction());
        Expect(')');
        m_needsBacktracking = true;
        return true;
    }
    return false;
}

nxEcmaScriptRegexNode nxEcmaScriptRegexParser::ParseAtom()
{
    switch (Peek())
    {
    case '.':
        ++m_position;
        return AnyButLineTerminator();
    case '(':
        return ParseGroup();
    case '[':
        return ParseBracket();
    case '\\':
        return ParseEscape();
    case '*':
    case '+':
    case '?':
    case '{':
    case ')':
    case '|':
        throw std::runtime_error("a quantifier or parenthesis where an atom belongs");
    default:
        return Literal(static_cast<unsigned char>(Next()));
    }
}

nxEcmaScriptRegexNode nxEcmaScriptRegexParser::ParseGroup()
{
    Node group{.kind = Kind::Group};
    if (Peek(1) == '?' && Peek(2) == ':')
        m_position += 3;
    else
    {
        ++m_position;
        group.number = ++m_groups;
    }
    group.children.push_back(ParseDisjunction());
    Expect(')');
    return group;
}

nxEcmaScriptRegexNode nxEcmaScriptRegexParser::ParseEscape()
{
    Expect('\\');
    const char c = Next();
    switch (c)
    {
    case '0':
        return Literal('\0');
    case 'f':
        return Literal('\f');
    case 'n':
        return Literal('\n');
    case 'r':
        return Literal('\r');
    case 't':
        return Literal('\t');
    case 'v':
        return Literal('\v');
    case 'd':
    case 'D':
    case 's':
    case 'S':
    case 'w':
    case 'W':
        return ClassEscape(c);
    case 'c':
    {
        // The control character of a letter, as the grammar defines it; the
        // standard library reads the letter itself.
        const char letter = Next();
        const bool isLetter = (letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z');
        return Literal(static_cast<unsigned char>(isLetter ? letter % 32 : letter));
    }
    case 'x':
    case 'u':
    {
        unsigned value = 0;
        for (int digit = 0; digit < (c == 'x' ? 2 : 4); ++digit)
            value = value * 16 + static_cast<unsigned>(HexValue(Next()));
        // A code unit above 0xFF is in no 8-bit text; the standard library keeps its low byte.
        return value <= 0xFF ? Literal(static_cast<unsigned char>(value)) : Node{.kind = Kind::Characters};
    }
    default:
        break;
    }
    if (c >= '1' && c <= '9')
    {
        int number = c - '0';
        while (!AtEnd() && IsDigit(Peek()))
            number = std::min(number * 10 + (Next() - '0'), 1000000);
        m_needsBacktracking = true;
        return Node{.kind = Kind::BackReference, .number = number};
    }
    return Literal(static_cast<unsigned char>(c));
}

// The standard library decides what the expression holds, from classes and
// collating names to ranges under case-insensitivity: it is asked for each byte.
nxEcmaScriptRegexNode nxEcmaScriptRegexParser::ParseBracket()
{
    const size_t end = BracketEnd(m_pattern, m_position);
    const std::regex bracket(m_pattern.begin() + static_cast<ptrdiff_t>(m_position),
                             m_pattern.begin() + static_cast<ptrdiff_t>(end), m_syntax);
    m_position = end;
    Node characters{.kind = Kind::Characters};
    for (unsigned byte = 0; byte < 256; ++byte)
    {
        const char c = static_cast<char>(byte);
        characters.characters[byte] = std::regex_match(&c, &c + 1, bracket);
    }
    return characters;
}

bool nxEcmaScriptRegexParser::TryQuantifier(Node& atom)
{
    Node repeat{.kind = Kind::Repeat};
    switch (Peek())
    {
    case '*':
        repeat.min = 0, repeat.max = -1;
        break;
    case '+':
        repeat.min = 1, repeat.max = -1;
        break;
    case '?':
        repeat.min = 0, repeat.max = 1;
        break;
    case '{':
        ++m_position;
        repeat.min = ParseCount();
        repeat.max = repeat.min;
        if (Peek() == ',')
        {
            ++m_position;
            repeat.max = Peek() == '}' ? -1 : ParseCount();
        }
        if (Peek() != '}')
            throw std::runtime_error("expected '}' in the pattern");
        break;
    default:
        return false;
    }
    ++m_position;
    if (!AtEnd() && Peek() == '?')
    {
        ++m_position;
        repeat.greedy = false;
    }
    repeat.children.push_back(std::move(atom));
    atom = std::move(repeat);
    return true;
}

int nxEcmaScriptRegexParser::ParseCount()
{
    if (!IsDigit(Peek()))
        throw std::runtime_error("expected a repeat count in the pattern");
    int count = 0;
    while (IsDigit(Peek()))
        count = std::min(count * 10 + (Next() - '0'), 1000000);
    return count;
}

nxEcmaScriptRegexNode nxEcmaScriptRegexParser::Literal(unsigned char c) const
{
    Node literal{.kind = Kind::Characters};
    for (unsigned byte = 0; byte < 256; ++byte)
        literal.characters[byte] = m_folded[byte] == m_folded[c];
    return literal;
}

nxEcmaScriptRegexNode nxEcmaScriptRegexParser::ClassEscape(char letter) const
{
    const char name = static_cast<char>(letter | 0x20);
    const auto mask = m_traits.lookup_classname(&name, &name + 1, m_caseInsensitive);
    const bool negated = letter != name;
    Node characters{.kind = Kind::Characters};
    for (unsigned byte = 0; byte < 256; ++byte)
        characters.characters[byte] = m_traits.isctype(static_cast<char>(byte), mask) != negated;
    return characters;
}

// The grammar's line terminators within 8-bit text are the line feed and the carriage return.
nxEcmaScriptRegexNode nxEcmaScriptRegexParser::AnyButLineTerminator() const
{
    Node characters{.kind = Kind::Characters};
    for (unsigned byte = 0; byte < 256; ++byte)
        characters.characters[byte] = m_folded[byte] != m_folded['\n'] && m_folded[byte] != m_folded['\r'];
    return characters;
}
