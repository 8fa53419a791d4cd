#pragma once

#include "platform/grid/CGridStyleManager.h"
#include "platform/ui/CPropertySheet.h"

class nxGridManager;

// "Customise this View": a property sheet whose pages work on one copy of the
// grid's style manager. OK and Apply copy it (and each page's own changes) to
// the grid at once; Cancel leaves the grid as it was. The grid manager fills
// the sheet (nxGridManager::InitializeCustomizeViewDialog); AddPage appends.
class CCustomizeViewDlg : public CPropertySheet
{
    Q_OBJECT

public:
    CCustomizeViewDlg(nxGridManager& manager, QWidget* parent);

    nxGridManager& GetGridManager() const { return m_manager; }
    // The working copy the pages change.
    CGridStyleManager& GetStyleManager() { return m_styles; }
    // Copies the working copy to the grid, which repaints.
    void ApplyStylesToGrid();

    // The library's pages: columns, updates, colours.
    static void AddLibraryPages(nxGridManager& manager, CCustomizeViewDlg& dialog);

private:
    nxGridManager& m_manager;
    CGridStyleManager m_styles;
};
