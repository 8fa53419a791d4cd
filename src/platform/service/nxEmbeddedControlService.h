#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "contracts/nxControlInterface.h"
#include "contracts/nxSecurityInterface.h"
#include "contracts/nxTimeZoneConverter.h"
#include "platform/service/nxEmbeddedPlatformOptions.h"
#include "platform/service/nxLogStreamGenerator.h"
#include "platform/service/nxPlatformStep.h"
#include "platform/service/nxScheduleSchemeStore.h"
#include "platform/service/nxServiceSubscribers.h"
#include "platform/service/nxSimulatedPlatform.h"
#include "platform/service/nxZoneSpecTimeZoneConverter.h"

// The control service the console runs on by default: a simulated trading platform
// in the same process. While it lives it is the process's control, security and
// time-zone service.
//
// It delivers status batches, snapshot answers, request answers and log messages
// either on a thread of its own, in step with nxSteadyClock (Start), or, without
// that thread, only when a test or benchmark moves it on (AdvanceTo, RunFor,
// RunPending), on the calling thread. Requests may come from any thread, callbacks
// included. Once an unsubscribe returns, no call into that callback for that feed
// runs or will run; a snapshot asked for without a subscription needs its callback
// until it is answered. A snapshot asked for while its feed is silent is never
// answered, as over a link that is down. The ControlServer announces in the log what
// happens on the platform, requests included.
class nxEmbeddedControlService : public nxControlInterface,
                                 public nxSecurityInterface,
                                 public nxTimeZoneConverter
{
public:
    using Options = nxEmbeddedPlatformOptions;

    static constexpr double LogStepSeconds = 0.05;
    static constexpr const char* TimeZoneTableName = "date_time_zonespec_minimal.csv";
    static constexpr const char* SchemesFileName = "ScheduleSchemes.xml";

    // Options out of range (Options::FindProblem) leave it with no applications: it
    // does not start or move, and refuses every request with that problem.
    explicit nxEmbeddedControlService(Options options = Options());
    // Stops the thread; nothing is delivered afterwards, whoever is still subscribed.
    ~nxEmbeddedControlService() override;
    nxEmbeddedControlService(const nxEmbeddedControlService&) = delete;
    nxEmbeddedControlService& operator=(const nxEmbeddedControlService&) = delete;

    // Not from inside a callback of this service. Stop waits for a delivery in
    // progress, so it must not be called holding a lock that callbacks take. Start
    // answers false when the options were refused.
    bool Start();
    void Stop();
    bool IsRunning() const { return m_running.load(std::memory_order_acquire); }

    // Each answers false, doing nothing, while the thread runs, from inside a
    // delivery or when the options were refused; time never goes back.
    bool AdvanceTo(double platformSeconds);
    bool RunFor(double seconds);
    // Delivers what has been asked for so far, without moving time.
    bool RunPending();

    double GetPlatformSeconds() const;
    int64_t GetUtcMicroseconds() const;
    size_t GetApplicationCount() const;
    // One application as the next image will show it, unless something happens first;
    // false when the image does not hold it. For tests that follow the platform closely.
    bool GetApplicationStatus(const std::string& applicationId, nxApplicationStatus& status) const;
    // What went wrong with the options, the time-zone table and the schemes file when
    // it was made, for the operator; empty when nothing did.
    std::string GetStartupProblems() const;
    // The problem of the options it was made with; empty when they were in range.
    const std::string& GetOptionsProblem() const { return m_optionsProblem; }
    const std::string& GetSchemesFilePath() const { return m_schemesFilePath; }
    static std::string DefaultDataFolder();

    // Faults, for demonstrations and tests.
    void SilenceFeed(Options::Feed feed, double seconds);
    void SetRequestRefused(Options::Request request, bool refused);
    // The application falls silent and is Missing once missingAfterSeconds pass; it
    // comes back after returnAfterSeconds unless that is negative.
    bool StopReporting(const std::string& applicationId, double returnAfterSeconds = -1.0);

    // nxControlInterface
    nxErrorEnum SubscribeApplicationStatus(nxControlCallback* callback, void* context,
                                           const nxClientServerEnum& clientServer,
                                           nxMessageQueue* queue) override;
    nxErrorEnum UnsubscribeApplicationStatus(nxControlCallback* callback,
                                             const nxClientServerEnum& clientServer) override;
    nxErrorEnum GetApplicationStatusSnapshot(nxControlCallback* callback, void* context,
                                             const nxClientServerEnum& clientServer) override;
    nxErrorEnum ShutdownApplication(nxControlCallback* callback, void* context,
                                    const nxApplicationID& applicationId) override;
    nxErrorEnum RemoveApplicationFromApplicationStatusImage(const nxApplicationID& applicationId) override;
    nxErrorEnum SubscribeLogMessages(nxControlCallback* callback, void* context) override;
    nxErrorEnum SubscribeLogMessagesForUser(nxControlCallback* callback, void* context,
                                            const nxUInt32ValueWrapper& userId) override;
    nxErrorEnum UnsubscribeLogMessages(nxControlCallback* callback) override;
    nxErrorEnum UnsubscribeLogMessagesForUser(nxControlCallback* callback,
                                              const nxUInt32ValueWrapper& userId) override;
    nxErrorEnum GetApplicationScheduleInstanceList(std::vector<std::string>& names) override;
    nxErrorEnum GetApplicationScheduleDefinition(const std::string& name,
                                                 nxApplicationSchedule*& schedule) override;
    nxErrorEnum SaveApplicationScheduleDefinition(const nxApplicationSchedule& schedule, bool flag) override;
    nxErrorEnum DeleteApplicationScheduleInstance(const std::string& name) override;
    nxErrorEnum SaveApplicationScheduleAssignments(
        const std::vector<nxApplicationScheduleAssignment*>& assignments) override;

    // nxSecurityInterface
    nxErrorEnum CheckSecurity(const nxFunctionEnum& function) override;
    std::string GetUserNodeName(uint32_t userId) override;

    // nxTimeZoneConverter: the table the console's dialogs load and list.
    bool IsInitialised() const override;
    bool Initialise(std::string& errorText, const std::string& path) override;
    void GetTimeZoneRegions(std::vector<std::string>& regions) const override;

private:
    struct PendingSnapshot
    {
        nxControlCallback* callback;
        void* context;
        uint32_t kind;
        bool subscribed;
    };

    static std::string SchemesFilePath(const Options& options);
    void LoadTimeZones();
    void InstallInstances();
    void RestoreInstances();

    void ThreadMain();
    // Moves the platform to target(now) on the calling thread, unless its own thread runs.
    bool Drive(const std::function<int64_t(int64_t)>& target);
    void Advance(int64_t targetNanoseconds);
    bool PrepareStep(int64_t targetNanoseconds, nxPlatformStep& step);
    void TakeRequests(nxPlatformStep& step);
    void Tick(nxPlatformStep& step);
    void WriteLogs(nxPlatformStep& step);
    void AnnounceEvents(nxPlatformStep& step);
    nxSimulatedPlatform::SchemeWindows ComputeWindows(int64_t utcMicroseconds);
    int64_t NextDueNanoseconds() const;
    double NowSeconds() const { return static_cast<double>(m_now) / 1e9; }
    int64_t UtcNow() const { return m_utcAtZero + m_now / 1000; }
    bool IsSilent(Options::Feed feed) const;
    bool IsSubscribed(nxControlCallback* callback, uint32_t kind) const;
    void Wake();

    // A refusal injected as a fault, or OK.
    nxErrorEnum Refusal(Options::Request request, const char* what) const;
    nxErrorEnum CheckStatusRequest(nxControlCallback* callback, const nxClientServerEnum& kind,
                                   Options::Request request, const char* what) const;
    nxErrorEnum CheckAssignments(const std::vector<nxApplicationScheduleAssignment*>& assignments) const;

    const Options m_options;
    const std::string m_optionsProblem;
    const int64_t m_utcAtZero;
    const int64_t m_periodNanoseconds;
    const std::string m_schemesFilePath;
    nxServiceSubscribers m_subscribers;
    nxZoneSpecTimeZoneConverter m_callerZones;   // what Initialise loads
    nxZoneSpecTimeZoneConverter m_scheduleZones; // what the platform judges schedules by
    std::string m_timeZoneProblem;

    // Guards everything below; never held while calling a callback.
    mutable std::mutex m_lock;
    std::condition_variable m_wake;
    nxScheduleSchemeStore m_store;
    std::unique_ptr<nxSimulatedPlatform> m_platform;
    nxLogStreamGenerator m_logs;
    std::set<std::string> m_regionsReported;
    int64_t m_now = 0;
    int64_t m_nextTick;
    int64_t m_nextLogStep;
    std::vector<Options::Silence> m_silences;
    std::set<Options::Request> m_refused;
    std::vector<PendingSnapshot> m_pendingSnapshots;
    std::vector<nxPlatformStep::Answer> m_answers;
    bool m_stopping = false;

    std::mutex m_driveLock; // one step at a time
    std::atomic<std::thread::id> m_deliveringThread{};
    std::atomic<bool> m_running{false};
    std::thread m_thread;

    nxControlInterface* m_previousControl = nullptr;
    nxSecurityInterface* m_previousSecurity = nullptr;
    nxTimeZoneConverter* m_previousTimeZones = nullptr;
};
