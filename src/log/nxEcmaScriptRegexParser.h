#pragma once

#include <array>
#include <cstddef>
#include <regex>
#include <string_view>

#include "log/nxEcmaScriptRegexNode.h"

// Reads a pattern of the ECMAScript grammar, as the standard library's compiler
// reads it, into a tree whose every construct means exactly what it means there.
// The pattern must already have compiled with the standard library (with the
// same case flag): the parser does not judge validity, and throws
// std::runtime_error on anything it does not know.
class nxEcmaScriptRegexParser
{
public:
    nxEcmaScriptRegexParser(std::string_view pattern, bool caseInsensitive);

    nxEcmaScriptRegexNode Parse();
    // Back references or lookaheads were read: only a backtracking engine answers them.
    bool NeedsBacktracking() const { return m_needsBacktracking; }

    // An estimate of how deep the standard library's compiler recurses for the
    // pattern, which it does for every group level and for every term of a
    // sequence; safe for any text.
    static size_t CompilerRecursionCost(std::string_view pattern);
    // Beyond this the compiler could run out of stack on a thread of the program.
    static constexpr size_t MaxCompilerRecursionCost = 2000;

private:
    using Node = nxEcmaScriptRegexNode;

    Node ParseDisjunction();
    Node ParseAlternative();
    Node ParseTerm();
    bool TryAssertion(Node& assertion);
    Node ParseAtom();
    Node ParseGroup();
    Node ParseEscape();
    Node ParseBracket();
    bool TryQuantifier(Node& atom);
    int ParseCount();

    Node Literal(unsigned char c) const;
    Node ClassEscape(char letter) const;
    Node AnyButLineTerminator() const;

    bool AtEnd() const { return m_position >= m_pattern.size(); }
    char Peek(size_t ahead = 0) const;
    char Next();
    void Expect(char c);

    std::string_view m_pattern;
    size_t m_position = 0;
    bool m_caseInsensitive;
    std::regex_constants::syntax_option_type m_syntax;
    std::regex_traits<char> m_traits;
    std::array<char, 256> m_folded{};
    int m_groups = 0;
    bool m_needsBacktracking = false;
};
