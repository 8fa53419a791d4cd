#include "platform/service/nxEmbeddedControlService.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "platform/base/nxLog.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/service/nxScheduleWindow.h"

namespace
{
constexpr int64_t kNever = INT64_MAX;
constexpr int64_t kLogStepNanoseconds =
    static_cast<int64_t>(nxEmbeddedControlService::LogStepSeconds * 1'000'000'000);
constexpr int64_t kMaxThreadWaitNanoseconds = 200'000'000;
constexpr const char* kSource = "nxEmbeddedControlService";

int64_t RealUtcMicroseconds()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

// Far beyond any run, and still clear of overflow when added to.
int64_t ToNanoseconds(double seconds)
{
    return std::llround(std::clamp(seconds, 0.0, 1e9) * 1e9);
}

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}
} // namespace

nxEmbeddedControlService::nxEmbeddedControlService(Options options)
    : m_options(std::move(options)), m_optionsProblem(m_options.FindProblem()),
      m_utcAtZero(m_options.startUtcMicroseconds ? m_options.startUtcMicroseconds : RealUtcMicroseconds()),
      m_periodNanoseconds(std::max<int64_t>(1'000'000, ToNanoseconds(m_options.statusPeriodSeconds))),
      m_schemesFilePath(SchemesFilePath(m_options)), m_callerZones(m_options.timeZoneFolder),
      m_scheduleZones(m_options.timeZoneFolder), m_store(m_schemesFilePath), m_logs(m_options.seed),
      m_nextTick(m_periodNanoseconds),
      m_nextLogStep(m_options.logMessagesPerSecond > 0 ? kLogStepNanoseconds : kNever),
      m_silences(m_options.silences), m_refused(m_options.refusedRequests)
{
    if (!m_optionsProblem.empty())
    {
        nxLog(nxLogLevelEnum(nxLogLevel::Error), kSource)
            << "The embedded platform does not start: " << m_optionsProblem;
        Options empty;
        empty.serverCount = empty.clientCount = 0;
        m_platform = std::make_unique<nxSimulatedPlatform>(empty, std::map<std::string, std::string>());
        m_nextTick = m_nextLogStep = kNever;
        InstallInstances();
        return;
    }
    LoadTimeZones();
    m_store.Load();
    m_platform = std::make_unique<nxSimulatedPlatform>(m_options, m_store.GetAssignments());
    m_platform->Begin(ComputeWindows(UtcNow()));
    InstallInstances();
}

nxEmbeddedControlService::~nxEmbeddedControlService()
{
    Stop();
    RestoreInstances();
}

std::string nxEmbeddedControlService::DefaultDataFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::filesystem::path folder = dataHome && *dataHome ? std::filesystem::path(dataHome)
                                   : home && *home       ? std::filesystem::path(home) / ".local" / "share"
                                                         : std::filesystem::current_path();
    return (folder / "VantrelSystemManager").string();
}

std::string nxEmbeddedControlService::SchemesFilePath(const Options& options)
{
    const std::string folder = options.dataFolder.empty() ? DefaultDataFolder() : options.dataFolder;
    return (std::filesystem::path(folder) / SchemesFileName).string();
}

void nxEmbeddedControlService::LoadTimeZones()
{
    std::string error;
    const std::string table = (std::filesystem::path(m_options.timeZoneFolder) / TimeZoneTableName).string();
    if (m_scheduleZones.Initialise(error, table))
        return;
    m_timeZoneProblem = error + "; schedules are judged in UTC";
    nxLog(nxLogLevelEnum(nxLogLevel::Error), kSource) << m_timeZoneProblem;
}

void nxEmbeddedControlService::InstallInstances()
{
    m_previousControl = nxControlInterface::SetInstance(this);
    m_previousSecurity = nxSecurityInterface::SetInstance(this);
    m_previousTimeZones = nxTimeZoneConverter::SetInstance(this);
}

// Only where this service is still the one installed: a later one stays.
void nxEmbeddedControlService::RestoreInstances()
{
    if (nxControlInterface::GetInstance() == this)
        nxControlInterface::SetInstance(m_previousControl);
    if (nxSecurityInterface::GetInstance() == this)
        nxSecurityInterface::SetInstance(m_previousSecurity);
    if (nxTimeZoneConverter::GetInstance() == this)
        nxTimeZoneConverter::SetInstance(m_previousTimeZones);
}

std::string nxEmbeddedControlService::GetStartupProblems() const
{
    std::lock_guard guard(m_lock);
    std::string problems;
    for (const std::string& problem : {m_optionsProblem, m_timeZoneProblem, m_store.GetLoadProblem()})
        if (!problem.empty())
            problems += (problems.empty() ? "" : "\n") + problem;
    return problems;
}

