#pragma once

#include "platform/grid/window/nxGridDocument.h"

// The document of a log window; what it holds is the grid's and its filter's.
class CVantrelLogDoc : public nxGridDocument
{
public:
    CVantrelLogDoc() = default;
};
