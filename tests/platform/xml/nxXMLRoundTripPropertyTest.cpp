#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/xml/nxXMLDocument.h"

namespace
{
// Bytes that XML writes escaped, as whitespace, as references or raw; no NUL, which is refused.
const std::string kAlphabet = std::string("a Z9 \t\n\r&<>\"';]]>") + "\x01\x1f\x7f\xc3\xa9\xff";
const char* const kNames[] = {"Key", "ClassName", "LogLevel", "x.y", "_a-1", "\xc3\xa9t\xc3\xa9"};

std::string RandomText(std::mt19937& random)
{
    std::string text;
    const size_t length = random() % 4 == 0 ? 0 : random() % 8;
    for (size_t i = 0; i < length; ++i)
        text += kAlphabet[random() % kAlphabet.size()];
    return text;
}

void Fill(nxXMLElement element, std::mt19937& random, int depth)
{
    for (unsigned attribute = random() % 3; attribute > 0; --attribute)
        EXPECT_TRUE(element.SetAttribute(kNames[random() % std::size(kNames)], RandomText(random)));
    if (depth == 0 || random() % 3 == 0)
    {
        EXPECT_TRUE(element.SetValue(RandomText(random)));
        return;
    }
    for (unsigned child = random() % 4; child > 0; --child)
        Fill(element.AddChildElement(kNames[random() % std::size(kNames)]), random, depth - 1);
}

// Name, attributes, own text and child elements, in order, as one comparable text.
std::string Describe(const pugi::xml_node& node)
{
    std::string text = std::string("<") + node.name();
    for (const pugi::xml_attribute& attribute : node.attributes())
        text += std::string(" ") + attribute.name() + "=[" + attribute.value() + "]";
    text += std::string(">[") + node.text().get() + "]";
    for (const pugi::xml_node& child : node.children())
        if (child.type() == pugi::node_element)
            text += Describe(child);
    return text + "</>";
}
} // namespace

// What a document holds is what it saves, loads and saves again.
TEST(nxXMLRoundTrip, RandomDocumentsLoadBackAsTheyWereSaved)
{
    std::mt19937 random(20261207);
    for (int trial = 0; trial < 500; ++trial)
    {
        nxXMLDocument document("Workspace");
        Fill(document.GetRootElement(), random, 4);
        const std::string expected = Describe(document.GetRootElement().GetNode());
        const std::string saved = document.SaveToString();
        nxXMLDocument loaded;
        ASSERT_TRUE(loaded.LoadFromString(saved).IsOK()) << saved;
        ASSERT_EQ(Describe(loaded.GetRootElement().GetNode()), expected) << saved;
        nxXMLDocument again;
        ASSERT_TRUE(again.LoadFromString(loaded.SaveToString()).IsOK());
        ASSERT_EQ(Describe(again.GetRootElement().GetNode()), expected) << saved;
    }
}