bool nxEmbeddedControlService::Start()
{
    if (!m_optionsProblem.empty())
        return false;
    if (IsRunning())
        return true;
    {
        std::lock_guard guard(m_lock);
        m_stopping = false;
    }
    m_running.store(true, std::memory_order_release);
    m_thread = std::thread([this] { ThreadMain(); });
    return true;
}

void nxEmbeddedControlService::Stop()
{
    {
        std::lock_guard guard(m_lock);
        m_stopping = true;
    }
    m_wake.notify_all();
    // From one of its own deliveries the thread cannot wait for itself; it ends after this delivery.
    if (!m_thread.joinable() || m_thread.get_id() == std::this_thread::get_id())
        return;
    m_thread.join();
    m_running.store(false, std::memory_order_release);
}

void nxEmbeddedControlService::ThreadMain()
{
    const int64_t steadyStart = nxSteadyClock::NowNanoseconds();
    int64_t platformStart = 0;
    {
        std::lock_guard guard(m_lock);
        platformStart = m_now;
    }
    while (true)
    {
        Advance(platformStart + nxSteadyClock::NowNanoseconds() - steadyStart);
        std::unique_lock lock(m_lock);
        const int64_t wait =
            std::clamp<int64_t>(NextDueNanoseconds() - m_now, 1'000'000, kMaxThreadWaitNanoseconds);
        m_wake.wait_for(lock, std::chrono::nanoseconds(wait),
                        [this] { return m_stopping || !m_answers.empty() || !m_pendingSnapshots.empty(); });
        if (m_stopping)
            return;
    }
}

bool nxEmbeddedControlService::AdvanceTo(double platformSeconds)
{
    return Drive([platformSeconds](int64_t) { return ToNanoseconds(platformSeconds); });
}

bool nxEmbeddedControlService::RunFor(double seconds)
{
    return Drive([seconds](int64_t now) { return now + ToNanoseconds(seconds); });
}

bool nxEmbeddedControlService::RunPending()
{
    return Drive([](int64_t now) { return now; });
}

bool nxEmbeddedControlService::Drive(const std::function<int64_t(int64_t)>& target)
{
    if (!m_optionsProblem.empty() || IsRunning() ||
        m_deliveringThread.load(std::memory_order_acquire) == std::this_thread::get_id())
        return false;
    int64_t now = 0;
    {
        std::lock_guard guard(m_lock);
        now = m_now;
    }
    Advance(target(now));
    return true;
}

void nxEmbeddedControlService::Advance(int64_t targetNanoseconds)
{
    std::lock_guard drive(m_driveLock);
    m_deliveringThread.store(std::this_thread::get_id(), std::memory_order_release);
    for (bool more = true; more;)
    {
        nxPlatformStep step;
        {
            std::lock_guard guard(m_lock);
            more = PrepareStep(targetNanoseconds, step);
        }
        step.Deliver(m_subscribers);
    }
    m_deliveringThread.store(std::thread::id(), std::memory_order_release);
}

bool nxEmbeddedControlService::PrepareStep(int64_t targetNanoseconds, nxPlatformStep& step)
{
    TakeRequests(step);
    const int64_t next = NextDueNanoseconds();
    const bool due = next <= targetNanoseconds;
    m_now = due ? next : std::max(m_now, targetNanoseconds);
    if (due && m_nextTick == next)
    {
        Tick(step);
        m_nextTick += m_periodNanoseconds;
    }
    if (due && m_nextLogStep == next)
    {
        WriteLogs(step);
        m_nextLogStep += kLogStepNanoseconds;
    }
    AnnounceEvents(step);
    return due;
}

int64_t nxEmbeddedControlService::NextDueNanoseconds() const
{
    return std::min(m_nextTick, m_nextLogStep);
}

void nxEmbeddedControlService::TakeRequests(nxPlatformStep& step)
{
    for (const nxPlatformStep::Answer& answer : m_answers)
        step.AddAnswer(answer);
    m_answers.clear();
    // A feed held silent is a link that is down: what was asked over it is lost.
    for (const PendingSnapshot& pending : m_pendingSnapshots)
        if (!IsSilent(pending.kind == nxServerValue ? Options::Feed::ServerStatus
                                                    : Options::Feed::ClientStatus))
            step.AddSnapshot({pending.callback, pending.context, pending.kind, pending.subscribed,
                              m_platform->BuildImage(pending.kind, NowSeconds(), m_utcAtZero)});
    m_pendingSnapshots.clear();
}

