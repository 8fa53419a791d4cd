#pragma once

#include <set>
#include <string>

#include "platform/base/nxLogLevelEnum.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListBox.h"

// The operator's filter of a log view: application, host, levels and a pattern
// over the log text. It holds the values, never the view's filter itself: the
// grid manager fills it before it opens and reads it after OK. OK refuses a
// pattern the filter cannot compile; Test tries the pattern being typed.
class CLogFilterDlg : public CDialog
{
public:
    using LogLevelSet = std::set<nxLogLevelEnum>;

    explicit CLogFilterDlg(QWidget* parent);

    const std::string& GetApplicationName() const { return m_applicationName; }
    void SetApplicationName(const std::string& name) { m_applicationName = name; }
    const std::string& GetHostName() const { return m_hostName; }
    void SetHostName(const std::string& name) { m_hostName = name; }
    const std::string& GetRegexFilter() const { return m_regexFilter; }
    void SetRegexFilter(const std::string& pattern) { m_regexFilter = pattern; }
    const LogLevelSet& GetLogLevels() const { return m_logLevels; }
    void SetLogLevels(const LogLevelSet& levels) { m_logLevels = levels; }
    bool IsRegexFilterCaseInsensitive() const { return m_caseInsensitive; }
    void SetRegexFilterCaseInsensitive(bool caseInsensitive) { m_caseInsensitive = caseInsensitive; }

    // The levels the list offers, in its order; the lowest level is never offered.
    static constexpr uint32_t FirstOfferedLevel = 32;
    static constexpr uint32_t LastOfferedLevel = 38;

protected:
    void DoDataExchange() override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    void FillLevelList();
    void ReadLevelList();
    void OnTest();

    std::string m_applicationName;
    std::string m_hostName;
    std::string m_regexFilter;
    LogLevelSet m_logLevels;
    bool m_caseInsensitive = false;
    CEdit m_applicationEdit;
    CEdit m_hostEdit;
    CListBox m_levelList;
    CEdit m_regexEdit;
    CButton m_caseCheck;
};
