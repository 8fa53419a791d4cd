#include <gtest/gtest.h>

#include "platform/base/nxApplicationTypeEnum.h"
#include "platform/base/nxClientServerEnum.h"
#include "platform/base/nxLogLevelEnum.h"

TEST(nxEnum, ShortDescriptionRoundTripsAndUnknownTextsLeaveItUndefined)
{
    for (const nxEnumEntry& entry : nxLogLevelEnum::Entries())
    {
        nxLogLevelEnum read;
        EXPECT_TRUE(read.SetFromShortDescriptionString(nxLogLevelEnum(entry.value).GetAsString()));
        EXPECT_EQ(read.GetValue(), entry.value);
    }
    nxLogLevelEnum level(35);
    EXPECT_FALSE(level.SetFromShortDescriptionString(""));
    EXPECT_TRUE(level.IsUndefined());
    level.SetValue(35);
    EXPECT_FALSE(level.SetFromShortDescriptionString("Loud"));
    EXPECT_TRUE(level.IsUndefined());
    EXPECT_FALSE(level.SetFromShortDescriptionString("999")) << "a number that names no level";
    EXPECT_TRUE(level.SetFromShortDescriptionString("38"));
    EXPECT_EQ(level.GetValue(), 38u);
}

TEST(nxEnum, SpecialStatesHaveNoTextAndOrderByValue)
{
    nxClientServerEnum undefined;
    EXPECT_TRUE(undefined.IsUndefined());
    EXPECT_EQ(undefined.GetAsString(), "");
    nxClientServerEnum noChange;
    noChange.SetNoChange();
    EXPECT_EQ(noChange.GetLongDescription(), "");
    EXPECT_LT(nxClientServerEnum(71), nxClientServerEnum(72));
    EXPECT_EQ(nxLogLevelEnum(12345).GetLongDescription(), "12345");
}

TEST(nxEnum, ApplicationTypesBelongToOneHalf)
{
    for (const nxEnumEntry& entry : nxApplicationTypeEnum::Entries())
    {
        const nxClientServerEnum half = nxApplicationTypeEnum(entry.value).GetClientServer();
        EXPECT_TRUE(half.GetValue() == nxServerValue || half.GetValue() == nxClientValue) << entry.shortText;
    }
    EXPECT_TRUE(nxApplicationTypeEnum().GetClientServer().IsUndefined());
    EXPECT_TRUE(nxApplicationTypeEnum(5).GetClientServer().IsUndefined());
}
