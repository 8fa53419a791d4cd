#pragma once

#include <string>

#include "log/nxEcmaScriptRegexNode.h"

// Writes a pattern tree in the syntax of one engine, using only constructs whose
// meaning there is fixed: every character set as explicit byte values (no
// escapes like \s or ., no case-insensitivity flag), \A and \z for the text's
// ends, and groups that capture only where the pattern's own groups do.
class nxEcmaScriptRegexWriter
{
public:
    enum class Dialect
    {
        RE2,   // Latin-1 mode: a byte is a character; no back references or lookaheads
        Boost, // Perl syntax
    };

    static std::string Write(const nxEcmaScriptRegexNode& root, Dialect dialect);

private:
    explicit nxEcmaScriptRegexWriter(Dialect dialect) : m_dialect(dialect) {}

    void WriteNode(const nxEcmaScriptRegexNode& node);
    void WriteCharacters(const std::bitset<256>& characters);
    void WriteRange(unsigned first, unsigned last);
    void WriteByte(unsigned byte);
    void WriteRepeat(const nxEcmaScriptRegexNode& node);
    void WriteWordBoundary(const nxEcmaScriptRegexNode& node);
    void WriteInGroup(const nxEcmaScriptRegexNode& node, const char* open);

    Dialect m_dialect;
    std::string m_out;
};
