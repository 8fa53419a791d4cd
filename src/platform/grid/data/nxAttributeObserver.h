#pragma once

#include "platform/grid/data/nxGridDataTypes.h"

class nxObservedAttribute;

// Told of every change of an attribute it is attached to. Called with the
// attribute locked, so an observer only records what changed and returns.
class nxAttributeObserver
{
public:
    virtual ~nxAttributeObserver() = default;
    virtual void OnAttributeChanged(const nxObservedAttribute& attribute, nxAttributeChangeBitMask changes,
                                    bool extended) = 0;
};
