#include "model/nxAttributeValue.h"

nxDecimal nxAttributeValue::GetAsDecimal() const
{
    const nxDoubleValueWrapper value = GetAsDoubleValue();
    if (!value.HasValue())
        return nxDecimal();
    return nxDecimal::FromDouble(value.GetValue(), 4);
}
