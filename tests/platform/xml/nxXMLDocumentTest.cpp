#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "platform/xml/nxXMLDocument.h"

namespace fs = std::filesystem;

namespace
{
class XMLDocumentFileTest : public ::testing::Test
{
protected:
    void SetUp() override { fs::create_directories(m_folder); }
    void TearDown() override { fs::remove_all(m_folder); }

    std::string PathOf(const std::string& name) const { return (m_folder / name).string(); }

    static std::string ReadFile(const std::string& path)
    {
        std::ostringstream text;
        text << std::ifstream(path, std::ios::binary).rdbuf();
        return text.str();
    }

    const fs::path m_folder = fs::temp_directory_path() / ("nxXMLDocumentTest-" + std::to_string(::getpid()));
};

bool Mentions(const nxErrorEnum& error, const std::string& text)
{
    return error.GetLongDescription().find(text) != std::string::npos;
}
} // namespace

TEST(nxXMLDocument, MalformedTextNamesLineColumnAndReasonAndKeepsTheDocument)
{
    nxXMLDocument document("Kept");
    const nxErrorEnum error = document.LoadFromString("<Root>\n  <Open>\n</Root>\n");
    EXPECT_EQ(error.GetValue(), nxErrorEnum::ParseError);
    EXPECT_TRUE(Mentions(error, "line 3, column 3: Start-end tags mismatch")) << error.GetLongDescription();
    EXPECT_EQ(document.LoadFromString("<!-- no element -->").GetValue(), nxErrorEnum::ParseError);
    EXPECT_EQ(document.GetRootElement().GetName(), "Kept");
}

TEST_F(XMLDocumentFileTest, LoadErrorsNameTheFile)
{
    const std::string broken = PathOf("broken.KVRLogMgr");
    std::ofstream(broken) << "<Root><a></b></Root>";
    nxXMLDocument document;
    nxErrorEnum error = document.LoadFromFile(broken);
    EXPECT_EQ(error.GetValue(), nxErrorEnum::ParseError);
    EXPECT_TRUE(Mentions(error, "'" + broken + "'") && Mentions(error, "line 1, column 12"))
        << error.GetLongDescription();

    for (const std::string& path : {PathOf("missing.KVRSysMgr"), m_folder.string()})
    {
        error = document.LoadFromFile(path);
        EXPECT_EQ(error.GetValue(), nxErrorEnum::FileError);
        EXPECT_TRUE(Mentions(error, path)) << error.GetLongDescription();
    }
}

TEST_F(XMLDocumentFileTest, SaveReplacesTheFileOrLeavesItAsItWas)
{
    nxXMLDocument document("Workspace");
    document.GetRootElement().AddChildValue("ClientServer", "Server");
    const std::string path = PathOf("view.KVRSysMgr");
    std::ofstream(path) << "old";
    ASSERT_TRUE(document.SaveToFile(path).IsOK());
    nxXMLDocument reread;
    ASSERT_TRUE(reread.LoadFromFile(path).IsOK());
    EXPECT_EQ(reread.GetRootElement().GetFirstChildElement("ClientServer").GetValue(), "Server");

    const std::string noFolder = PathOf("absent/view.KVRSysMgr");
    nxErrorEnum error = document.SaveToFile(noFolder);
    EXPECT_EQ(error.GetValue(), nxErrorEnum::FileError);
    EXPECT_TRUE(Mentions(error, noFolder) && Mentions(error, "No such file")) << error.GetLongDescription();

    // A folder in the file's place fails the final rename, after the data was written.
    const std::string occupied = PathOf("occupied.KVRSysMgr");
    fs::create_directory(occupied);
    std::ofstream(occupied + "/inside") << "old";
    error = document.SaveToFile(occupied);
    EXPECT_EQ(error.GetValue(), nxErrorEnum::FileError);
    EXPECT_TRUE(Mentions(error, occupied)) << error.GetLongDescription();
    EXPECT_EQ(ReadFile(occupied + "/inside"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 2)
        << "a temporary file was left behind";
}

TEST(nxXMLDocument, NestingDeeperThanAnyConsoleDocumentIsRefused)
{
    const int limit = nxXMLDocument::MaxDepth;
    auto nested = [](int depth)
    {
        std::string text;
        for (int level = 0; level < depth; ++level)
            text += "<a>";
        for (int level = 0; level < depth; ++level)
            text += "</a>";
        return text;
    };
    nxXMLDocument document("Kept");
    EXPECT_TRUE(nxXMLDocument().LoadFromString(nested(limit)).IsOK());
    const nxErrorEnum error = document.LoadFromString(nested(100000));
    EXPECT_EQ(error.GetValue(), nxErrorEnum::ParseError);
    EXPECT_TRUE(Mentions(error, "nested deeper than " + std::to_string(limit))) << error.GetLongDescription();
    EXPECT_EQ(document.GetRootElement().GetName(), "Kept");

    nxXMLElement element = document.GetRootElement();
    for (int level = 1; level < limit; ++level)
        element = element.AddChildElement("a");
    EXPECT_TRUE(element.IsValid());
    EXPECT_FALSE(element.AddChildElement("a").IsValid()) << "a document is never built deeper than it loads";
}

TEST(nxXMLDocument, SavedSizeGrowsWithTheElementsNotWithTheirDepth)
{
    nxXMLDocument deep("Root");
    nxXMLElement element = deep.GetRootElement();
    for (int level = 1; level < nxXMLDocument::MaxDepth; ++level)
        element = element.AddChildElement("Key");
    EXPECT_LT(deep.SaveToString().size(), 20u * nxXMLDocument::MaxDepth) << deep.SaveToString();
}
