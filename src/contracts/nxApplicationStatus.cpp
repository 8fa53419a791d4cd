#include "contracts/nxApplicationStatus.h"

nxApplicationStatus::~nxApplicationStatus() = default;

nxApplicationStatus* nxApplicationStatus::CopyInstance() const
{
    return new nxApplicationStatus(*this);
}
