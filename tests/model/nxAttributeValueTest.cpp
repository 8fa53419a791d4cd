#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "model/nxDateTimeAttributeValue.h"
#include "model/nxDateTimeAttributeValue_DateOnlyFormat.h"
#include "model/nxDateTimeAttributeValue_TimeOnlyFormat.h"
#include "model/nxDecimalWithPriceFormatAttributeValue.h"
#include "model/nxDoubleAttributeValue.h"
#include "model/nxEnumAttributeValue.h"
#include "model/nxInt32AttributeValue.h"
#include "model/nxInt64WithVolumeFormatAttributeValue.h"
#include "model/nxNanosecondTimeAndSequenceNumberAttributeValue.h"
#include "model/nxStringWithQuantumParameterFormatAttributeValue.h"
#include "model/nxUInt32WithVolumeFormatAttributeValue.h"
#include "model/nxUInt64AttributeValue.h"
#include "platform/base/nxApplicationStatusEnum.h"

namespace
{
// Each class: a made-up value is null, the no-change encoding is recognised, and
// neither special value has a text.
template <class V> void ExpectSpecialStates(V noChange)
{
    V created;
    EXPECT_TRUE(created.IsNull());
    EXPECT_FALSE(created.IsNoChange());
    EXPECT_EQ(created.GetAsString(), "");
    std::unique_ptr<nxAttributeValue> fresh(noChange.CreateInstance());
    EXPECT_TRUE(fresh->IsNull()) << noChange.GetClassName();
    EXPECT_TRUE(noChange.IsNoChange()) << noChange.GetClassName();
    EXPECT_FALSE(noChange.IsNull()) << noChange.GetClassName();
    EXPECT_EQ(noChange.GetAsString(), "") << noChange.GetClassName();
    noChange.SetNull();
    EXPECT_TRUE(noChange.IsNull()) << noChange.GetClassName();
}
} // namespace

TEST(nxAttributeValue, NullAndNoChangeEncodings)
{
    ExpectSpecialStates(nxInt32AttributeValue(0x7FFFFFFE));
    ExpectSpecialStates(nxUInt32AttributeValue(0xFFFFFFFEu));
    ExpectSpecialStates(nxInt64AttributeValue(0x7FFFFFFFFFFFFFFE));
    ExpectSpecialStates(nxUInt64AttributeValue(0xFFFFFFFFFFFFFFFEull));
    ExpectSpecialStates(nxDoubleAttributeValue(4503599627370494.0));
    nxDecimalAttributeValue decimal(nxDecimal(5, 0));
    decimal.SetNoChange();
    EXPECT_EQ(decimal.GetValueStatus().GetValue(), 243u);
    ExpectSpecialStates(decimal);
    nxDateTimeAttributeValue dateTime(nxDateTime(2024, 3, 1));
    dateTime.SetNoChange();
    ExpectSpecialStates(dateTime);
    nxEnumAttributeValue<nxApplicationStatusEnum> status;
    status.SetNoChange();
    ExpectSpecialStates(status);
    ExpectSpecialStates(nxNanosecondTimeAndSequenceNumberAttributeValue(0xFFFFFFFFFFFFFFFEull, 0xFFFFFFFEu));

    EXPECT_TRUE(nxInt32AttributeValue(0x7FFFFFFF).IsNull());
    EXPECT_TRUE(nxUInt32AttributeValue(nxUInt32ValueWrapper()).IsNull());
    EXPECT_TRUE(nxDoubleAttributeValue(std::nan("")).IsNull()) << "a NaN reading is kept as null";
    EXPECT_FALSE(nxDoubleAttributeValue(0.0).IsNull());
    EXPECT_TRUE(nxStringAttributeValue("").IsNull());
    EXPECT_TRUE(nxStringAttributeValue(static_cast<const char*>(nullptr)).IsNull());
    EXPECT_FALSE(nxStringAttributeValue("x").IsNoChange());
    EXPECT_FALSE(nxNanosecondTimeAndSequenceNumberAttributeValue(0xFFFFFFFFFFFFFFFFull, 0).IsNull());
}

