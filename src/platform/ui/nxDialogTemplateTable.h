#pragma once

#include "platform/ui/nxDialogTemplate.h"

// Dialog templates by resource id, for dialogs and pages that are made from an id.
class nxDialogTemplateTable
{
public:
    // Registers (or replaces) the template under its id.
    static void Register(const nxDialogTemplate& dialogTemplate);
    // An empty template with that id when none is registered.
    static nxDialogTemplate Get(unsigned id);
    static bool Has(unsigned id);
};
