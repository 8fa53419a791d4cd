#include <QDir>

#include "grids/nxServerControlGridManager.h"
#include "nxControlGridWindowFixture.h"
#include "platform/grid/window/CCustomizeViewDlg.h"

// Renders the Highlights and Updates pages offscreen, as the operator sees it; with
// VSM_SCREENSHOT_DIR set the pictures are saved there as PNG files.
namespace
{
using Screenshots = nxControlGridWindowFixture<nxServerControlGridManager>;
} // namespace

TEST_F(Screenshots, TheHighlightsPage)
{
    CCustomizeViewDlg dialog(Grid(), m_window.get());
    Grid().InitializeCustomizeViewDialog(dialog);
    dialog.Create();
    // The Updates page (second) has the desktop notifications switch of these grids.
    for (const auto& [page, name] :
         {std::pair<int, const char*>{dialog.GetPageCount() - 1, "customise-view-highlights.png"},
          {1, "customise-view-updates-servers.png"}})
    {
        dialog.SetActivePage(page);
        const QImage image = dialog.grab().toImage();
        ASSERT_FALSE(image.isNull());
        const QString folder = qEnvironmentVariable("VSM_SCREENSHOT_DIR");
        if (!folder.isEmpty())
        {
            EXPECT_TRUE(image.save(QDir(folder).filePath(name)));
        }
    }
}
