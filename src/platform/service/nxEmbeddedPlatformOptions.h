#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/base/nxFunctionEnum.h"

// Everything the embedded platform can be told when it is made; the program fills it
// from its command line. Times are platform seconds: seconds since the platform began.
// FindProblem names the first option out of its range; a platform made with such
// options does not start.
struct nxEmbeddedPlatformOptions
{
    // The streams a fault can silence.
    enum class Feed
    {
        ServerStatus,
        ClientStatus,
        Log,
    };

    // The kinds of request a fault can refuse. Unsubscribes are never refused: the
    // caller deletes its callback whatever the answer.
    enum class Request
    {
        StatusSubscription,
        Snapshot,
        Stop,
        Remove,
        LogSubscription,
        ScheduleList,
        ScheduleRead,
        ScheduleSave,
        ScheduleDelete,
        ScheduleAssign,
    };

    // A feed that delivers nothing from startSeconds for durationSeconds.
    struct Silence
    {
        Feed feed = Feed::ServerStatus;
        double startSeconds = 0.0;
        double durationSeconds = 0.0;
    };

    // Size. Server applications include one ControlServer pair. Servers run on
    // serverHostCount hosts; each client runs on the workstation of one of userCount users.
    uint32_t serverCount = 40;
    uint32_t clientCount = 80;
    uint32_t serverHostCount = 8;
    uint32_t userCount = 24;

    // The same seed with the same options and the same requests gives the same
    // platform, the same events and the same log messages.
    uint64_t seed = 1;

    // Simulated UTC at platform time 0, in microseconds since 1970; 0 takes the real
    // time when the platform is made. Schedules are judged against this clock.
    int64_t startUtcMicroseconds = 0;

    // Every subscribed kind receives its whole image once per period.
    double statusPeriodSeconds = 1.0;

    // Log messages per second, over all applications, while every application runs;
    // stopped and silent applications write nothing, so the log is quieter at night.
    double logMessagesPerSecond = 20.0;

    // How often things go wrong, per application and hour of platform time. Nothing
    // goes wrong by chance in the first minute, which plays a fixed opening instead.
    double lateHeartbeatsPerHour = 2.0;
    // A new process replaces the running one.
    double restartsPerHour = 0.2;
    // It falls silent and goes Missing; most come back within minutes.
    double stopsReportingPerHour = 0.05;
    // Inside its scheduled hours a restart fails and it stays down for minutes.
    double failedRestartsPerHour = 0.0005;
    // Per server pair and hour: the primary crashes and its backup takes over.
    double failoversPerHour = 0.01;
    // Seconds without a heartbeat before an application counts as Missing.
    double missingAfterSeconds = 10.0;

    // The rights CheckSecurity grants (nxFunctionEnum values).
    std::set<uint32_t> rights = {nxFunction::SystemManagerAll};

    // Where the schedule schemes file is kept; empty: the user's data folder
    // ($XDG_DATA_HOME, else ~/.local/share, then "VantrelSystemManager").
    std::string dataFolder;
    // Where the time-zone table is found; a Windows path handed to Initialise is
    // looked up here by its file name.
    std::string timeZoneFolder = SourceDataFolder();

    // Faults for demonstrations and tests.
    std::vector<Silence> silences;
    std::set<Request> refusedRequests;

    // Empty when every option lies in its range; otherwise the first that does not,
    // named as on the command line ("--late-heartbeats-per-hour"), with its range.
    std::string FindProblem() const;
    // The data folder of the source tree this was built from.
    static std::string SourceDataFolder();
};
