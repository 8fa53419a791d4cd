#pragma once

#include <string>
#include <vector>

#include "platform/grid/data/nxGridDataTypes.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CListBox.h"

// A dialog of two lists: attributes on offer, and the ones chosen, in order,
// each with a direction where that matters. Add, Remove, Move Up and Move Down
// move them about; a double click adds or removes.
class CPickListDlg : public CDialog
{
    Q_OBJECT

public:
    enum ControlId
    {
        IDC_AVAILABLE = 1001,
        IDC_CHOSEN = 1002,
        IDC_ADD = 1003,
        IDC_REMOVE = 1004,
        IDC_MOVE_UP = 1005,
        IDC_MOVE_DOWN = 1006,
    };
    struct Item
    {
        nxAttributeID id = 0;
        bool ascending = true;
    };

protected:
    // The lists, buttons and OK and Cancel, the chosen list under its label, then
    // the dialog's own controls; OK and Cancel sit at buttonsTop.
    static nxDialogTemplate MakeTemplate(unsigned id, std::string caption, std::string chosenLabel,
                                         int height, std::vector<nxDialogControl> extra);

    CPickListDlg(const nxDialogTemplate& dialogTemplate, QWidget* parent);

    void DoDataExchange() override;
    virtual std::string ChosenText(const Item& item) const;
    void FillLists(int chosenSelection);
    // The chosen item under the cursor, or null.
    Item* SelectedChosen();

    std::vector<nxAttributeID> m_offered;
    std::vector<Item> m_chosen;

private:
    void Add();
    void Remove();
    void Move(int by);

    CListBox m_availableList;
    CListBox m_chosenList;
};
