#include <gtest/gtest.h>

#include <memory>

#include "nxTestStatus.h"
#include "platform/xml/nxXMLDocument.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataObject.h"

// A workspace written by another build names the kind under this key, by this text;
// one without the key loads with the kind undefined.
TEST(nxControlDataInterest, TheKindIsKeptUnderClientServerByItsNameAndMayBeAbsent)
{
    nxControlDataInterest interest;
    interest.SetClientServer(nxClientServerEnum(72));
    nxXMLDocument saved("DataInterest");
    nxXMLElement root = saved.GetRootElement();
    ASSERT_TRUE(interest.SaveToXML(root).IsOK());
    EXPECT_NE(saved.SaveToString().find("<ClientServer>Server</ClientServer>"), std::string::npos)
        << saved.SaveToString();

    const auto load = [&interest](const std::string& inside)
    {
        nxXMLDocument written;
        EXPECT_TRUE(written
                        .LoadFromString("<DataInterest><ClassName>nxControlDataInterest</ClassName>" +
                                        inside + "</DataInterest>")
                        .IsOK());
        nxXMLElement element = written.GetRootElement();
        EXPECT_TRUE(interest.LoadFromXML(element).IsOK()) << inside;
    };
    load("<ClientServer>Client</ClientServer>");
    EXPECT_EQ(interest.GetClientServer().GetValue(), 71u);
    load("");
    EXPECT_TRUE(interest.GetClientServer().IsUndefined());

    nxXMLElement invalid;
    EXPECT_FALSE(interest.LoadFromXML(invalid).IsOK());
}

TEST(nxControlDataInterest, WantsOnlyStatusRowsOfItsKind)
{
    nxControlDataInterest interest;
    interest.SetClientServer(nxClientServerEnum(72));
    nxControlDataObject server;
    std::unique_ptr<nxApplicationStatus> serverStatus(MakeServer("S"));
    server.OnApplicationStatusUpdate(*serverStatus, true);
    nxControlDataObject client;
    std::unique_ptr<nxApplicationStatus> clientStatus(MakeClient("C"));
    client.OnApplicationStatusUpdate(*clientStatus, true);

    EXPECT_TRUE(interest.IsInterested(&server));
    EXPECT_FALSE(interest.IsInterested(&client));
    EXPECT_FALSE(interest.IsInterested(nullptr));

    std::set<nxSubscriptionCategory> categories;
    interest.GetRequiredSubscriptionCategories(categories);
    EXPECT_EQ(categories, std::set<nxSubscriptionCategory>{7});
}
