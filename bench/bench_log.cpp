// Messages filed per second by the log data manager, with the views a console
// typically has open. Each message arrives as the service hands it over: a new
// message to the log subscription, which files it and deletes it.
#include <benchmark/benchmark.h>

#include "nxBenchGrid.h"

#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "log/nxLogDataInterest.h"
#include "log/nxLogDataManager.h"
#include "log/nxLogRegexFilter.h"
#include "log/nxLogSubscription.h"
#include "platform/grid/data/nxAttributeObserver.h"
#include "platform/grid/data/nxGridDataInterestListener.h"
#include "platform/messaging/nxLogMessage.h"
#include "platform/service/nxScriptedControlService.h"

namespace
{
// For comparison: the same regex filter, compiling its pattern for every row.
class nxCompilingRegexInterest : public nxLogDataInterest
{
public:
    nxCompilingRegexInterest(std::string pattern, bool caseInsensitive)
        : m_pattern(std::move(pattern)), m_caseInsensitive(caseInsensitive)
    {
    }

protected:
    bool _IsInterested(const nxGridDataObject* object) const override
    {
        const auto* row = dynamic_cast<const nxLogDataObject*>(object);
        return row && nxLogDataInterest::_IsInterested(object) &&
               IsRegexFilterMatch(row->GetLogText(), m_pattern, m_caseInsensitive);
    }

private:
    std::string m_pattern;
    bool m_caseInsensitive;
};

struct nxBenchView
{
    std::unique_ptr<nxLogDataInterest> interest;
    nxBenchGrid grid;
};

const char* const kApplications[] = {"Pricer", "OrderRouter", "RiskGate", "MarketFeed"};
const char* const kTexts[] = {
    "Order 40213 filled 500 @ 101.25 on XLON for account 7730",
    "Heartbeat from gateway ldn-gw-3 received after 12ms",
    "ERROR: connection to exchange gateway lost, retrying in 5s",
    "Timeout 250ms waiting for risk check on order 40214",
    "Quote update for VOD.L bid 71.02 ask 71.04 size 10000",
    "Order 40215 rejected: credit limit exceeded for account 7731",
    "Market data snapshot complete: 5321 instruments",
    "Session logon accepted for member FIRM22",
};

std::vector<nxLogMessage> MakeMessages()
{
    std::vector<nxLogMessage> messages;
    for (int i = 0; i < 64; ++i)
    {
        nxLogMessage message;
        message.SetApplicationName(kApplications[i % 4]);
        message.SetHostName(i % 3 ? "ldn-app-1" : "ldn-app-2");
        message.SetLogLevel(nxLogLevelEnum(31 + static_cast<uint32_t>(i * 7 % 8)));
        message.SetLogEntry(kTexts[i % 8]);
        messages.push_back(message);
    }
    return messages;
}

// The views stay attached for the whole run; every so many messages they are
// closed and opened again so that the store does not grow without end.
class nxLogBench
{
public:
    using ViewMaker = std::unique_ptr<nxLogDataInterest> (*)(int index);

    nxLogBench(int viewCount, ViewMaker makeView) : m_viewCount(viewCount), m_makeView(makeView)
    {
        m_manager.Create();
        OpenViews();
    }
    ~nxLogBench()
    {
        CloseViews();
        m_manager.Destroy();
    }

    void Run(benchmark::State& state)
    {
        const std::vector<nxLogMessage> messages = MakeMessages();
        size_t next = 0;
        for (auto _ : state)
        {
            m_subscription->OnLogMessage(new nxLogMessage(messages[next++ % messages.size()]), nullptr);
            if (next % 20000 == 0)
            {
                state.PauseTiming();
                CloseViews();
                OpenViews();
                state.ResumeTiming();
            }
        }
        state.SetItemsProcessed(state.iterations());
    }

private:
    void OpenViews()
    {
        for (int index = 0; index < m_viewCount; ++index)
        {
            auto view = std::make_unique<nxBenchView>();
            view->interest = m_makeView(index);
            view->interest->SetListener(&view->grid);
            view->interest->AttachToDataManager();
            m_views.push_back(std::move(view));
        }
        std::lock_guard guard(m_manager.GetLock());
        m_subscription = m_viewCount ? dynamic_cast<nxLogSubscription*>(
                                           m_manager.GetSubscriptionManager().FindSubscription("LogMessage"))
                                     : &m_unattached;
    }
    void CloseViews()
    {
        for (auto& view : m_views)
        {
            {
                std::lock_guard guard(m_manager.GetLock());
                view->interest->SetListener(nullptr);
                view->grid.OnRemoveAllGridDataObjects(*view->interest);
            }
            view->interest->DetachFromDataManager();
        }
        m_views.clear();
    }

