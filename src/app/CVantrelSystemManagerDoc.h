#pragma once

#include "platform/grid/window/nxGridDocument.h"

// The document of an application grid window; what it holds is the grid's.
class CVantrelSystemManagerDoc : public nxGridDocument
{
public:
    CVantrelSystemManagerDoc() = default;

    bool OnNewDocument() override;
};
