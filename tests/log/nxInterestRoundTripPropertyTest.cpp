#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "log/nxLogDataInterest.h"
#include "platform/xml/nxXMLDocument.h"
#include "status/nxControlDataInterest.h"

namespace
{
// Filter texts an operator may type, spaces and line breaks included (a pattern of
// spaces is a real filter); no NUL, which no text field can hold.
const std::string kAlphabet = std::string("aZ9 .*^$\\()[]{}|?+ \t\n\r&<>\"'") + "\x7f\xc3\xa9";

std::string RandomText(std::mt19937& random)
{
    std::string text;
    for (size_t length = random() % 7; length > 0; --length)
        text += kAlphabet[random() % kAlphabet.size()];
    return text;
}

nxLogDataInterest::Filter RandomFilter(std::mt19937& random)
{
    nxLogDataInterest::Filter filter{.applicationName = RandomText(random),
                                     .hostName = RandomText(random),
                                     .regexFilter = RandomText(random),
                                     .regexFilterCaseInsensitive = random() % 2 == 0};
    for (uint32_t level = 31; level <= 38; ++level)
        if (random() % 2 == 0)
            filter.logLevels.insert(nxLogLevelEnum(level));
    return filter;
}

std::string Describe(const nxLogDataInterest::Filter& filter)
{
    std::string text = "[" + filter.applicationName + "][" + filter.hostName + "][";
    for (const nxLogLevelEnum& level : filter.logLevels)
        text += std::to_string(level.GetValue()) + " ";
    return text + "][" + filter.regexFilter + "]" + (filter.regexFilterCaseInsensitive ? "i" : "");
}

// Saved into a workspace text and made again from it, as a restored view is.
std::unique_ptr<nxGridDataInterest> SavedAndLoaded(const nxGridDataInterest& interest)
{
    nxXMLDocument document("Workspace");
    nxXMLElement element = document.GetRootElement().AddChildElement("DataInterest");
    EXPECT_TRUE(interest.SaveToXML(element).IsOK());
    nxXMLDocument reread;
    EXPECT_TRUE(reread.LoadFromString(document.SaveToString()).IsOK());
    nxXMLElement loaded = reread.GetRootElement().GetFirstChildElement("DataInterest");
    std::unique_ptr<nxGridDataInterest> made(
        nxGridDataInterest::CreateInstanceByName(nxGridDataInterest::ReadClassName(loaded)));
    EXPECT_TRUE(made && made->LoadFromXML(loaded).IsOK());
    return made;
}
} // namespace

TEST(nxInterestRoundTrip, RandomLogFiltersLoadBackEqual)
{
    std::mt19937 random(7);
    for (int trial = 0; trial < 300; ++trial)
    {
        nxLogDataInterest interest;
        interest.SetFilter(RandomFilter(random));
        const auto loaded = SavedAndLoaded(interest);
        const auto* log = dynamic_cast<const nxLogDataInterest*>(loaded.get());
        ASSERT_NE(log, nullptr);
        ASSERT_EQ(Describe(log->GetFilter()), Describe(interest.GetFilter()));
    }
}

TEST(nxInterestRoundTrip, EveryKindOfApplicationViewLoadsBackEqual)
{
    for (const nxClientServerEnum& kind :
         {nxClientServerEnum(71), nxClientServerEnum(72), nxClientServerEnum()})
    {
        nxControlDataInterest interest;
        interest.SetClientServer(kind);
        const auto loaded = SavedAndLoaded(interest);
        const auto* control = dynamic_cast<const nxControlDataInterest*>(loaded.get());
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->GetClientServer().GetValue(), kind.GetValue());
    }
}
