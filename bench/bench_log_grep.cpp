// The log data side against grep on the same lines, in one run: the lines are
// written to a temporary file, `grep -E -c` (with -i for a case-insensitive
// filter) counts the matching lines of it, and the same lines go through the
// log subscription as messages to the views below. Reported: lines a second for
// both, their ratio, and the share of lines the views show (which must be the
// share grep counts). grep runs in the C locale: bytes, as the log filter reads them.
// Without any view only the store's own rate is reported.
// The machine may be shared: besides wall-clock rates, the ratio of the CPU time
// each side spent is reported (ratio_cpu), which others' load does not skew.
// VSM_BENCH_LINES (default 1,000,000) and VSM_BENCH_ROUNDS (default 5) make a
// run small enough for an instruction-counting profiler.
#include <benchmark/benchmark.h>

#include "nxBenchGrid.h"

#include <sys/resource.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "log/nxLogDataInterest.h"
#include "log/nxLogDataManager.h"
#include "log/nxLogSubscription.h"
#include "platform/messaging/nxLogMessage.h"
#include "platform/service/nxScriptedControlService.h"

namespace
{
using Clock = std::chrono::steady_clock;

long FromEnvironment(const char* name, long fallback)
{
    const char* value = std::getenv(name);
    const long parsed = value ? std::strtol(value, nullptr, 10) : 0;
    return parsed > 0 ? parsed : fallback;
}

const long kLines = FromEnvironment("VSM_BENCH_LINES", 1000000);
const long kRounds = FromEnvironment("VSM_BENCH_ROUNDS", 5);

struct nxGrepFilter
{
    const char* pattern;
    bool caseInsensitive;
};

// About 95 bytes a line; 13% match the first filter below, 16% without regard to case.
std::string MakeLine(std::mt19937& random)
{
    auto number = [&](unsigned below) { return std::to_string(random() % below); };
    const unsigned kind = random() % 100;
    if (kind < 30)
        return "Order " + number(90000) + " filled " + number(5000) + " @ 101." + number(100) +
               " on XLON for account " + number(9000) + " via gateway ldn-gw-" + number(9) + " session " +
               number(99);
    if (kind < 50)
        return "Quote update for VOD.L bid 71." + number(100) + " ask 71." + number(100) + " size " +
               number(100000) + " from feed handler mkt-feed-" + number(9) + " seq " + number(1000000);
    if (kind < 65)
        return "Heartbeat from gateway ldn-gw-" + number(9) + " received after " + number(90) +
               "ms, queue depth " + number(500) + ", last order " + number(90000);
    if (kind < 72)
        return "error " + number(9000) + " code " + number(99) + ": exchange gateway ldn-gw-" + number(9) +
               " refused order " + number(90000) + " for account " + number(9000);
    if (kind < 78)
        return "error " + number(9000) + " lost connection to exchange gateway ldn-gw-" + number(9) +
               ", retrying in " + number(30) + "s (attempt " + number(9) + " of 10)";
    if (kind < 81)
        return "Error " + number(9000) + " Code " + number(99) + ": market data gap on feed mkt-feed-" +
               number(9) + ", requesting replay from seq " + number(1000000);
    if (kind < 86)
        return "error in risk check for order " + number(90000) + ": credit limit exceeded for account " +
               number(9000) + ", limit " + number(100000);
    return "Timeout " + number(900) + "ms waiting for risk check on order " + number(90000) +
           " from gateway ldn-gw-" + number(9) + ", retrying";
}

const char* const kApplications[] = {"Pricer", "OrderRouter", "RiskGate", "MarketFeed"};
const char* const kHosts[] = {"ldn-app-1", "ldn-app-2", "ldn-app-3"};

// The lines, in memory and in a temporary file, made once for every case.
class nxGrepCorpus
{
public:
    static const nxGrepCorpus& Get(size_t lines)
    {
        static std::unique_ptr<nxGrepCorpus> corpus;
        if (!corpus || corpus->m_lines.size() != lines)
            corpus.reset(new nxGrepCorpus(lines));
        return *corpus;
    }
    ~nxGrepCorpus() { std::filesystem::remove(m_path); }

    const std::vector<std::string>& Lines() const { return m_lines; }
    const std::string& Path() const { return m_path; }

private:
    explicit nxGrepCorpus(size_t lines)
    {
        std::mt19937 random(20240611);
        m_lines.reserve(lines);
        for (size_t line = 0; line < lines; ++line)
            m_lines.push_back(MakeLine(random));
        std::string path = (std::filesystem::temp_directory_path() / "vsm-grep-XXXXXX").string();
        const int descriptor = mkstemp(path.data());
        if (descriptor >= 0)
            close(descriptor);
        m_path = path;
        std::ofstream file(m_path, std::ios::binary);
        for (const std::string& text : m_lines)
            file << text << '\n';
    }

