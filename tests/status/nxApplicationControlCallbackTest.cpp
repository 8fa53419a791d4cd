#include <gtest/gtest.h>

#include <vector>

#include "nxLogCapture.h"
#include "nxTestStatus.h"
#include "status/nxApplicationControlCallback.h"

TEST(nxApplicationControlCallback, LogsTheOutcomeOfARemovalAtItsLevel)
{
    nxLogCapture log;
    nxApplicationControlCallback& callback = nxApplicationControlCallback::GetInstance();
    callback.OnRemoveApplicationFromApplicationStatusImageResponse(nxErrorEnum(), nullptr);
    callback.OnRemoveApplicationFromApplicationStatusImageResponse(
        nxErrorEnum(nxErrorEnum::Refused, "Application S1 is running"), nullptr);

    const auto lines = log.FromSource("nxControlDataManager");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].level, 32u);
    EXPECT_EQ(lines[0].line, "OnRemoveApplicationFromApplicationStatusImageResponse succeeded");
    EXPECT_EQ(lines[1].level, 37u);
    EXPECT_EQ(lines[1].line.rfind("OnRemoveApplicationFromApplicationStatusImageResponse, err: ", 0), 0u);
    EXPECT_NE(lines[1].line.find("Application S1 is running"), std::string::npos);
}

TEST(nxApplicationControlCallback, OtherTrafficWritesNothingAndLeaksNothing)
{
    nxLogCapture log;
    nxApplicationControlCallback& callback = nxApplicationControlCallback::GetInstance();
    callback.OnShutdownApplicationResponse(nxErrorEnum(nxErrorEnum::Refused), nullptr);
    std::vector<nxApplicationStatus*> statuses{MakeServer("S1")};
    callback.OnApplicationStatusUpdate(statuses, nullptr);
    EXPECT_TRUE(statuses.empty());
    EXPECT_EQ(nxCountedStatus::Alive(), 0);
    EXPECT_TRUE(log.Records().empty());
    EXPECT_EQ(&callback, &nxApplicationControlCallback::GetInstance());
}
