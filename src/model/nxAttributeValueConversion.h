#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>
#include <utility>

#include "platform/base/nxValueWrapper.h"

// Moves numbers between the value wrappers: null stays null, no-change stays
// no-change, and a number the target cannot hold becomes null.
class nxAttributeValueConversion
{
public:
    template <class To, class From> static To Convert(const From& from)
    {
        if (from.IsNull())
            return To(To::NullValue);
        if (from.IsNoChange())
            return To(To::NoChangeValue);
        return FromNumber<To>(from.GetValue());
    }

    template <class To, class N> static To FromNumber(N number)
    {
        using T = typename To::ValueType;
        if constexpr (std::is_floating_point_v<T>)
            return To(static_cast<T>(number));
        else if constexpr (std::is_floating_point_v<N>)
        {
            const double limit = std::ldexp(1.0, std::numeric_limits<T>::digits);
            const double lowest = std::is_signed_v<T> ? -limit : 0.0;
            if (!(number > lowest - 1.0 && number < limit))
                return To(To::NullValue);
            return To(static_cast<T>(number));
        }
        else
        {
            if (!std::in_range<T>(number))
                return To(To::NullValue);
            return To(static_cast<T>(number));
        }
    }

    // Reads like atoi/_atoi64: leading blanks, a sign and digits up to the first
    // other character; no digits give 0. Overflow saturates.
    static int64_t ParseLeadingInteger(std::string_view text);
    // Reads like atof, always with '.' as the point; no number gives 0.
    static double ParseLeadingDouble(std::string_view text);
};
