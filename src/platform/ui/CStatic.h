#pragma once

#include "platform/ui/CWnd.h"

// A static text or swatch. A dialog colours a swatch from its OnCtlColor answer.
class CStatic : public CWnd
{
};
