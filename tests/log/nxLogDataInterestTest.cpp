#include <gtest/gtest.h>

#include <memory>

#include "log/nxLogDataInterest.h"
#include "log/nxLogDataObject.h"
#include "nxLogCapture.h"
#include "nxLogPipelineFixture.h"
#include "platform/xml/nxXMLDocument.h"
#include "status/nxControlDataObject.h"

namespace
{
using Filter = nxLogDataInterest::Filter;

bool Accepts(const nxLogDataInterest& interest, const nxLogMessageFields& wanted)
{
    nxLogDataObject row;
    const std::unique_ptr<nxLogMessage> message(MakeLogMessage(wanted));
    row.OnLogUpdate(0, *message);
    return interest.IsInterested(&row);
}

bool Accepts(const Filter& filter, const nxLogMessageFields& wanted)
{
    nxLogDataInterest interest;
    interest.SetFilter(filter);
    return Accepts(interest, wanted);
}

std::string Saved(const nxLogDataInterest& interest)
{
    nxXMLDocument document("DataInterest");
    nxXMLElement root = document.GetRootElement();
    EXPECT_TRUE(interest.SaveToXML(root).IsOK());
    std::string xml;
    for (char c : document.SaveToString()) // without indentation
        if (c != '\n' && !(c == ' ' && (xml.empty() || xml.back() == '>' || xml.back() == ' ')))
            xml += c;
    return xml;
}

Filter Loaded(const std::string& xml)
{
    nxXMLDocument document;
    EXPECT_TRUE(document.LoadFromString(xml).IsOK()) << xml;
    nxXMLElement element = document.GetRootElement();
    std::unique_ptr<nxGridDataInterest> made(
        nxGridDataInterest::CreateInstanceByName(nxGridDataInterest::ReadClassName(element)));
    auto* interest = dynamic_cast<nxLogDataInterest*>(made.get());
    EXPECT_TRUE(interest && interest->LoadFromXML(element).IsOK());
    return interest ? interest->GetFilter() : Filter{.applicationName = "<not loaded>"};
}
} // namespace

TEST(nxLogDataInterest, EachPartAloneAndAllTogether)
{
    const nxLogMessageFields row{
        .application = "ControlServer", .level = 35, .text = "Error in module", .host = "ldn"};
    struct Case
    {
        Filter filter;
        nxLogMessageFields wanted;
        bool accepted;
    };
    const Case cases[] = {
        {{}, {.level = 31, .text = "", .host = ""}, true},
        {{.applicationName = "ControlServer"}, row, true},
        {{.applicationName = "controlserver"}, row, false},
        {{.applicationName = "ControlServer2"}, row, false},
        {{.applicationName = "Pricer"}, {.application = "Pricer2"}, false},
        {{.applicationName = "Pricer"}, {.application = "Pricer"}, true},
        {{.hostName = "ldn"}, {.host = "ldn-2"}, false},
        {{.hostName = "ldn"}, {.host = "LDN"}, false},
        {{.hostName = "ldn"}, {.host = "ldn"}, true},
        {{.hostName = "ControlServer"}, row, false},
        {{.logLevels = {nxLogLevelEnum(35)}}, row, true},
        {{.logLevels = {nxLogLevelEnum(34), nxLogLevelEnum(36)}}, row, false},
        {{.logLevels = {nxLogLevelEnum(38)}}, {.level = 37}, false},
        {{.regexFilter = "err"}, row, false},
        {{.regexFilter = "err", .regexFilterCaseInsensitive = true}, row, true},
        {{.regexFilter = "err"}, {.text = "a terror"}, true},
        {{.regexFilter = "^Start"}, {.text = "Restart"}, false},
        {{.regexFilter = "^Start"}, {.text = "Starting"}, true},
        {{.regexFilter = "Control"}, row, false},
        {{"ControlServer", "ldn", {nxLogLevelEnum(35)}, "MODULE$", true}, row, true},
        {{"ControlServer", "ldn", {nxLogLevelEnum(35)}, "MODULE$", false}, row, false},
    };
    for (size_t index = 0; index < std::size(cases); ++index)
        EXPECT_EQ(Accepts(cases[index].filter, cases[index].wanted), cases[index].accepted)
            << "case " << index;
    nxControlDataObject statusRow;
    EXPECT_FALSE(nxLogDataInterest().IsInterested(&statusRow));
}

// The compiled pattern is kept; after any change each answer must be that of a fresh compile.
TEST(nxLogDataInterest, TheKeptPatternFollowsEveryChangeAndTheCopySilently)
{
    nxLogCapture log;
    nxLogDataInterest interest;
    for (const char* pattern : {"err", "^err$", "(", "[a-", "E.R"})
        for (const bool anyCase : {false, true})
        {
            interest.SetRegexFilter(pattern);
            interest.SetRegexFilterCaseInsensitive(anyCase);
            nxLogDataInterest copy;
            copy = interest;
            for (const char* text : {"Error", "err", "ERR", "e\nr", "(", "[a-"})
            {
                const bool fresh = nxLogDataInterest::IsRegexFilterMatch(text, pattern, anyCase);
                EXPECT_EQ(Accepts(interest, {.text = text}), fresh) << pattern << anyCase << text;
                EXPECT_EQ(Accepts(copy, {.text = text}), fresh) << pattern << anyCase << text;
            }
        }
    EXPECT_FALSE(interest.SetFilter(interest.GetFilter())) << "nothing changed";
    EXPECT_TRUE(log.Records().empty());
}

