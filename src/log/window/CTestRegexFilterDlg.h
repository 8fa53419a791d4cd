#pragma once

#include <string>

#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CStatic.h"

// Tries a pattern on text the operator types or pastes, and says at every change
// whether the log filter would let a row with that text through.
class CTestRegexFilterDlg : public CDialogEx
{
public:
    CTestRegexFilterDlg(QWidget* parent, std::string pattern, bool caseInsensitive);

    const std::string& GetPattern() const { return m_pattern; }
    bool IsCaseInsensitive() const { return m_caseInsensitive; }

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;

private:
    void RunTest();

    std::string m_pattern;
    bool m_caseInsensitive;
    CEdit m_patternEdit;
    CEdit m_testTextEdit;
    CStatic m_verdict;
};
