#include <QApplication>
#include <QImage>
#include <QSignalSpy>

#include "grids/nxClientControlGridManager.h"
#include "grids/nxServerControlGridManager.h"
#include "nxControlGridWindowFixture.h"
#include "platform/ui/nxQtMessageBox.h"

namespace
{
constexpr uint32_t kOK = 8201, kMissing = 8202, kUnexpected = 8203;

class ServerWindow : public nxControlGridWindowFixture<nxServerControlGridManager>
{
protected:
    // Lets the wake the last flush asked for arrive, flushes again, and counts the
    // repaints of the whole grid since the last call.
    int WholeGridRepaints(QSignalSpy& changes)
    {
        QApplication::processEvents();
        m_window->FlushNow();
        int whole = 0;
        const QModelIndex last = Model().index(Model().rowCount() - 1, Model().columnCount() - 1);
        for (const QList<QVariant>& change : changes)
            if (change.at(0).toModelIndex() == Model().index(0, 0) && change.at(1).toModelIndex() == last)
                ++whole;
        changes.clear();
        return whole;
    }

    // The colour painted below the last row, where only the wash can be.
    QColor EmptyArea()
    {
        const QImage image = View().viewport()->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() - 20);
    }
};

using ClientWindow = nxControlGridWindowFixture<nxClientControlGridManager>;
} // namespace

TEST_F(ServerWindow, TheWarningWashComesAndGoesWithOneWholeRepaintEach)
{
    Batch({{.id = "A", .expected = kOK}, {.id = "B", .expected = kOK}, {.id = "C", .expected = kOK}});
    QSignalSpy changes(&Model(), &QAbstractItemModel::dataChanged);
    const QColor plain = EmptyArea();
    EXPECT_FALSE(View().IsShowingWarning());

    Batch({{.id = "A", .expected = kOK}, {.id = "B", .expected = kMissing}, {.id = "C", .expected = kOK}});
    EXPECT_TRUE(View().IsShowingWarning());
    EXPECT_EQ(WholeGridRepaints(changes), 1);
    EXPECT_NE(EmptyArea(), plain) << "the wash is painted";

    Batch({{.id = "A", .expected = kOK}, {.id = "B", .expected = kUnexpected}, {.id = "C", .expected = kOK}});
    EXPECT_TRUE(View().IsShowingWarning());
    EXPECT_EQ(WholeGridRepaints(changes), 0) << "still warning: only the changed row repaints";

    Batch({{.id = "A", .expected = kOK}, {.id = "B", .expected = kOK}, {.id = "C", .expected = kOK}});
    EXPECT_FALSE(View().IsShowingWarning());
    EXPECT_EQ(WholeGridRepaints(changes), 1);
    EXPECT_EQ(EmptyArea(), plain);
}

TEST_F(ServerWindow, MessageBoxesBelongToTheGridWindow)
{
    Batch({{.id = "A"}});
    Grid().StopSelectedApplication();
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(nxWidgetOf(m_boxes.Requests().front().owner), m_window.get());
}

TEST_F(ClientWindow, NeverShowsTheWarning)
{
    Batch({{.id = "A", .expected = kMissing, .delta = 5}});
    EXPECT_FALSE(Grid().ShouldShowWarningAlphaBlend());
    EXPECT_FALSE(View().IsShowingWarning());
}