TEST(nxAttributeValue, Texts)
{
    EXPECT_EQ(nxInt32AttributeValue(-42).GetAsString(), "-42");
    EXPECT_EQ(nxUInt32AttributeValue(0xFFFFFFFDu).GetAsString(), "4294967293");
    EXPECT_EQ(nxDoubleAttributeValue(1.25).GetAsString(), "1.25");
    EXPECT_EQ(nxDecimalWithPriceFormatAttributeValue(nxDecimal(-1205, 2)).GetAsString(), "-12.05");
    const nxDateTime when(2024, 3, 1, 14, 5, 9);
    EXPECT_EQ(nxDateTimeAttributeValue(when).GetAsString(), when.GetAsString());
    EXPECT_EQ(nxDateTimeAttributeValue_DateOnlyFormat(when).GetAsString(), "01 Mar 2024");
    EXPECT_EQ(nxDateTimeAttributeValue_TimeOnlyFormat(when).GetAsString(), "14:05:09");
    const nxApplicationStatusEnum running(nxAppStatus::Running);
    EXPECT_EQ(nxEnumAttributeValue<nxApplicationStatusEnum>(running).GetAsString(),
              running.GetLongDescription());
    EXPECT_EQ(nxNanosecondTimeAndSequenceNumberAttributeValue(17, 3).GetAsString(), "17:3");
}

TEST(nxAttributeValue, StringConversionsAreLenientAndEmptyIsZero)
{
    const nxStringAttributeValue empty;
    EXPECT_EQ(empty.GetAsInteger32().GetValue(), 0);
    EXPECT_EQ(empty.GetAsDoubleValue().GetValue(), 0.0);
    EXPECT_EQ(empty.GetAsDecimal(), nxDecimal(0, 0));
    EXPECT_EQ(nxStringAttributeValue("  -17abc").GetAsInteger32().GetValue(), -17);
    EXPECT_EQ(nxStringAttributeValue("99999999999").GetAsInteger32().GetValue(), INT32_MAX);
    EXPECT_EQ(nxStringAttributeValue("-1").GetAsUInteger32().GetValue(), 0xFFFFFFFFu);
    EXPECT_EQ(nxStringAttributeValue("9223372036854775808").GetAsInteger64().GetValue(), INT64_MAX);
    EXPECT_EQ(nxStringAttributeValue("-9223372036854775808").GetAsInteger64().GetValue(), INT64_MIN);
    EXPECT_EQ(nxStringAttributeValue("2.5e1x").GetAsDoubleValue().GetValue(), 25.0);
    EXPECT_EQ(nxStringAttributeValue("+-2").GetAsDoubleValue().GetValue(), 0.0);
    EXPECT_EQ(nxStringAttributeValue("abc").GetAsDoubleValue().GetValue(), 0.0);
    EXPECT_EQ(nxStringAttributeValue("3.14").GetAsDecimal(), nxDecimal(314, 2));
}

