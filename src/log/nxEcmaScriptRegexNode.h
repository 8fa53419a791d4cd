#pragma once

#include <bitset>
#include <vector>

// One piece of a pattern of the ECMAScript grammar, read into a tree. Every
// construct that matches one character is reduced to the set of bytes it
// matches, case-insensitivity included, so that no engine reads it its own way.
struct nxEcmaScriptRegexNode
{
    enum class Kind
    {
        Empty,
        Characters,      // one byte of the set
        Sequence,        // the children one after the other
        Alternatives,    // one of the children, tried in order
        Group,           // a child in parentheses, capturing when number > 0
        Repeat,          // the child from min to max times (max < 0: no limit)
        TextStart,       // ^: the standard grammar without multiline has no line starts
        TextEnd,         // $
        WordBoundary,    // between a character of the set and one not of it (or an end)
        NotWordBoundary, // elsewhere
        Lookahead,
        NegativeLookahead,
        BackReference, // to group number
    };

    Kind kind = Kind::Empty;
    std::bitset<256> characters{};
    std::vector<nxEcmaScriptRegexNode> children{};
    int number = 0;
    int min = 0;
    int max = -1;
    bool greedy = true;
};
