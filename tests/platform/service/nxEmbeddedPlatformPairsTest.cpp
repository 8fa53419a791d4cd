// Fault-tolerant pairs and the regions whose hours applications keep.
#include "nxEmbeddedPlatformFixture.h"

namespace
{
// The fixture's platform has a round-the-clock RiskServer pair: RSK-0001 primary, RSK-0002 backup.
class EmbeddedPlatformPairs : public nxEmbeddedPlatformFixture
{
protected:
    void SetUp() override
    {
        nxEmbeddedPlatformFixture::SetUp();
        WithoutIncidents();
        m_options.logMessagesPerSecond = 1;
    }

    std::string Host(const std::string& id)
    {
        nxApplicationStatus status;
        EXPECT_TRUE(m_service->GetApplicationStatus(id, status)) << id;
        return status.GetHostName();
    }

    // FT state, expected status, and whether it runs.
    std::tuple<uint32_t, uint32_t, bool> State(const std::string& id)
    {
        nxApplicationStatus status;
        EXPECT_TRUE(m_service->GetApplicationStatus(id, status)) << id;
        return {status.GetFTState().GetValue(), status.GetExpectedApplicationStatus().GetValue(),
                status.GetApplicationStatus().GetValue() == nxAppStatus::Running ||
                    status.GetApplicationStatus().GetValue() == nxAppStatus::Starting};
    }

    size_t Announced(const nxRecordingControlCallback& log, const std::string& text)
    {
        size_t count = 0;
        for (const auto& message : log.Messages())
            count += message->GetLogEntry().find(text) != std::string::npos;
        return count;
    }

    nxRecordingControlCallback m_log;
};

const std::string kPrimary = "RSK-0001";
const std::string kBackup = "RSK-0002";
} // namespace

TEST_F(EmbeddedPlatformPairs, StoppingARunningPrimaryPromotesItsBackupButNeverAStoppedOne)
{
    nxEmbeddedControlService& service = Make();
    service.SubscribeLogMessages(&m_log, nullptr);
    service.RunFor(2);
    ASSERT_EQ(State(kPrimary), std::make_tuple(nxFTState::Primary, nxExpectedStatus::OK, true));

    ASSERT_TRUE(service.ShutdownApplication(&m_log, nullptr, nxApplicationID(kPrimary)).IsOK());
    service.RunFor(1);
    EXPECT_EQ(State(kBackup), std::make_tuple(nxFTState::Primary, nxExpectedStatus::FTState, true));
    EXPECT_EQ(State(kPrimary), std::make_tuple(nxFTState::Backup, nxExpectedStatus::Unexpected, false));
    EXPECT_EQ(Announced(m_log, kBackup + " (RiskServer) on " + Host(kBackup) +
                                   " takes over as primary from " + kPrimary),
              1u);

    // The new primary stops while its partner is stopped: the role stays with it.
    ASSERT_TRUE(service.ShutdownApplication(&m_log, nullptr, nxApplicationID(kBackup)).IsOK());
    service.RunFor(1);
    EXPECT_EQ(std::get<0>(State(kPrimary)), nxFTState::Backup);
    EXPECT_FALSE(std::get<2>(State(kPrimary)));
    EXPECT_EQ(std::get<0>(State(kBackup)), nxFTState::Primary);
    EXPECT_EQ(Announced(m_log, "takes over"), 1u);
    service.UnsubscribeLogMessages(&m_log);
}

TEST_F(EmbeddedPlatformPairs, ALostPrimaryHandsOverAndTakesItsRoleBackOnceItReturns)
{
    nxEmbeddedControlService& service = Make();
    service.SubscribeLogMessages(&m_log, nullptr);
    service.RunFor(2);
    ASSERT_TRUE(service.StopReporting(kPrimary, 40));
    service.RunFor(m_options.missingAfterSeconds);
    EXPECT_EQ(std::get<0>(State(kBackup)), nxFTState::Backup) << "not before it counts as Missing";
    service.RunFor(2);
    EXPECT_EQ(State(kPrimary), std::make_tuple(nxFTState::Backup, nxExpectedStatus::Missing, false));
    EXPECT_EQ(State(kBackup), std::make_tuple(nxFTState::Primary, nxExpectedStatus::FTState, true));

    service.RunFor(30);
    EXPECT_EQ(State(kPrimary), std::make_tuple(nxFTState::Backup, nxExpectedStatus::FTState, true))
        << "back as the backup, its partner keeping the role";
    EXPECT_EQ(Announced(m_log, kPrimary + " (RiskServer) on " + Host(kPrimary) + " is reporting again"), 1u);

    service.RunFor(900);
    EXPECT_EQ(State(kPrimary), std::make_tuple(nxFTState::Primary, nxExpectedStatus::OK, true));
    EXPECT_EQ(State(kBackup), std::make_tuple(nxFTState::Backup, nxExpectedStatus::OK, true));
    EXPECT_EQ(Announced(m_log, kPrimary + " (RiskServer) on " + Host(kPrimary) + " is primary again"), 1u);
    service.UnsubscribeLogMessages(&m_log);
}

TEST_F(EmbeddedPlatformPairs, ApplicationsKeepTheHoursOfTheirOwnRegion)
{
    m_options.serverCount = 300;
    m_options.serverHostCount = 16;
    m_options.clientCount = 200;
    m_options.startUtcMicroseconds = Utc(2025, 6, 11, 1); // 10:00 in Tokyo, 02:00 in London
    nxEmbeddedControlService& service = Make();
    nxRecordingControlCallback grids;
    Subscribe(grids, nxServerValue);
    Subscribe(grids, nxClientValue);
    service.RunFor(1);
    const std::map<std::string, std::string> continents = {{"London", "Europe/"},    {"Frankfurt", "Europe/"},
                                                           {"New York", "America/"}, {"Chicago", "America/"},
                                                           {"Tokyo", "Asia/"},       {"Singapore", "Asia/"}};
    std::map<std::string, size_t> orderRoutersRunning; // by continent
    for (const auto& batch : grids.Batches())
        for (const auto& status : batch)
        {
            const std::string& scheme = status->GetApplicationScheduleName();
            if (scheme.empty() || scheme == "Ignore" || scheme == "24x7")
                continue;
            nxApplicationSchedule* definition = nullptr;
            ASSERT_TRUE(service.GetApplicationScheduleDefinition(scheme, definition).IsOK());
            const std::string region = definition->GetTimeZoneRegion();
            delete definition;
            const std::string& continent = continents.at(status->GetLocation());
            EXPECT_EQ(region.rfind(continent, 0), 0u)
                << status->GetApplicationID().GetApplicationID() << " in " << status->GetLocation()
                << " keeps " << scheme;
            if (status->GetApplicationName() == "OrderRouter")
                orderRoutersRunning[continent] +=
                    status->GetApplicationStatus().GetValue() == nxAppStatus::Running;
        }
    EXPECT_GT(orderRoutersRunning["Asia/"], 0u) << "Tokyo's order routers trade on Tokyo hours";
    EXPECT_EQ(orderRoutersRunning["Europe/"], 0u) << "London's sleep";
    Unsubscribe(grids, nxServerValue);
    Unsubscribe(grids, nxClientValue);
}