TEST(nxAttributeValue, NumericConversionsKeepSpecialStatesAndRefuseWhatDoesNotFit)
{
    EXPECT_TRUE(nxUInt32AttributeValue().GetAsInteger64().IsNull());
    EXPECT_TRUE(nxInt32AttributeValue(0x7FFFFFFE).GetAsUInteger32().IsNoChange());
    EXPECT_TRUE(nxInt32AttributeValue(-1).GetAsUInteger32().IsNull());
    EXPECT_TRUE(nxInt64AttributeValue(int64_t{1} << 40).GetAsInteger32().IsNull());
    EXPECT_TRUE(nxDoubleAttributeValue(1e30).GetAsInteger64().IsNull());
    EXPECT_EQ(nxDoubleAttributeValue(-7.9).GetAsInteger32().GetValue(), -7);
    EXPECT_EQ(nxUInt64AttributeValue(12).GetAsDoubleValue().GetValue(), 12.0);
    EXPECT_EQ(nxDoubleAttributeValue(2.71828).GetAsDecimal(), nxDecimal(27183, 4));
    EXPECT_TRUE(nxDoubleAttributeValue().GetAsDecimal().IsNull());
    EXPECT_TRUE(nxEnumAttributeValue<nxApplicationStatusEnum>().GetAsInteger64().IsNull());
    EXPECT_EQ(nxEnumAttributeValue<nxApplicationStatusEnum>(8002u).GetAsInteger32().GetValue(), 8002);
    EXPECT_TRUE(nxInt32AttributeValue(5).GetAsDateTime().IsNull());

    nxUInt32AttributeValue fromText;
    fromText.SetValue(nxStringAttributeValue("42"));
    EXPECT_EQ(fromText.GetValue(), 42u);
    nxEnumAttributeValue<nxApplicationStatusEnum> fromNumber;
    fromNumber.SetValue(nxUInt32AttributeValue(8003));
    EXPECT_EQ(fromNumber.GetValue().GetValue(), 8003u);
    nxStringAttributeValue fromDouble;
    fromDouble.SetValue(nxDoubleAttributeValue(0.5));
    EXPECT_EQ(fromDouble.GetValue(), "0.5");
    nxDateTimeAttributeValue fromDateTime;
    fromDateTime.SetValue(nxDateTimeAttributeValue_TimeOnlyFormat(nxDateTime(2020, 1, 2)));
    EXPECT_EQ(fromDateTime.GetValue(), nxDateTime(2020, 1, 2));
}

TEST(nxAttributeValue, StringOrderingWithAndWithoutCase)
{
    const nxStringAttributeValue lower("abc");
    const nxStringAttributeValue upper("ABC");
    EXPECT_NE(lower, upper);
    EXPECT_TRUE(upper < lower) << "byte-wise without the flag";
    EXPECT_TRUE(lower.IsEqual(upper, true));
    EXPECT_TRUE(lower.IsLess(upper, true)) << "lower case first on a case-only difference";
    EXPECT_TRUE(upper.IsGreater(lower, true));
    EXPECT_TRUE(nxStringAttributeValue("abd").IsGreater(upper, true)) << "the letters decide before the case";
    EXPECT_FALSE(lower.IsLess(nxStringAttributeValue("abc"), true));
    EXPECT_TRUE(nxStringAttributeValue("ab") < lower) << "a prefix first";
    EXPECT_EQ(nxStringAttributeValue::_CaseInsensitiveCompare_RetainDifferentCaseEqualValues("aBc", "abc"),
              1);
    EXPECT_EQ(nxStringAttributeValue::_CaseInsensitiveCompare_RetainDifferentCaseEqualValues("", ""), 0);
    // Against another kind, its text is compared.
    EXPECT_TRUE(nxStringAttributeValue("12") == nxInt32AttributeValue(12));
    EXPECT_TRUE(nxStringAttributeValue("9") > nxInt32AttributeValue(12));

    const nxStringAttributeValue text("Heartbeat Late");
    EXPECT_TRUE(text.Contains(nxStringAttributeValue("beat")));
    EXPECT_FALSE(text.Contains(nxStringAttributeValue("late")));
    EXPECT_TRUE(text.Contains_IgnoreCase(nxStringAttributeValue("LATE")));
    EXPECT_TRUE(text.Contains(nxStringAttributeValue()));
}

