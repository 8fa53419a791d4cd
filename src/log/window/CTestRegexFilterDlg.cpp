#include "log/window/CTestRegexFilterDlg.h"

#include "log/nxLogDataInterest.h"
#include "log/window/nxLogResourceIds.h"
#include "log/window/nxLogTexts.h"

namespace
{
using namespace nxLogResource;
namespace Texts = nxLogTexts;

nxDialogTemplate TestTemplate()
{
    using K = nxControlKind;
    return {
        IDD_TEST_REGEX_FILTER,
        Texts::TestCaption,
        309,
        104,
        {
            {IDCANCEL, K::PushButton, "Close", {252, 83, 50, 14}},
            {-1, K::Static, Texts::TestPatternLabel, {7, 7, 295, 8}},
            {IDC_REGEX_FILTER, K::Edit, "", {7, 17, 295, 14}, nxStyle::ES_AUTOHSCROLL | nxStyle::ES_READONLY},
            {-1, K::Static, Texts::TestTextLabel, {7, 37, 295, 8}},
            {IDC_TEST_TEXT, K::Edit, "", {7, 47, 295, 14}, nxStyle::ES_AUTOHSCROLL},
            {IDC_VERDICT, K::Static, Texts::VerdictPlaceholder, {7, 67, 295, 10}},
        }};
}

// What the filter makes of the text: the same search, and an engine that throws is named.
const char* Verdict(const std::string& text, const std::string& pattern, bool caseInsensitive)
{
    try
    {
        return nxLogDataInterest::IsRegexFilterMatch_NoCatch(text, pattern, caseInsensitive) ? Texts::Match
                                                                                             : Texts::NoMatch;
    }
    catch (...)
    {
        return Texts::InvalidVerdict;
    }
}
} // namespace

CTestRegexFilterDlg::CTestRegexFilterDlg(QWidget* parent, std::string pattern, bool caseInsensitive)
    : CDialogEx(TestTemplate(), parent), m_pattern(std::move(pattern)), m_caseInsensitive(caseInsensitive)
{
    MapNotify(IDC_TEST_TEXT, nxNotify::EN_CHANGE, [this] { RunTest(); });
}

void CTestRegexFilterDlg::DoDataExchange()
{
    DDX_Control(IDC_REGEX_FILTER, m_patternEdit);
    DDX_Control(IDC_TEST_TEXT, m_testTextEdit);
    DDX_Control(IDC_VERDICT, m_verdict);
}

bool CTestRegexFilterDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    m_patternEdit.SetWindowText(m_pattern);
    RunTest();
    return true;
}

void CTestRegexFilterDlg::RunTest()
{
    m_verdict.SetWindowText(Verdict(m_testTextEdit.GetWindowText(), m_pattern, m_caseInsensitive));
}
