#include <QDir>

#include "grids/nxServerControlGridManager.h"
#include "nxControlGridWindowFixture.h"
#include "platform/grid/window/CCustomizeViewDlg.h"

// Renders the Highlights page offscreen, as the operator sees it; with
// VSM_SCREENSHOT_DIR set the picture is saved there as a PNG file.
namespace
{
using Screenshots = nxControlGridWindowFixture<nxServerControlGridManager>;
} // namespace

TEST_F(Screenshots, TheHighlightsPage)
{
    CCustomizeViewDlg dialog(Grid(), m_window.get());
    Grid().InitializeCustomizeViewDialog(dialog);
    dialog.Create();
    dialog.SetActivePage(dialog.GetPageCount() - 1);
    const QImage image = dialog.grab().toImage();
    ASSERT_FALSE(image.isNull());
    const QString folder = qEnvironmentVariable("VSM_SCREENSHOT_DIR");
    if (!folder.isEmpty())
    {
        EXPECT_TRUE(image.save(QDir(folder).filePath("customise-view-highlights.png")));
    }
}
