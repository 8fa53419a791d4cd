#include "log/window/CLogFilterDlg.h"

#include "log/nxLogDataInterest.h"
#include "log/window/CTestRegexFilterDlg.h"
#include "log/window/nxLogResourceIds.h"
#include "log/window/nxLogTexts.h"

namespace
{
using namespace nxLogResource;
namespace Texts = nxLogTexts;

nxDialogTemplate FiltersTemplate()
{
    using K = nxControlKind;
    return {IDD_FILTERS,
            Texts::FiltersCaption,
            309,
            164,
            {
                {IDOK, K::DefPushButton, "OK", {252, 7, 50, 14}},
                {IDCANCEL, K::PushButton, "Cancel", {252, 24, 50, 14}},
                {-1, K::Static, Texts::ApplicationLabel, {7, 10, 62, 8}},
                {IDC_APPLICATION, K::Edit, "", {72, 7, 170, 14}, nxStyle::ES_AUTOHSCROLL},
                {-1, K::Static, Texts::HostLabel, {7, 28, 62, 8}},
                {IDC_HOST, K::Edit, "", {72, 25, 170, 14}, nxStyle::ES_AUTOHSCROLL},
                {-1, K::Static, Texts::LogLevelsLabel, {7, 45, 62, 8}},
                {IDC_LOG_LEVELS,
                 K::ListBox,
                 "",
                 {72, 43, 170, 76},
                 nxStyle::LBS_MULTIPLESEL | nxStyle::LBS_NOTIFY | nxStyle::WS_VSCROLL},
                {-1, K::Static, Texts::RegexFilterLabel, {7, 128, 62, 8}},
                {IDC_REGEX_FILTER, K::Edit, "", {72, 125, 170, 14}, nxStyle::ES_AUTOHSCROLL},
                {IDC_TEST, K::PushButton, Texts::TestButton, {252, 125, 50, 14}},
                {IDC_CASE_INSENSITIVE, K::CheckBox, Texts::CaseInsensitive, {72, 144, 100, 10}},
            }};
}

// Whether the filter can compile the pattern: it is tried on a fixed text, and
// only an exception counts, not the answer. An empty pattern sets no condition.
bool PatternCompiles(const std::string& pattern, bool caseInsensitive)
{
    if (pattern.empty())
        return true;
    try
    {
        nxLogDataInterest::IsRegexFilterMatch_NoCatch(Texts::PatternProbe, pattern, caseInsensitive);
        return true;
    }
    catch (...)
    {
        return false;
    }
}
} // namespace

CLogFilterDlg::CLogFilterDlg(QWidget* parent) : CDialog(FiltersTemplate(), parent)
{
    MapNotify(IDC_TEST, nxNotify::BN_CLICKED, [this] { OnTest(); });
}

void CLogFilterDlg::DoDataExchange()
{
    DDX_Control(IDC_APPLICATION, m_applicationEdit);
    DDX_Control(IDC_HOST, m_hostEdit);
    DDX_Control(IDC_LOG_LEVELS, m_levelList);
    DDX_Control(IDC_REGEX_FILTER, m_regexEdit);
    DDX_Control(IDC_CASE_INSENSITIVE, m_caseCheck);
}

bool CLogFilterDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_applicationEdit.SetWindowText(m_applicationName);
    m_hostEdit.SetWindowText(m_hostName);
    m_regexEdit.SetWindowText(m_regexFilter);
    m_caseCheck.SetCheck(m_caseInsensitive ? BST_CHECKED : BST_UNCHECKED);
    FillLevelList();
    return true;
}

void CLogFilterDlg::FillLevelList()
{
    for (uint32_t value = FirstOfferedLevel; value <= LastOfferedLevel; ++value)
    {
        const nxLogLevelEnum level(value);
        const int item = m_levelList.AddString(level.GetLongDescription());
        m_levelList.SetItemData(item, level.GetValue());
        if (m_logLevels.contains(level))
            m_levelList.SetSel(item);
    }
}

void CLogFilterDlg::OnOK()
{
    m_applicationName = m_applicationEdit.GetWindowText();
    m_hostName = m_hostEdit.GetWindowText();
    m_caseInsensitive = m_caseCheck.GetCheck() == BST_CHECKED;
    m_regexFilter = m_regexEdit.GetWindowText();
    const bool compiles = PatternCompiles(m_regexFilter, m_caseInsensitive);
    ReadLevelList();
    if (!compiles)
    {
        nxMessageBox(GetWindowRef(), Texts::InvalidPattern, Texts::InvalidPatternCaption,
                     MB_OK | MB_ICONHAND);
        GotoDlgCtrl(IDC_REGEX_FILTER);
        return;
    }
    CDialog::OnOK();
}

void CLogFilterDlg::ReadLevelList()
{
    m_logLevels.clear();
    for (int item = 0; item < m_levelList.GetCount(); ++item)
        if (m_levelList.GetSel(item))
            m_logLevels.insert(nxLogLevelEnum(static_cast<uint32_t>(m_levelList.GetItemData(item))));
}

void CLogFilterDlg::OnTest()
{
    const std::string pattern = m_regexEdit.GetWindowText();
    if (pattern.empty())
    {
        nxMessageBox(GetWindowRef(), Texts::NoPattern, {}, MB_OK);
        return;
    }
    CTestRegexFilterDlg dialog(this, pattern, m_caseCheck.GetCheck() == BST_CHECKED);
    dialog.DoModal();
}
