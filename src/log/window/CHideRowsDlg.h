#pragma once

#include <string>
#include <vector>

#include "platform/ui/CButton.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CStatic.h"

// The hide patterns of a log view. It starts with the selected row's text as a
// literal pattern, which the operator edits (say, a number into [0-9]+) and adds;
// the list shows every pattern, and Remove takes one out. A pattern is accepted by
// the test the Filters dialog makes, and the dialog says while it is edited whether
// it hides the selected row. OK also adds a pattern left in the edit.
class CHideRowsDlg : public CDialogEx
{
public:
    CHideRowsDlg(QWidget* parent, std::vector<std::string> patterns, std::string selectedText);

    const std::vector<std::string>& GetPatterns() const { return m_patterns; }

    // The text as a pattern that matches exactly that text, cut to a length an
    // operator can still read and edit.
    static std::string LiteralPattern(const std::string& text);
    static constexpr size_t MaximumLiteralLength = 200;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void ShowVerdict();
    // Adds the edited pattern; false when it is not valid (the operator is told).
    bool AddEditedPattern();
    void OnRemove();
    void UpdateButtons();

    std::vector<std::string> m_patterns;
    std::string m_selectedText;
    CEdit m_patternEdit;
    CStatic m_verdict;
    CButton m_addButton;
    CListBox m_list;
    CButton m_removeButton;
};
