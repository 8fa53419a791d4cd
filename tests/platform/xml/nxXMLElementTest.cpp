#include <gtest/gtest.h>

#include "platform/xml/nxXMLDocument.h"
#include "platform/xml/nxXMLElement.h"

TEST(nxXMLElement, NextChildContinuesAfterTheCurrentChild)
{
    nxXMLDocument document("Interest");
    nxXMLElement root = document.GetRootElement();
    for (const auto& [name, value] : {std::pair{"Name", "a"}, {"Key", "1"}, {"Other", ""}, {"Key", "2"}})
        root.AddChildValue(name, value);

    EXPECT_EQ(root.GetNextChildElement("Key").GetValue(), "1") << "no current child: starts at the first";
    EXPECT_FALSE(root.GetNextChildElement("Name").IsValid()) << "Name lies before the current child";
    EXPECT_EQ(root.GetNextChildElement("Key").GetValue(), "2") << "a miss leaves the position alone";
    EXPECT_FALSE(root.GetNextChildElement("Key").IsValid());

    EXPECT_EQ(root.GetFirstChildElement("Key").GetValue(), "1");
    EXPECT_FALSE(root.GetFirstChildElement("Missing").IsValid());
    EXPECT_EQ(root.GetNextChildElement("Key").GetValue(), "2");
    root.ResetReadingPosition();
    EXPECT_EQ(root.GetNextChildElement("Name").GetValue(), "a");
}

TEST(nxXMLElement, InvalidElementsAndNamesAnswerEmpty)
{
    nxXMLElement invalid;
    EXPECT_EQ(invalid.GetName() + invalid.GetValue() + invalid.GetAttribute("a"), "");
    EXPECT_FALSE(invalid.SetValue("x") || invalid.SetAttribute("a", "1"));
    EXPECT_FALSE(invalid.AddChildValue("Child", "x").IsValid());
    EXPECT_FALSE(invalid.GetNextChildElement("Child").IsValid());

    nxXMLDocument document("Root");
    nxXMLElement root = document.GetRootElement();
    EXPECT_FALSE(root.AddChildElement("two words").IsValid());
    EXPECT_FALSE(root.AddChildValue("1st", "x").IsValid());
    EXPECT_FALSE(root.SetAttribute("", "x"));
    EXPECT_TRUE(nxXMLDocument().LoadFromString(document.SaveToString()).IsOK());
    EXPECT_FALSE(nxXMLDocument("").GetRootElement().IsValid());
}

TEST(nxXMLElement, TextsAndAttributesRoundTripThroughAString)
{
    nxXMLDocument document("Layout");
    nxXMLElement root = document.GetRootElement();
    root.SetAttribute("version", "1");
    root.SetAttribute("version", "2");
    root.AddChildValue("RegexFilter", "<a & \"b\">");
    root.AddChildElement("LogLevels").AddChildValue("LogLevel", "33");

    nxXMLDocument reread;
    ASSERT_TRUE(reread.LoadFromString(document.SaveToString()).IsOK());
    nxXMLElement again = reread.GetRootElement();
    EXPECT_EQ(again.GetAttribute("version"), "2");
    EXPECT_EQ(again.GetNextChildElement("RegexFilter").GetValue(), "<a & \"b\">");
    EXPECT_EQ(again.GetNextChildElement("LogLevels").GetFirstChildElement("LogLevel").GetValue(), "33");
    EXPECT_EQ(again.GetValue(), "") << "children are not the element's own text";
}

TEST(nxXMLElement, ATextHoldingANulByteIsRefusedNotCutShort)
{
    nxXMLDocument document("Root");
    nxXMLElement root = document.GetRootElement();
    const std::string withNul("a\0b", 3);
    EXPECT_FALSE(root.AddChildValue("Pattern", withNul).IsValid());
    EXPECT_FALSE(root.GetFirstChildElement("Pattern").IsValid()) << "nothing half-written is left";
    nxXMLElement child = root.AddChildValue("Pattern", "kept");
    EXPECT_FALSE(child.SetValue(withNul));
    EXPECT_EQ(child.GetValue(), "kept");
    EXPECT_FALSE(root.SetAttribute("name", withNul));
    EXPECT_FALSE(root.SetAttribute(std::string("na\0me", 5), "x"));
    EXPECT_FALSE(root.AddChildElement(std::string("Pat\0tern", 8)).IsValid());
}

TEST(nxXMLElement, AnEscapedCarriageReturnKeepsItsMeaningThroughASave)
{
    nxXMLDocument document;
    ASSERT_TRUE(document.LoadFromString("<r>&#13;</r>").IsOK());
    EXPECT_EQ(document.GetRootElement().GetValue(), "\r");
    nxXMLDocument reread;
    ASSERT_TRUE(reread.LoadFromString(document.SaveToString()).IsOK());
    EXPECT_EQ(reread.GetRootElement().GetValue(), "\r");
}
