#pragma once

#include "app/CVantrelSystemManagerDoc.h"

// The document of the client applications window.
class CVantrelClientManagerDoc : public CVantrelSystemManagerDoc
{
public:
    CVantrelClientManagerDoc() = default;
};
