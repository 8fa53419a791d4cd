#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "nxRecordingControlCallback.h"
#include "platform/service/nxEmbeddedControlService.h"

// A small embedded platform in a folder of its own, moved on by the test. It starts on
// Wednesday 11 June 2025 at 10:00 UTC: London desks open (11:00 BST), New York and
// Tokyo closed (06:00 EDT, 19:00 JST).
class nxEmbeddedPlatformFixture : public ::testing::Test
{
protected:
    static int64_t Utc(int year, unsigned month, unsigned day, int hour, int minute = 0)
    {
        using namespace std::chrono;
        const sys_days date{std::chrono::year{year} / month / day};
        return (sys_seconds{date}.time_since_epoch().count() + hour * 3600 + minute * 60) * 1'000'000;
    }

    void SetUp() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = std::filesystem::temp_directory_path() /
                   ("vsm_platform_" + std::to_string(getpid()) + "_" + test->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        m_options.serverCount = 12;
        m_options.clientCount = 20;
        m_options.startUtcMicroseconds = Utc(2025, 6, 11, 10);
        m_options.dataFolder = m_folder.string();
        m_options.logMessagesPerSecond = 0;
    }

    void TearDown() override
    {
        m_service.reset();
        std::filesystem::remove_all(m_folder);
    }

    // Nothing goes wrong by chance, so that what changes is the test's doing.
    void WithoutIncidents()
    {
        m_options.lateHeartbeatsPerHour = m_options.restartsPerHour = m_options.stopsReportingPerHour = 0;
        m_options.failedRestartsPerHour = m_options.failoversPerHour = 0;
    }

    nxEmbeddedControlService& Make()
    {
        m_service.reset();
        m_service = std::make_unique<nxEmbeddedControlService>(m_options);
        return *m_service;
    }

    void Subscribe(nxControlCallback& callback, uint32_t kind)
    {
        ASSERT_TRUE(
            m_service->SubscribeApplicationStatus(&callback, nullptr, nxClientServerEnum(kind), nullptr)
                .IsOK());
    }
    void Unsubscribe(nxControlCallback& callback, uint32_t kind)
    {
        m_service->UnsubscribeApplicationStatus(&callback, nxClientServerEnum(kind));
    }

    // The first application of the last batch that matches.
    template <class Match> std::string FindId(const nxRecordingControlCallback& callback, Match&& match)
    {
        for (const auto& status : callback.LastBatch())
            if (match(*status))
                return status->GetApplicationID().GetApplicationID();
        return {};
    }

    std::filesystem::path m_folder;
    nxEmbeddedPlatformOptions m_options;
    std::unique_ptr<nxEmbeddedControlService> m_service;
};
