#pragma once

#include <cstdint>

// How the grid shows and edits a strategy parameter held as text.
struct nxQuantumParameterFormatSettings
{
    uint32_t parameterType = 0;
    bool readOnly = false;

    bool operator==(const nxQuantumParameterFormatSettings&) const = default;
};
