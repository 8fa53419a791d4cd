// The log window's status bar: the store's row limit and the older rows it dropped.
#include <QTest>

#include "log/nxLogPipelineFixture.h"
#include "nxAppFixture.h"

TEST_F(nxAppFixture, TheLogWindowShowsTheStoresLimitAndHowManyOlderRowsItDropped)
{
    m_security = std::make_unique<nxRecordingSecurity>(std::set<uint32_t>{100006});
    m_app = std::make_unique<CVantrelSystemManagerApp>();
    m_app->SetLogRowLimit(3);
    ASSERT_NE(m_app->InitInstance(), 0);
    nxGridFrameWnd* log = Open(Log);
    ASSERT_NE(log, nullptr);
    EXPECT_EQ(Grid(log).GetStatusText(), "Keeps 3 rows");

    for (int i = 0; i < 1005; ++i)
        m_service.DeliverLogMessage(MakeLogMessage({.text = "line " + std::to_string(i)}));
    m_service.WaitUntilDelivered();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return Grid(log).GetStatusText() == "Keeps 3 rows, 1,002 older dropped"; }))
        << Grid(log).GetStatusText().toStdString();
    Grid(log).FlushNow();
    EXPECT_EQ(Grid(log).GetModel()->rowCount(), 3);
}
