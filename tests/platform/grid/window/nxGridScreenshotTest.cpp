#include <QDir>
#include <QTabWidget>

#include "nxGridWindowFixture.h"
#include "platform/grid/window/CCustomizeViewDlg.h"

// Renders the grid and the customise-view dialog offscreen, as the operator would
// see them; with VSM_SCREENSHOT_DIR set the pictures are saved there as PNG files.
namespace
{
class Screenshots : public nxGridWindowFixture
{
protected:
    void Save(const QImage& image, const char* name)
    {
        ASSERT_FALSE(image.isNull());
        EXPECT_GT(image.width(), 100);
        const QString folder = qEnvironmentVariable("VSM_SCREENSHOT_DIR");
        if (!folder.isEmpty())
        {
            EXPECT_TRUE(image.save(QDir(folder).filePath(name)));
        }
    }

    void ShowStatusColumns()
    {
        auto columns = Grid().GetColumnSettings();
        for (nxAttributeID id : {9005u, 9014u, 9016u, 9017u})
        {
            nxGridManager::ColumnSetting column;
            column.attributeId = id;
            column.order = static_cast<int>(columns.size());
            columns.push_back(column);
        }
        Grid().SetColumnSettings(columns);
        m_window->resize(900, 260);
        m_window->setWindowTitle("Server Applications");
    }
};
} // namespace

TEST_F(Screenshots, AGridWithHighlightsAFlashAndTheWarning)
{
    ShowStatusColumns();
    Batch({{.id = "ORD-01", .expected = 8201, .location = "London"},
           {.id = "ORD-02", .expected = 8201, .delta = 7, .location = "London"},
           {.id = "PRC-01", .expected = 8203, .location = "Paris"},
           {.id = "PRC-02", .expected = 8204, .location = "Frankfurt"},
           {.id = "RSK-01", .expected = 8202, .status = 8005, .location = "London"},
           {.id = "RSK-02", .expected = 8201, .location = "New York"}});
    Batch({{.id = "ORD-01", .expected = 8201, .location = "London"},
           {.id = "ORD-02", .expected = 8201, .delta = 7, .location = "London"},
           {.id = "PRC-01", .expected = 8203, .location = "Paris"},
           {.id = "PRC-02", .expected = 8204, .location = "Frankfurt"},
           {.id = "RSK-01", .expected = 8202, .status = 8005, .location = "London"},
           {.id = "RSK-02", .expected = 8201, .location = "Singapore"}});
    // RSK-02 moved, and its cell is part way through its flash.
    m_clock.AdvanceSeconds(0.5);
    View().selectionModel()->select(QItemSelection(Model().index(0, 0), Model().index(1, 6)),
                                    QItemSelectionModel::ClearAndSelect);
    m_window->FlushNow();
    ASSERT_TRUE(View().IsShowingWarning());
    Save(m_window->grab().toImage(), "grid-highlights-flash-warning.png");

    Batch({{.id = "ORD-01", .expected = 8201, .location = "London"},
           {.id = "PRC-02", .expected = 8204, .location = "Frankfurt"},
           {.id = "RSK-02", .expected = 8201, .location = "Singapore"}});
    m_window->FlushNow();
    ASSERT_FALSE(View().IsShowingWarning());
    Save(m_window->grab().toImage(), "grid-calm.png");

    m_data->OnServerApplicationStatusDisconnectDetected();
    m_window->FlushNow();
    Save(m_window->grab().toImage(), "grid-stale.png");
}

TEST_F(Screenshots, TheCustomiseViewDialog)
{
    CCustomizeViewDlg dialog(Grid(), m_window.get());
    Grid().InitializeCustomizeViewDialog(dialog);
    dialog.Create();
    const char* names[] = {"customise-view-columns.png", "customise-view-updates.png",
                           "customise-view-colours.png"};
    for (int page = 0; page < dialog.GetPageCount(); ++page)
    {
        dialog.SetActivePage(page);
        Save(dialog.grab().toImage(), names[page]);
    }
}