    nxScriptedControlService m_service;
    nxLogDataManager m_manager;
    nxLogSubscription m_unattached;
    nxLogSubscription* m_subscription = nullptr;
    int m_viewCount;
    ViewMaker m_makeView;
    std::vector<std::unique_ptr<nxBenchView>> m_views;
};

std::unique_ptr<nxLogDataInterest> AcceptEverything(int)
{
    return std::make_unique<nxLogDataInterest>();
}

std::unique_ptr<nxLogDataInterest> ByApplicationAndLevels(int index)
{
    auto interest = std::make_unique<nxLogDataInterest>();
    interest->SetFilter(
        {.applicationName = kApplications[index],
         .logLevels = {nxLogLevelEnum(33), nxLogLevelEnum(35), nxLogLevelEnum(37), nxLogLevelEnum(38)}});
    return interest;
}

struct nxPattern
{
    const char* pattern;
    bool caseInsensitive;
};
const nxPattern kPatterns[] = {
    {"error|lost", true},
    {"timeout \\d+ms", true},
    {"^Order \\d+ (filled|rejected)", false},
    {"(gateway|exchange) .*retry", false},
};

std::unique_ptr<nxLogDataInterest> ByRegex(int index)
{
    auto interest = std::make_unique<nxLogDataInterest>();
    interest->SetFilter({.regexFilter = kPatterns[index].pattern,
                         .regexFilterCaseInsensitive = kPatterns[index].caseInsensitive});
    return interest;
}

std::unique_ptr<nxLogDataInterest> ByRegexCompiledEachTime(int index)
{
    return std::make_unique<nxCompilingRegexInterest>(kPatterns[index].pattern,
                                                      kPatterns[index].caseInsensitive);
}

void BM_LogFiling_NoView(benchmark::State& state)
{
    nxLogBench(0, AcceptEverything).Run(state);
}
void BM_LogFiling_OneAcceptingView(benchmark::State& state)
{
    nxLogBench(1, AcceptEverything).Run(state);
}
void BM_LogFiling_FourApplicationAndLevelViews(benchmark::State& state)
{
    nxLogBench(4, ByApplicationAndLevels).Run(state);
}
void BM_LogFiling_FourRegexViews(benchmark::State& state)
{
    nxLogBench(4, ByRegex).Run(state);
}
void BM_LogFiling_FourRegexViewsCompilingEachTest(benchmark::State& state)
{
    nxLogBench(4, ByRegexCompiledEachTime).Run(state);
}
// One search of a 4,000-byte line for nested quantifiers, which make a backtracking
// engine try every way of splitting the line; the argument is the length of the
// pattern's dead alternative (50: a pattern of 57 bytes).
void BM_LogRegexSearch_NestedQuantifiers(benchmark::State& state)
{
    const nxLogRegexFilter filter("(a+)+b|" + std::string(static_cast<size_t>(state.range(0)), 'z'), false);
    const std::string line(4000, 'a');
    for (auto _ : state)
        benchmark::DoNotOptimize(filter.IsMatch(line));
}

// The same with a back reference, which only the backtracking engine, with its bound, answers.
void BM_LogRegexSearch_NestedQuantifiersWithBackReference(benchmark::State& state)
{
    const nxLogRegexFilter filter("(a+)+\\1b|" + std::string(static_cast<size_t>(state.range(0)), 'z'),
                                  false);
    const std::string line(4000, 'a');
    for (auto _ : state)
        benchmark::DoNotOptimize(filter.IsMatch(line));
}
} // namespace

BENCHMARK(BM_LogRegexSearch_NestedQuantifiers)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogRegexSearch_NestedQuantifiersWithBackReference)
    ->Arg(50)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogFiling_NoView);
BENCHMARK(BM_LogFiling_OneAcceptingView);
BENCHMARK(BM_LogFiling_FourApplicationAndLevelViews);
BENCHMARK(BM_LogFiling_FourRegexViews);
BENCHMARK(BM_LogFiling_FourRegexViewsCompilingEachTest);