void nxEmbeddedControlService::Tick(nxPlatformStep& step)
{
    m_platform->Tick(NowSeconds(), static_cast<double>(m_periodNanoseconds) / 1e9, ComputeWindows(UtcNow()));
    const std::pair<uint32_t, Options::Feed> feeds[] = {{nxServerValue, Options::Feed::ServerStatus},
                                                        {nxClientValue, Options::Feed::ClientStatus}};
    for (const auto& [kind, feed] : feeds)
        if (m_subscribers.HasStatusSubscriber(kind) && !IsSilent(feed))
            step.AddBatch(kind, m_platform->BuildImage(kind, NowSeconds(), m_utcAtZero));
}

// The rate is for a platform where everything runs: fewer run at night, and write less.
void nxEmbeddedControlService::WriteLogs(nxPlatformStep& step)
{
    if (!m_subscribers.HasLogSubscriber() || IsSilent(Options::Feed::Log) ||
        m_platform->GetApplicationCount() == 0)
        return;
    const double active = static_cast<double>(m_platform->GetActiveApplications().size());
    const double rate =
        m_options.logMessagesPerSecond * active / static_cast<double>(m_platform->GetApplicationCount());
    m_logs.Generate(m_logs.CountForStep(rate, LogStepSeconds), *m_platform, UtcNow(), step.Messages());
}

// What happened is announced in the step that shows it, or lost with a silent log feed.
void nxEmbeddedControlService::AnnounceEvents(nxPlatformStep& step)
{
    const std::vector<nxPlatformEvent> events = m_platform->TakeEvents();
    if (events.empty() || !m_subscribers.HasLogSubscriber() || IsSilent(Options::Feed::Log))
        return;
    nxLogStreamGenerator::Announce(events, *m_platform, UtcNow(), step.Messages());
}

nxSimulatedPlatform::SchemeWindows nxEmbeddedControlService::ComputeWindows(int64_t utcMicroseconds)
{
    nxSimulatedPlatform::SchemeWindows windows;
    const int64_t utcSeconds = FloorDiv(utcMicroseconds, 1'000'000);
    for (const auto& [name, scheme] : m_store.GetSchemes())
    {
        if (name == nxScheduleSchemeStore::IgnoreScheme)
            continue;
        int64_t local = utcSeconds;
        const std::string& region = scheme.GetTimeZoneRegion();
        if (!m_scheduleZones.ToLocalSeconds(region, utcSeconds, local) &&
            m_regionsReported.insert(region).second)
            nxLog(nxLogLevelEnum(nxLogLevel::Error), kSource)
                << "The time-zone region " << Quoted(region) << " of schedule scheme " << Quoted(name)
                << " is not known; its times are taken as UTC";
        windows.emplace(name, nxScheduleWindow::IsExpectedToRun(scheme, local));
    }
    return windows;
}

bool nxEmbeddedControlService::IsSilent(Options::Feed feed) const
{
    const double now = NowSeconds();
    return std::any_of(m_silences.begin(), m_silences.end(),
                       [&](const Options::Silence& silence)
                       {
                           return silence.feed == feed && silence.startSeconds <= now &&
                                  now < silence.startSeconds + silence.durationSeconds;
                       });
}

double nxEmbeddedControlService::GetPlatformSeconds() const
{
    std::lock_guard guard(m_lock);
    return NowSeconds();
}

int64_t nxEmbeddedControlService::GetUtcMicroseconds() const
{
    std::lock_guard guard(m_lock);
    return UtcNow();
}

size_t nxEmbeddedControlService::GetApplicationCount() const
{
    std::lock_guard guard(m_lock);
    return m_platform->GetApplicationCount();
}

bool nxEmbeddedControlService::GetApplicationStatus(const std::string& applicationId,
                                                    nxApplicationStatus& status) const
{
    std::lock_guard guard(m_lock);
    return m_platform->FillStatus(applicationId, NowSeconds(), m_utcAtZero, status);
}

void nxEmbeddedControlService::SilenceFeed(Options::Feed feed, double seconds)
{
    std::lock_guard guard(m_lock);
    const double now = NowSeconds();
    std::erase_if(m_silences, [now](const Options::Silence& silence)
                  { return silence.startSeconds + silence.durationSeconds <= now; });
    m_silences.push_back({feed, now, seconds});
}

void nxEmbeddedControlService::SetRequestRefused(Options::Request request, bool refused)
{
    std::lock_guard guard(m_lock);
    if (refused)
        m_refused.insert(request);
    else
        m_refused.erase(request);
}

bool nxEmbeddedControlService::StopReporting(const std::string& applicationId, double returnAfterSeconds)
{
    std::lock_guard guard(m_lock);
    return m_platform->StopReporting(applicationId, NowSeconds(), returnAfterSeconds);
}

void nxEmbeddedControlService::Wake()
{
    m_wake.notify_all();
}
