#pragma once

#include <optional>
#include <set>
#include <shared_mutex>
#include <string>
#include <vector>

#include "log/nxLogRegexFilter.h"
#include "platform/base/nxLogLevelEnum.h"
#include "platform/grid/data/nxGridDataInterest.h"

class nxLogMessage;

// A log view's filter: an application name, a host name, a set of levels and a
// pattern over the log text, each optional (empty accepts every row). Rows
// arrive on service threads while the operator edits the filter on the user
// interface thread, so both sides take the filter's guard (filing holds the
// store's lock instead, which a change also takes): a row is always tested
// against one whole filter, old or new.
class nxLogDataInterest : public nxGridDataInterest
{
public:
    using LogLevelSet = std::set<nxLogLevelEnum>;

    // All five fields, for changing them in one step.
    struct Filter
    {
        std::string applicationName{};
        std::string hostName{};
        LogLevelSet logLevels{};
        std::string regexFilter{};
        bool regexFilterCaseInsensitive = false;

        bool operator==(const Filter&) const = default;
    };

    static const bool _registered;

    nxLogDataInterest();
    ~nxLogDataInterest() override;
    // Copies the filter, not the attachment or the listener.
    nxLogDataInterest(const nxLogDataInterest& other);
    nxLogDataInterest& operator=(const nxLogDataInterest& other);

    std::string GetHostName() const;
    void SetHostName(const std::string& hostName);
    std::string GetApplicationName() const;
    void SetApplicationName(const std::string& applicationName);
    LogLevelSet GetLogLevels() const;
    void SetLogLevels(const LogLevelSet& logLevels);
    std::string GetRegexFilter() const;
    void SetRegexFilter(const std::string& regexFilter);
    bool GetRegexFilterCaseInsensitive() const;
    void SetRegexFilterCaseInsensitive(bool caseInsensitive);

    // Patterns of rows the operator hid: a row whose log text matches any of them
    // is not shown, whatever the filter says. Kept apart from the filter's fields,
    // which the Filters dialog owns.
    std::vector<std::string> GetHidePatterns() const;
    // Answers whether the list changed. Patterns that do not compile are left out, each
    // with a warning in the log.
    bool SetHidePatterns(const std::vector<std::string>& patterns);

    Filter GetFilter() const;
    // Answers whether anything changed. The pattern is compiled again only when
    // it or its flag changed.
    bool SetFilter(const Filter& filter);

    nxGridDataInterest* CreateInstance() const override { return new nxLogDataInterest(); }
    std::string GetClassName() const override { return "nxLogDataInterest"; }
    void GetRequiredSubscriptionCategories(std::set<nxSubscriptionCategory>& categories) const override;
    nxErrorEnum SaveToXML(nxXMLElement& element) const override;
    // Missing keys leave their fields alone; level texts that name no level are skipped.
    nxErrorEnum LoadFromXML(nxXMLElement& element) override;

    // Whether the filter's regex engine takes the pattern: the test the dialogs
    // make before they accept one.
    static bool IsRegexFilterValid(const std::string& pattern, bool caseInsensitive);

    // The test _IsInterested makes of a row, made of the message the row would be
    // filled from, so that the store need not build a row no view shows. For
    // filing, which holds the store's lock: every change of the filter takes that
    // lock too, so the filter's own is not taken.
    bool IsInterestedWhileFiling(const nxLogMessage& message) const;

    // The one test of a pattern against a text, shared by the filter and the filter
    // dialogs: ECMAScript grammar, a search anywhere in the text, and any
    // exception of the engine (a pattern that does not compile) is no match.
    static bool IsRegexFilterMatch(const std::string& text, const std::string& pattern, bool caseInsensitive);
    // As IsRegexFilterMatch, but lets the engine's exceptions through.
    static bool IsRegexFilterMatch_NoCatch(const std::string& text, const std::string& pattern,
                                           bool caseInsensitive);

protected:
    nxErrorEnum _AttachToDataManager() override;
    nxErrorEnum _DetachFromDataManager() override;
    nxErrorEnum _FetchDataObjects() override;
    // Application, host, level, then the pattern, which is the costliest test.
    bool _IsInterested(const nxGridDataObject* object) const override;
    nxGridDataManager* _GetDataManager() const override;

private:
    // The filter's test, with the filter's guard held; each field is read only
    // when its part of the filter asks for it.
    bool Accepts(auto applicationName, auto hostName, auto logLevel, auto logText) const
    {
        if (!m_applicationName.empty() && applicationName() != m_applicationName)
            return false;
        if (!m_hostName.empty() && hostName() != m_hostName)
            return false;
        if (!m_logLevels.empty() && !m_logLevels.contains(logLevel()))
            return false;
        if (m_regexFilter.IsEmpty() && m_hidePatterns.empty())
            return true;
        const auto& text = logText();
        if (!m_regexFilter.IsEmpty() && !m_regexFilter.IsMatch(text))
            return false;
        for (const nxLogRegexFilter& hide : m_hidePatterns)
            if (hide.IsMatch(text))
                return false;
        return true;
    }
    bool Differs(const Filter& filter) const;
    void ChangeRegexFilter(const std::optional<std::string>& pattern, std::optional<bool> caseInsensitive);
    // The pattern compiled, unless it and its flag are the filter's now.
    std::optional<nxLogRegexFilter> Prepared(const std::string& pattern, bool caseInsensitive) const;
    void AssignRegexFilter(const std::string& pattern, bool caseInsensitive,
                           std::optional<nxLogRegexFilter>& prepared);

    mutable std::shared_mutex m_filterLock;
    std::string m_hostName;
    std::string m_applicationName;
    LogLevelSet m_logLevels;
    // The pattern with its flag, compiled.
    nxLogRegexFilter m_regexFilter;
    std::vector<nxLogRegexFilter> m_hidePatterns;
};