    std::vector<std::string> m_lines;
    std::string m_path;
};

double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// CPU time of the waited-for child processes so far.
double ChildrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval& time)
    { return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Seconds grep takes over the file, wall-clock and CPU, and the count it
// prints; a negative count when grep could not be run.
struct nxGrepRun
{
    double seconds = 0;
    double cpuSeconds = 0;
    long count = -1;
};

nxGrepRun RunGrep(const std::string& path, const nxGrepFilter& filter)
{
    const std::string out = path + ".count";
    const std::string command = std::string("LC_ALL=C grep -E -c ") + (filter.caseInsensitive ? "-i " : "") +
                                "'" + filter.pattern + "' '" + path + "' > '" + out + "'";
    nxGrepRun run;
    const auto start = Clock::now();
    const double cpuStart = ChildrenCpuSeconds();
    const int status = std::system(command.c_str());
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.cpuSeconds = ChildrenCpuSeconds() - cpuStart;
    if (status != 0 && status != 256) // grep answers 1 when nothing matched
        return {};
    std::ifstream(out) >> run.count;
    std::filesystem::remove(out);
    return run;
}

// The data side with its views, as bench_log runs it; every so many lines the
// views are closed and opened again, untimed, so that the store stays small.
class nxLogFeed
{
public:
    explicit nxLogFeed(std::vector<nxGrepFilter> filters) : m_filters(std::move(filters))
    {
        m_manager.Create();
        OpenViews();
    }
    ~nxLogFeed()
    {
        CloseViews();
        m_manager.Destroy();
    }

    // Feeds the lines through the subscription, timing it; counts the rows the first view showed.
    // The messages arrive made, as the service hands them over: making them is
    // not timed, deleting them is (the subscription does). They are made a few
    // hundred kilobytes at a time, so that they are still in the cache when
    // filed, as a message just decoded is.
    void Feed(const std::vector<std::string>& lines)
    {
        constexpr size_t kReopenEvery = 100000;
        constexpr size_t kMadeAtOnce = 1000;
        std::vector<nxLogMessage*> messages;
        for (size_t begin = 0; begin < lines.size(); begin += kReopenEvery)
        {
            const size_t end = std::min(lines.size(), begin + kReopenEvery);
            for (size_t batch = begin; batch < end; batch += kMadeAtOnce)
            {
                messages.clear();
                for (size_t line = batch; line < std::min(end, batch + kMadeAtOnce); ++line)
                    messages.push_back(MakeMessage(line, lines[line]));
                const auto start = Clock::now();
                const double cpuStart = ProcessCpuSeconds();
                for (nxLogMessage* message : messages)
                    File(message);
                m_cpuSeconds += ProcessCpuSeconds() - cpuStart;
                m_seconds += std::chrono::duration<double>(Clock::now() - start).count();
            }
            CloseViews();
            OpenViews();
        }
    }
    double Seconds() const { return m_seconds; }
    double CpuSeconds() const { return m_cpuSeconds; }
    size_t ShownByFirstView() const { return m_shown; }

private:
    // Without a view there is no subscription: the message goes to the store as
    // one would that arrived as the last view closed.
    void File(nxLogMessage* message)
    {
        if (m_subscription)
        {
            m_subscription->OnLogMessage(message, nullptr);
            return;
        }
        const std::unique_ptr<nxLogMessage> owned(message);
        m_manager.OnLogUpdate(std::move(*owned), nullptr);
    }

    static nxLogMessage* MakeMessage(size_t line, const std::string& text)
    {
        auto* message = new nxLogMessage();
        message->SetApplicationName(kApplications[line % std::size(kApplications)]);
        message->SetHostName(kHosts[line % std::size(kHosts)]);
        message->SetLogLevel(nxLogLevelEnum(33 + static_cast<uint32_t>(line % 5)));
        message->SetLogEntry(text);
        return message;
    }

    void OpenViews()
    {
        for (const nxGrepFilter& filter : m_filters)
        {
            auto view = std::make_unique<View>();
            view->interest.SetFilter(
                {.regexFilter = filter.pattern, .regexFilterCaseInsensitive = filter.caseInsensitive});
            view->interest.SetListener(&view->grid);
            view->interest.AttachToDataManager();
            m_views.push_back(std::move(view));
        }
        std::lock_guard guard(m_manager.GetLock());
        m_subscription = dynamic_cast<nxLogSubscription*>(
            m_manager.GetSubscriptionManager().FindSubscription("LogMessage"));
    }
    void CloseViews()
    {
        if (!m_views.empty())
            m_shown += m_views.front()->grid.RowCount();
        for (auto& view : m_views)
        {
            {
                std::lock_guard guard(m_manager.GetLock());
                view->interest.SetListener(nullptr);
                view->grid.OnRemoveAllGridDataObjects(view->interest);
            }
            view->interest.DetachFromDataManager();
        }
        m_views.clear();
    }

    struct View
    {
        nxLogDataInterest interest;
        nxBenchGrid grid;
    };

    nxScriptedControlService m_service;
    nxLogDataManager m_manager;
    std::vector<nxGrepFilter> m_filters;
    std::vector<std::unique_ptr<View>> m_views;
    nxLogSubscription* m_subscription = nullptr;
    size_t m_shown = 0;
    double m_seconds = 0;
    double m_cpuSeconds = 0;
};

// One round: grep over the file once for each view's filter, one after the
// other, then the lines through the store with all those views open.
struct nxRound
{
    double grepSeconds = 0;
    double grepCpuSeconds = 0;
    long grepCount = -1;
    double logSeconds = 0;
    double logCpuSeconds = 0;
    size_t shown = 0;
};

std::optional<nxRound> RunRound(const nxGrepCorpus& corpus, const std::vector<nxGrepFilter>& filters)
{
    nxRound round;
    for (const nxGrepFilter& filter : filters)
    {
        const nxGrepRun run = RunGrep(corpus.Path(), filter);
        if (run.count < 0)
            return std::nullopt;
        round.grepSeconds += run.seconds;
        round.grepCpuSeconds += run.cpuSeconds;
        if (&filter == &filters.front())
            round.grepCount = run.count;
    }
    nxLogFeed feed(filters);
    feed.Feed(corpus.Lines());
    round.logSeconds = feed.Seconds();
    round.logCpuSeconds = feed.CpuSeconds();
    round.shown = feed.ShownByFirstView();
    return round;
}

// Five rounds (by default), grep and the store taking turns so that both meet the same
// load of a shared machine; the medians of the rounds are reported, which a
// burst of others' work during one or two rounds does not move.
void CompareWithGrep(benchmark::State& state, std::vector<nxGrepFilter> filters)
{
    const nxGrepCorpus& corpus = nxGrepCorpus::Get(static_cast<size_t>(state.range(0)));
    const double lines = static_cast<double>(corpus.Lines().size());
    for (auto _ : state)
    {
        std::vector<nxRound> rounds;
        for (long repeat = 0; repeat < kRounds; ++repeat)
        {
            const std::optional<nxRound> round = RunRound(corpus, filters);
            if (!round)
            {
                state.SkipWithError("grep could not be run");
                return;
            }
            if (!filters.empty() && static_cast<long>(round->shown) != round->grepCount)
            {
                state.SkipWithError("the first view does not show the lines grep counts");
                return;
            }
            rounds.push_back(*round);
        }
        auto median = [&rounds](auto valueOf)
        {
            std::vector<double> values;
            for (const nxRound& round : rounds)
                values.push_back(valueOf(round));
            return Median(values);
        };
        const double logSeconds = median([](const nxRound& round) { return round.logSeconds; });
        state.SetIterationTime(logSeconds);
        state.counters["log_per_s"] = lines / logSeconds;
        if (filters.empty())
            continue;
        state.counters["grep_per_s"] = lines / median([](const nxRound& round) { return round.grepSeconds; });
        // Each round's own ratio: its two sides ran close together.
        state.counters["ratio"] =
            median([](const nxRound& round) { return round.logSeconds / round.grepSeconds; });
        state.counters["ratio_cpu"] =
            median([](const nxRound& round) { return round.logCpuSeconds / round.grepCpuSeconds; });
        state.counters["shown"] = static_cast<double>(rounds.front().grepCount) / lines;
    }
}

const nxGrepFilter kErrorCodeOrLost{"error [0-9]+ (code|lost)", false};
const nxGrepFilter kErrorCodeOrLostAnyCase{"error [0-9]+ (code|lost)", true};
const nxGrepFilter kAboutHalf{"filled|refused|retrying", false};
const std::vector<nxGrepFilter> kFourFilters = {{"error|lost", true},
                                                {"timeout [0-9]+ms", true},
                                                {"^Order [0-9]+ (filled|rejected)", false},
                                                {"(gateway|exchange) .*retry", false}};

// The store alone, every message numbered and passed by: what a message costs that no one shows.
void BM_LogVersusGrep_NoView(benchmark::State& state)
{
    CompareWithGrep(state, {});
}
void BM_LogVersusGrep_OneView(benchmark::State& state)
{
    CompareWithGrep(state, {kErrorCodeOrLost});
}
void BM_LogVersusGrep_OneViewAnyCase(benchmark::State& state)
{
    CompareWithGrep(state, {kErrorCodeOrLostAnyCase});
}
void BM_LogVersusGrep_ViewShowingAboutHalf(benchmark::State& state)
{
    CompareWithGrep(state, {kAboutHalf});
}
void BM_LogVersusGrep_FourRegexViews(benchmark::State& state)
{
    CompareWithGrep(state, kFourFilters);
}
} // namespace

BENCHMARK(BM_LogVersusGrep_NoView)
    ->Arg(kLines)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogVersusGrep_OneView)
    ->Arg(kLines)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogVersusGrep_OneViewAnyCase)
    ->Arg(kLines)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogVersusGrep_ViewShowingAboutHalf)
    ->Arg(kLines)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogVersusGrep_FourRegexViews)
    ->Arg(kLines)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
