#pragma once

#include <cstdint>

// How the grid shows a volume.
struct nxVolumeFormatParameters
{
    uint32_t volumeFormat = 0;

    bool operator==(const nxVolumeFormatParameters&) const = default;
};