TEST(nxAttributeValue, NumberOrderingWithSpecialValues)
{
    const nxInt32AttributeValue int32Null;
    EXPECT_TRUE(nxInt32AttributeValue(2147483645) < int32Null);
    EXPECT_TRUE(nxInt32AttributeValue(-5) < nxInt32AttributeValue(3));

    const nxUInt32AttributeValue uint32Null;
    nxUInt32AttributeValue uint32NoChange;
    uint32NoChange.SetNoChange();
    EXPECT_TRUE(uint32Null < nxUInt32AttributeValue(0u));
    EXPECT_TRUE(nxUInt32AttributeValue(0xFFFFFFFDu) > uint32Null);
    EXPECT_TRUE(uint32NoChange < uint32Null);
    EXPECT_TRUE(uint32Null == nxUInt32AttributeValue());
    EXPECT_TRUE(nxUInt32AttributeValue(7u) < nxUInt32AttributeValue(8u));

    EXPECT_TRUE(nxUInt64AttributeValue(5) < nxUInt64AttributeValue()) << "64-bit null is just a large number";

    const nxEnumAttributeValue<nxApplicationStatusEnum> undefined;
    EXPECT_TRUE(nxEnumAttributeValue<nxApplicationStatusEnum>(8001u) < undefined);
    EXPECT_TRUE(nxEnumAttributeValue<nxApplicationStatusEnum>(8002u) == nxUInt32AttributeValue(8002u));

    EXPECT_TRUE(nxDecimalAttributeValue(nxDecimal(10, 1)) == nxDecimalAttributeValue(nxDecimal(100, 2)));
    EXPECT_TRUE(nxDecimalAttributeValue() < nxDecimalAttributeValue(nxDecimal(-1, 0)));
}

TEST(nxAttributeValue, DoublesWithinToleranceAreEqual)
{
    const nxDoubleAttributeValue a(1.000000001);
    const nxDoubleAttributeValue b(1.000000002);
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a < b);
    EXPECT_FALSE(a > b);
    const nxDoubleAttributeValue c(1.00000002);
    EXPECT_TRUE(a < c);
    EXPECT_TRUE(c > a);
    const nxDoubleAttributeValue infinity(std::numeric_limits<double>::infinity());
    EXPECT_TRUE(infinity == infinity);
    EXPECT_TRUE(nxDoubleAttributeValue() != nxDoubleAttributeValue(4503599627370494.0));
}

TEST(nxAttributeValue, DateTimesCompareAsDateTimesOrElseAsTexts)
{
    const nxDateTimeAttributeValue early(nxDateTime(2024, 1, 1));
    const nxDateTimeAttributeValue_DateOnlyFormat late(nxDateTime(2024, 6, 1));
    EXPECT_TRUE(early < late);
    EXPECT_TRUE(nxDateTimeAttributeValue() < early);
    // "01 Jun 2024" against "2024-..." as texts.
    EXPECT_TRUE(late < nxStringAttributeValue("2"));
    EXPECT_TRUE(early == nxStringAttributeValue(early.GetAsString()));
}

TEST(nxAttributeValue, HotFilterableCopiesAndClassNames)
{
    const nxEnumAttributeValue<nxApplicationStatusEnum> status(8002u);
    std::unique_ptr<nxHotFilterableAttributeValue> copy(status.CreateHotFilterableCopy());
    EXPECT_STREQ(copy->GetHotFilterableClassName(), "nxUInt32AttributeValue");
    EXPECT_EQ(copy->GetAsUInteger32().GetValue(), 8002u);

    nxUInt32WithVolumeFormatAttributeValue volume(5u);
    volume.SetVolumeFormatParameters({3});
    std::unique_ptr<nxUInt32WithVolumeFormatAttributeValue> fresh(volume.CreateInstance());
    EXPECT_TRUE(fresh->IsNull());
    EXPECT_EQ(fresh->GetVolumeFormatParameters().volumeFormat, 3u);
    std::unique_ptr<nxHotFilterableAttributeValue> volumeCopy(volume.CreateHotFilterableCopy());
    EXPECT_STREQ(volumeCopy->GetHotFilterableClassName(), "nxUInt32AttributeValue");
    EXPECT_STREQ(volumeCopy->GetClassName(), "nxUInt32WithVolumeFormatAttributeValue");
    EXPECT_STREQ(nxDateTimeAttributeValue_TimeOnlyFormat().GetHotFilterableClassName(),
                 "nxDateTimeAttributeValue");
    EXPECT_STREQ(nxStringWithQuantumParameterFormatAttributeValue().GetHotFilterableClassName(),
                 "nxStringAttributeValue");
}