TEST(nxLogDataInterest, TheFilterIsSavedInOrderAndLoadsBack)
{
    nxLogDataInterest interest;
    interest.SetFilter({"Pricer", "ldn-1", {nxLogLevelEnum(38), nxLogLevelEnum(33)}, "a<b", true});
    const std::string xml = Saved(interest);
    EXPECT_NE(xml.find("<ClassName>nxLogDataInterest</ClassName><ApplicationName>Pricer</ApplicationName>"
                       "<HostName>ldn-1</HostName><LogLevels><LogLevel>Notice</LogLevel><LogLevel>Critical"
                       "</LogLevel></LogLevels><RegexFilter>a&lt;b</RegexFilter><RegexFilterCaseInsensitive>"
                       "true</RegexFilterCaseInsensitive>"),
              std::string::npos)
        << xml;
    EXPECT_EQ(Loaded(xml), interest.GetFilter());
    EXPECT_EQ(Loaded(Saved(nxLogDataInterest())), Filter{});
}

TEST(nxLogDataInterest, LoadingKeepsMissingKeysAndSkipsTextsThatNameNoLevel)
{
    const std::string head = "<DataInterest><ClassName>nxLogDataInterest</ClassName>";
    EXPECT_EQ(Loaded(head + "<ApplicationName>P</ApplicationName><LogLevels><LogLevel>Critical</LogLevel>"
                            "<LogLevel>Bogus</LogLevel><LogLevel/><LogLevel>Trace</LogLevel></LogLevels>"
                            "<RegexFilter>(</RegexFilter></DataInterest>"),
              (Filter{.applicationName = "P",
                      .logLevels = {nxLogLevelEnum(31), nxLogLevelEnum(38)},
                      .regexFilter = "("}));
    EXPECT_EQ(Loaded(head + "<HostName>h</HostName><ApplicationName>a</ApplicationName></DataInterest>"),
              Filter{.applicationName = "a"})
        << "the host name is looked for after the application name";
}

TEST(nxLogDataInterest, HidePatternsHideMatchingRowsAreSavedAfterTheFilterAndSkipWhatDoesNotCompile)
{
    nxLogDataInterest interest;
    interest.SetFilter({.regexFilter = "order"});
    EXPECT_TRUE(interest.SetHidePatterns({"filled$", "", "(", "^order [0-9]+ cancelled"}));
    EXPECT_EQ((std::vector<std::string>{"filled$", "^order [0-9]+ cancelled"}), interest.GetHidePatterns());
    EXPECT_FALSE(interest.SetHidePatterns({"filled$", "^order [0-9]+ cancelled"})) << "nothing changed";
    for (const auto& [text, shown] :
         std::vector<std::pair<std::string, bool>>{{"order 1 filled", false},
                                                   {"order 1 filled twice", true},
                                                   {"order 2 cancelled", false},
                                                   {"the order 2 cancelled", true},
                                                   {"quote filled", false}})
    {
        EXPECT_EQ(shown, Accepts(interest, {.text = text})) << text;
        const std::unique_ptr<nxLogMessage> message(MakeLogMessage({.text = text}));
        EXPECT_EQ(shown, interest.IsInterestedWhileFiling(*message))
            << "the store's early test agrees: " << text;
    }
    EXPECT_EQ(nxLogDataInterest(interest).GetHidePatterns(), interest.GetHidePatterns())
        << "copies keep them";

    const std::string xml = Saved(interest);
    EXPECT_NE(xml.find("</RegexFilterCaseInsensitive><HideRowsLike><Pattern>filled$</Pattern><Pattern>^order "
                       "[0-9]+ cancelled</Pattern></HideRowsLike>"),
              std::string::npos)
        << xml;
    EXPECT_EQ(Saved(nxLogDataInterest()).find("HideRowsLike"), std::string::npos) << "none, no key";

    nxLogCapture log;
    nxXMLDocument document;
    ASSERT_TRUE(document
                    .LoadFromString("<DataInterest><ClassName>nxLogDataInterest</ClassName><RegexFilter>x"
                                    "</RegexFilter><HideRowsLike><Pattern>a+</Pattern><Pattern>[</Pattern>"
                                    "</HideRowsLike></DataInterest>")
                    .IsOK());
    nxXMLElement root = document.GetRootElement();
    nxLogDataInterest loaded;
    ASSERT_TRUE(loaded.LoadFromXML(root).IsOK());
    EXPECT_EQ("x", loaded.GetRegexFilter());
    EXPECT_EQ((std::vector<std::string>{"a+"}), loaded.GetHidePatterns());
    EXPECT_EQ(1u, log.Records().size()) << "the pattern left out is named in the log";
}
