#include <memory>

#include "nxEmbeddedPlatformFixture.h"
#include "nxLogCapture.h"
#include "nxRecordingListener.h"
#include "platform/base/nxSteadyClock.h"
#include "platform/messaging/nxMessageManager.h"
#include "status/nxControlDataInterest.h"
#include "status/nxControlDataManager.h"
#include "status/nxControlSubscription.h"
#include "status/nxGetMatchingDataObjectsAction.h"

namespace
{
// The console's status data side on the embedded platform, with the platform and the
// staleness watch moved on together by a clock the test drives.
class EmbeddedPlatformPipeline : public nxEmbeddedPlatformFixture
{
protected:
    struct View
    {
        nxControlDataInterest interest;
        nxRecordingListener listener;
    };

    void Open(View& view, uint32_t kind)
    {
        view.interest.SetClientServer(nxClientServerEnum(kind));
        view.interest.SetListener(&view.listener);
        const nxErrorEnum attached = view.interest.AttachToDataManager();
        ASSERT_TRUE(attached.IsOK()) << attached.GetLongDescription();
        ASSERT_TRUE(m_manager->FetchControlDataObjects(&view.interest).IsOK());
    }

    void Seconds(int seconds)
    {
        for (int i = 0; i < seconds; ++i)
        {
            m_clock.AdvanceSeconds(1);
            m_service->RunFor(1);
            nxMessageManager::GetInstance()->RunDueTimers();
        }
    }

    // How many rows there are, and how many of them are marked stale.
    std::pair<size_t, size_t> StaleRows()
    {
        nxGetMatchingDataObjectsAction rows;
        std::lock_guard guard(m_manager->GetLock());
        m_manager->ExecuteAction(std::string(), rows);
        size_t stale = 0;
        for (nxControlDataObject* row : rows.GetDataObjects())
            stale += (row->GetAttribute(9001)->GetAttributeHighlight() & nxControlHighlight::Stale) != 0;
        return {rows.GetDataObjects().size(), stale};
    }

    nxScopedManualClock m_clock;
    std::unique_ptr<nxControlDataManager> m_manager;
};
} // namespace

TEST_F(EmbeddedPlatformPipeline, SilentFeedsMarkEveryRowStaleUntilTheNextBatches)
{
    nxLogCapture log;
    Make();
    m_manager = std::make_unique<nxControlDataManager>();
    ASSERT_TRUE(m_manager->Create());
    View servers;
    View clients;
    Open(servers, nxServerValue);
    Open(clients, nxClientValue);
    m_service->RunPending();
    EXPECT_EQ(servers.listener.RowCount(), m_options.serverCount) << "the snapshot filled the view";
    EXPECT_EQ(clients.listener.RowCount(), m_options.clientCount);

    Seconds(10);
    const size_t rows = m_options.serverCount + m_options.clientCount;
    EXPECT_EQ(StaleRows(), std::make_pair(rows, size_t{0}));

    // The watch ticks every 5 seconds from the subscription: at 25 seconds the feeds
    // have been silent for exactly 15, at 30 for 20.
    m_service->SilenceFeed(nxEmbeddedPlatformOptions::Feed::ServerStatus, 22);
    m_service->SilenceFeed(nxEmbeddedPlatformOptions::Feed::ClientStatus, 22);
    Seconds(15);
    EXPECT_EQ(StaleRows().second, 0u) << "not more than 15 seconds yet";
    Seconds(6);
    EXPECT_EQ(StaleRows(), std::make_pair(rows, rows));
    EXPECT_EQ(log.FromSource("nxControlSubscription").size(), 1u);

    Seconds(1);
    EXPECT_EQ(StaleRows(), std::make_pair(rows, size_t{0})) << "the first batches after the silence";

    servers.interest.DetachFromDataManager();
    clients.interest.DetachFromDataManager();
    m_manager->Destroy();
}
