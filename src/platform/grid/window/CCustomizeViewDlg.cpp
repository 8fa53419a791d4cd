#include "platform/grid/window/CCustomizeViewDlg.h"

#include "platform/grid/nxGridManager.h"
#include "platform/grid/window/CCustomizeViewColoursPropertyPage.h"
#include "platform/grid/window/CCustomizeViewColumnsPropertyPage.h"
#include "platform/grid/window/CCustomizeViewUpdatesPropertyPage.h"

CCustomizeViewDlg::CCustomizeViewDlg(nxGridManager& manager, QWidget* parent)
    : CPropertySheet("Customise this View", parent), m_manager(manager), m_styles(manager.GetStyleManager())
{
}

void CCustomizeViewDlg::ApplyStylesToGrid()
{
    m_manager.SetStyleManager(m_styles);
}

void CCustomizeViewDlg::AddLibraryPages(nxGridManager&, CCustomizeViewDlg& dialog)
{
    dialog.AddPage(new CCustomizeViewColumnsPropertyPage(&dialog));
    dialog.AddPage(new CCustomizeViewUpdatesPropertyPage(&dialog));
    dialog.AddPage(new CCustomizeViewColoursPropertyPage(&dialog));
}
