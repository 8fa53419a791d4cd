#include "log/window/CHideRowsDlg.h"

#include <algorithm>

#include "log/nxLogDataInterest.h"
#include "log/window/nxLogResourceIds.h"
#include "log/window/nxLogTexts.h"
#include "platform/base/nxMessageBox.h"

namespace
{
using namespace nxLogResource;
namespace Texts = nxLogTexts;

nxDialogTemplate HideRowsTemplate()
{
    using K = nxControlKind;
    return {IDD_HIDE_ROWS,
            Texts::HideRowsCaption,
            309,
            160,
            {
                {-1, K::Static, Texts::HidePatternLabel, {7, 7, 238, 8}},
                {IDC_REGEX_FILTER, K::Edit, "", {7, 17, 238, 14}, nxStyle::ES_AUTOHSCROLL},
                {IDC_HIDE_ADD, K::PushButton, Texts::HideAddButton, {252, 17, 50, 14}},
                {IDC_VERDICT, K::Static, "", {7, 35, 238, 10}},
                {-1, K::Static, Texts::HideListLabel, {7, 52, 238, 8}},
                {IDC_HIDE_LIST, K::ListBox, "", {7, 62, 238, 72}, nxStyle::LBS_NOTIFY | nxStyle::WS_VSCROLL},
                {IDC_HIDE_REMOVE, K::PushButton, Texts::HideRemoveButton, {252, 62, 50, 14}},
                {IDOK, K::DefPushButton, "OK", {198, 139, 50, 14}},
                {IDCANCEL, K::PushButton, "Cancel", {252, 139, 50, 14}},
            }};
}

bool IsValidPattern(const std::string& pattern)
{
    return nxLogDataInterest::IsRegexFilterValid(pattern, false);
}
} // namespace

CHideRowsDlg::CHideRowsDlg(QWidget* parent, std::vector<std::string> patterns, std::string selectedText)
    : CDialogEx(HideRowsTemplate(), parent), m_patterns(std::move(patterns)),
      m_selectedText(std::move(selectedText))
{
    MapNotify(IDC_REGEX_FILTER, nxNotify::EN_CHANGE,
              [this]
              {
                  ShowVerdict();
                  UpdateButtons();
              });
    MapNotify(IDC_HIDE_ADD, nxNotify::BN_CLICKED, [this] { AddEditedPattern(); });
    MapNotify(IDC_HIDE_REMOVE, nxNotify::BN_CLICKED, [this] { OnRemove(); });
    MapNotify(IDC_HIDE_LIST, nxNotify::LBN_SELCHANGE, [this] { UpdateButtons(); });
}

std::string CHideRowsDlg::LiteralPattern(const std::string& text)
{
    static const std::string special = "\\^$.|?*+()[]{}/";
    std::string pattern;
    size_t taken = 0;
    for (char c : text)
    {
        // A line break would end the edit's text; the pattern stops before it.
        if (c == '\n' || c == '\r' || taken == MaximumLiteralLength)
            break;
        // Stops before a cut UTF-8 sequence rather than split a character.
        if (taken + 4 > MaximumLiteralLength && (static_cast<unsigned char>(c) & 0xC0) == 0xC0)
            break;
        if (special.find(c) != std::string::npos)
            pattern += '\\';
        pattern += c;
        ++taken;
    }
    return pattern;
}

void CHideRowsDlg::DoDataExchange()
{
    DDX_Control(IDC_REGEX_FILTER, m_patternEdit);
    DDX_Control(IDC_VERDICT, m_verdict);
    DDX_Control(IDC_HIDE_ADD, m_addButton);
    DDX_Control(IDC_HIDE_LIST, m_list);
    DDX_Control(IDC_HIDE_REMOVE, m_removeButton);
}

bool CHideRowsDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    for (const std::string& pattern : m_patterns)
        m_list.AddString(pattern);
    m_patternEdit.SetWindowText(LiteralPattern(m_selectedText));
    ShowVerdict();
    UpdateButtons();
    GotoDlgCtrl(IDC_REGEX_FILTER);
    return false;
}

void CHideRowsDlg::ShowVerdict()
{
    const std::string pattern = m_patternEdit.GetWindowText();
    std::string verdict;
    if (!pattern.empty())
    {
        try
        {
            // One compile answers both: whether the pattern is valid and whether it hides the row.
            const bool hides = nxLogDataInterest::IsRegexFilterMatch_NoCatch(m_selectedText, pattern, false);
            if (!m_selectedText.empty())
                verdict = hides ? Texts::HidesSelectedRow : Texts::KeepsSelectedRow;
        }
        catch (...)
        {
            verdict = Texts::HideInvalidVerdict;
        }
    }
    m_verdict.SetWindowText(verdict);
}

bool CHideRowsDlg::AddEditedPattern()
{
    const std::string pattern = m_patternEdit.GetWindowText();
    if (pattern.empty())
        return true;
    if (!IsValidPattern(pattern))
    {
        nxMessageBox(GetWindowRef(), Texts::HideInvalidPattern, Texts::InvalidPatternCaption,
                     MB_OK | MB_ICONHAND);
        GotoDlgCtrl(IDC_REGEX_FILTER);
        return false;
    }
    // The list holds the patterns in the same order, one entry each.
    auto found = std::find(m_patterns.begin(), m_patterns.end(), pattern);
    if (found == m_patterns.end())
    {
        m_list.AddString(pattern);
        found = m_patterns.insert(m_patterns.end(), pattern);
    }
    m_list.SetCurSel(static_cast<int>(found - m_patterns.begin()));
    m_patternEdit.SetWindowText("");
    ShowVerdict();
    UpdateButtons();
    GotoDlgCtrl(IDC_REGEX_FILTER);
    return true;
}

void CHideRowsDlg::OnRemove()
{
    const int selected = m_list.GetCurSel();
    if (selected < 0 || static_cast<size_t>(selected) >= m_patterns.size())
        return;
    m_patterns.erase(m_patterns.begin() + selected);
    m_list.DeleteString(selected);
    if (m_list.GetCount() > 0)
        m_list.SetCurSel(std::min(selected, m_list.GetCount() - 1));
    UpdateButtons();
}

void CHideRowsDlg::UpdateButtons()
{
    m_addButton.EnableWindow(!m_patternEdit.GetWindowText().empty());
    m_removeButton.EnableWindow(m_list.GetCurSel() >= 0);
}

void CHideRowsDlg::OnOK()
{
    if (AddEditedPattern())
        CDialogEx::OnOK();
}
