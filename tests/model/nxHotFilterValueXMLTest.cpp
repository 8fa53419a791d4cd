#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "model/nxDateTimeAttributeValue.h"
#include "model/nxDecimalAttributeValue.h"
#include "model/nxDoubleAttributeValue.h"
#include "model/nxInt32AttributeValue.h"
#include "model/nxStringAttributeValue.h"
#include "model/nxUInt64AttributeValue.h"
#include "platform/xml/nxXMLElement.h"

namespace
{
class HotFilterValueXMLTest : public ::testing::Test
{
protected:
    nxXMLElement Element() { return nxXMLElement(m_document.append_child("FilterValue")); }

    template <class V> V RoundTrip(const V& value)
    {
        nxXMLElement element = Element();
        EXPECT_TRUE(value.SaveHotFilterValueToXML(element));
        V read;
        EXPECT_TRUE(read.LoadHotFilterValueFromXML(element)) << element.GetValue();
        return read;
    }

    template <class V> bool Load(V& value, const char* text)
    {
        nxXMLElement element = Element();
        element.SetValue(text);
        return value.LoadHotFilterValueFromXML(element);
    }

    pugi::xml_document m_document;
};
} // namespace

TEST_F(HotFilterValueXMLTest, ValuesReadBackExactly)
{
    EXPECT_EQ(RoundTrip(nxStringAttributeValue("a <b> & c")).GetValue(), "a <b> & c");
    EXPECT_EQ(RoundTrip(nxInt32AttributeValue(-12)).GetValue(), -12);
    EXPECT_EQ(RoundTrip(nxUInt64AttributeValue(18446744073709551613ull)).GetValue(), 18446744073709551613ull);
    EXPECT_EQ(RoundTrip(nxDoubleAttributeValue(0.1)).GetValue(), 0.1);
    EXPECT_EQ(RoundTrip(nxDecimalAttributeValue(nxDecimal(-250, 3))).GetValue(), nxDecimal(-250, 3));
    const nxDateTime when(2024, 2, 29, 23, 59, 58, 123456);
    EXPECT_EQ(RoundTrip(nxDateTimeAttributeValue(when)).GetValue(), when);
    EXPECT_TRUE(RoundTrip(nxInt32AttributeValue()).IsNull());
    EXPECT_TRUE(RoundTrip(nxDateTimeAttributeValue()).IsNull());
}

TEST_F(HotFilterValueXMLTest, UnreadableTextGivesNull)
{
    nxInt32AttributeValue number(5);
    EXPECT_FALSE(Load(number, "12abc"));
    EXPECT_TRUE(number.IsNull());
    nxDecimalAttributeValue decimal(nxDecimal(1, 0));
    EXPECT_FALSE(Load(decimal, "1.2.3"));
    EXPECT_TRUE(decimal.IsNull());
    nxDoubleAttributeValue real(2.0);
    EXPECT_FALSE(Load(real, "nan"));
    EXPECT_TRUE(real.IsNull());
    nxDateTimeAttributeValue dateTime(nxDateTime(2020, 1, 1));
    EXPECT_FALSE(Load(dateTime, "yesterday"));
    EXPECT_TRUE(dateTime.IsNull());

    nxXMLElement invalid;
    EXPECT_FALSE(nxInt32AttributeValue(3).SaveHotFilterValueToXML(invalid));
    EXPECT_TRUE(number.LoadHotFilterValueFromXML(invalid)) << "no text reads as null";
    EXPECT_TRUE(number.IsNull());
}
