#include "log/nxLogDataInterest.h"

#include <algorithm>
#include <mutex>
#include <optional>

#include "log/nxLogDataManager.h"
#include "log/nxLogDataObject.h"
#include "platform/base/nxLog.h"
#include "platform/base/nxStringHelper.h"
#include "platform/messaging/nxLogMessage.h"
#include "platform/xml/nxXMLElement.h"

const bool nxLogDataInterest::_registered = nxGridDataInterest::_Register(new nxLogDataInterest());

namespace
{
constexpr const char* kApplicationNameKey = "ApplicationName";
constexpr const char* kHostNameKey = "HostName";
constexpr const char* kLogLevelsKey = "LogLevels";
constexpr const char* kLogLevelKey = "LogLevel";
constexpr const char* kRegexFilterKey = "RegexFilter";
constexpr const char* kCaseInsensitiveKey = "RegexFilterCaseInsensitive";
// The operator's hide patterns come after the filter's keys, and only when there are any.
constexpr const char* kHidePatternsKey = "HideRowsLike";
constexpr const char* kHidePatternKey = "Pattern";

// Filing asks the views with the store's lock held and not the filter's own, so a
// change of a filter takes both, the store's first; other readers take the filter's.
std::unique_lock<CGridLock> LockStoreForChange()
{
    nxLogDataManager* manager = nxLogDataManager::GetInstance();
    return manager ? std::unique_lock<CGridLock>(manager->GetLock()) : std::unique_lock<CGridLock>();
}

nxErrorEnum NoManager()
{
    return nxErrorEnum(nxErrorEnum::NotInitialised, "The log message store has not been created");
}

// Reads the keys in the order they are written: each looks after the child the
// previous read found, or from the first child when that read found nothing.
class nxOrderedKeyReader
{
public:
    explicit nxOrderedKeyReader(nxXMLElement& element)
        : m_element(element), m_found(element.HasCurrentChild())
    {
    }

    nxXMLElement Next(const char* name)
    {
        nxXMLElement child =
            m_found ? m_element.GetNextChildElement(name) : m_element.GetFirstChildElement(name);
        m_found = child.IsValid();
        return child;
    }

private:
    nxXMLElement& m_element;
    bool m_found;
};

std::vector<std::string> ReadHidePatterns(nxXMLElement& list)
{
    std::vector<std::string> patterns;
    for (pugi::xml_node child : list.GetNode().children(kHidePatternKey))
        patterns.push_back(nxXMLElement(child).GetValue());
    return patterns;
}
} // namespace

nxLogDataInterest::nxLogDataInterest() = default;
nxLogDataInterest::~nxLogDataInterest() = default;

nxLogDataInterest::nxLogDataInterest(const nxLogDataInterest& other) : nxGridDataInterest(other)
{
    std::shared_lock guard(other.m_filterLock);
    m_hostName = other.m_hostName;
    m_applicationName = other.m_applicationName;
    m_logLevels = other.m_logLevels;
    m_regexFilter = other.m_regexFilter;
    m_hidePatterns = other.m_hidePatterns;
}

nxLogDataInterest& nxLogDataInterest::operator=(const nxLogDataInterest& other)
{
    if (this == &other)
        return *this;
    nxGridDataInterest::operator=(other);
    std::string hostName;
    std::string applicationName;
    LogLevelSet logLevels;
    nxLogRegexFilter regexFilter;
    std::vector<nxLogRegexFilter> hidePatterns;
    {
        std::shared_lock guard(other.m_filterLock);
        hostName = other.m_hostName;
        applicationName = other.m_applicationName;
        logLevels = other.m_logLevels;
        // Shares the other's compiled pattern instead of compiling it again.
        regexFilter = other.m_regexFilter;
        hidePatterns = other.m_hidePatterns;
    }
    const std::unique_lock store = LockStoreForChange();
    std::unique_lock guard(m_filterLock);
    m_hostName = std::move(hostName);
    m_applicationName = std::move(applicationName);
    m_logLevels = std::move(logLevels);
    m_regexFilter = std::move(regexFilter);
    m_hidePatterns = std::move(hidePatterns);
    return *this;
}

std::string nxLogDataInterest::GetHostName() const
{
    std::shared_lock guard(m_filterLock);
    return m_hostName;
}

void nxLogDataInterest::SetHostName(const std::string& hostName)
{
    const std::unique_lock store = LockStoreForChange();
    std::unique_lock guard(m_filterLock);
    m_hostName = hostName;
}

std::string nxLogDataInterest::GetApplicationName() const
{
    std::shared_lock guard(m_filterLock);
    return m_applicationName;
}

void nxLogDataInterest::SetApplicationName(const std::string& applicationName)
{
    const std::unique_lock store = LockStoreForChange();
    std::unique_lock guard(m_filterLock);
    m_applicationName = applicationName;
}

nxLogDataInterest::LogLevelSet nxLogDataInterest::GetLogLevels() const
{
    std::shared_lock guard(m_filterLock);
    return m_logLevels;
}

void nxLogDataInterest::SetLogLevels(const LogLevelSet& logLevels)
{
    const std::unique_lock store = LockStoreForChange();
    std::unique_lock guard(m_filterLock);
    m_logLevels = logLevels;
}

std::string nxLogDataInterest::GetRegexFilter() const
{
    std::shared_lock guard(m_filterLock);
    return m_regexFilter.GetPattern();
}

void nxLogDataInterest::SetRegexFilter(const std::string& regexFilter)
{
    ChangeRegexFilter(regexFilter, std::nullopt);
}

bool nxLogDataInterest::GetRegexFilterCaseInsensitive() const
{
    std::shared_lock guard(m_filterLock);
    return m_regexFilter.IsCaseInsensitive();
}

void nxLogDataInterest::SetRegexFilterCaseInsensitive(bool caseInsensitive)
{
    ChangeRegexFilter(std::nullopt, caseInsensitive);
}

// What is not given stays as the filter has it when the change is made.
void nxLogDataInterest::ChangeRegexFilter(const std::optional<std::string>& pattern,
                                          std::optional<bool> caseInsensitive)
{
    auto patternNow = [&] { return pattern.value_or(m_regexFilter.GetPattern()); };
    auto flagNow = [&] { return caseInsensitive.value_or(m_regexFilter.IsCaseInsensitive()); };
    std::optional<nxLogRegexFilter> prepared;
    {
        std::shared_lock guard(m_filterLock);
        prepared = Prepared(patternNow(), flagNow());
    }
    const std::unique_lock store = LockStoreForChange();
    std::unique_lock guard(m_filterLock);
    AssignRegexFilter(patternNow(), flagNow(), prepared);
}

std::vector<std::string> nxLogDataInterest::GetHidePatterns() const
{
    std::shared_lock guard(m_filterLock);
    std::vector<std::string> patterns;
    for (const nxLogRegexFilter& hide : m_hidePatterns)
        patterns.push_back(hide.GetPattern());
    return patterns;
}

bool nxLogDataInterest::SetHidePatterns(const std::vector<std::string>& patterns)
{
    // Compiled before the guard is taken: rows keep flowing meanwhile.
    std::vector<nxLogRegexFilter> compiled;
    for (const std::string& pattern : patterns)
    {
        if (pattern.empty())
            continue;
        nxLogRegexFilter hide(pattern, false);
        if (hide.IsValid())
            compiled.push_back(std::move(hide));
        else
            // Left out with a line in the log: the rest of a document still loads.
            nxLog(nxLogLevelEnum(nxLogLevel::Warning), "nxLogDataInterest")
                << "A hide pattern that does not compile was left out: " << pattern;
    }
    const std::unique_lock store = LockStoreForChange();
    std::unique_lock guard(m_filterLock);
    const bool same =
        std::equal(compiled.begin(), compiled.end(), m_hidePatterns.begin(), m_hidePatterns.end(),
                   [](const nxLogRegexFilter& a, const nxLogRegexFilter& b)
                   { return a.GetPattern() == b.GetPattern(); });
    if (same)
        return false;
    m_hidePatterns = std::move(compiled);
    return true;
}

nxLogDataInterest::Filter nxLogDataInterest::GetFilter() const
{
    std::shared_lock guard(m_filterLock);
    return Filter{m_applicationName, m_hostName, m_logLevels, m_regexFilter.GetPattern(),
                  m_regexFilter.IsCaseInsensitive()};
}

bool nxLogDataInterest::SetFilter(const Filter& filter)
{
    std::optional<nxLogRegexFilter> prepared;
    {
        std::shared_lock guard(m_filterLock);
        if (!Differs(filter))
            return false;
        prepared = Prepared(filter.regexFilter, filter.regexFilterCaseInsensitive);
    }
    const std::unique_lock store = LockStoreForChange();
    std::unique_lock guard(m_filterLock);
    if (!Differs(filter))
        return false;
    m_applicationName = filter.applicationName;
    m_hostName = filter.hostName;
    m_logLevels = filter.logLevels;
    AssignRegexFilter(filter.regexFilter, filter.regexFilterCaseInsensitive, prepared);
    return true;
}

bool nxLogDataInterest::Differs(const Filter& filter) const
{
    return filter.applicationName != m_applicationName || filter.hostName != m_hostName ||
           filter.logLevels != m_logLevels || filter.regexFilter != m_regexFilter.GetPattern() ||
           filter.regexFilterCaseInsensitive != m_regexFilter.IsCaseInsensitive();
}

// Compiling may take a while, so it is done before a change takes its locks:
// rows keep being filed meanwhile.
std::optional<nxLogRegexFilter> nxLogDataInterest::Prepared(const std::string& pattern,
                                                            bool caseInsensitive) const
{
    if (pattern == m_regexFilter.GetPattern() && caseInsensitive == m_regexFilter.IsCaseInsensitive())
        return std::nullopt;
    return nxLogRegexFilter(pattern, caseInsensitive);
}

void nxLogDataInterest::AssignRegexFilter(const std::string& pattern, bool caseInsensitive,
                                          std::optional<nxLogRegexFilter>& prepared)
{
    if (pattern == m_regexFilter.GetPattern() && caseInsensitive == m_regexFilter.IsCaseInsensitive())
        return;
    // A change made meanwhile by another thread may have left it the wrong one.
    if (prepared && prepared->GetPattern() == pattern && prepared->IsCaseInsensitive() == caseInsensitive)
        m_regexFilter = std::move(*prepared);
    else
        m_regexFilter = nxLogRegexFilter(pattern, caseInsensitive);
}

void nxLogDataInterest::GetRequiredSubscriptionCategories(std::set<nxSubscriptionCategory>& categories) const
{
    categories.insert(nxSubscriptionCategories::LogMessage);
}

nxErrorEnum nxLogDataInterest::SaveToXML(nxXMLElement& element) const
{
    const nxErrorEnum result = nxGridDataInterest::SaveToXML(element);
    const Filter filter = GetFilter();
    element.AddChildValue(kApplicationNameKey, filter.applicationName);
    element.AddChildValue(kHostNameKey, filter.hostName);
    nxXMLElement levels = element.AddChildElement(kLogLevelsKey);
    for (const nxLogLevelEnum& level : filter.logLevels)
        levels.AddChildValue(kLogLevelKey, level.GetAsString());
    element.AddChildValue(kRegexFilterKey, filter.regexFilter);
    if (element.IsValid())
        element.AddChildValue(kCaseInsensitiveKey,
                              nxStringHelper::GetAsString(filter.regexFilterCaseInsensitive));
    const std::vector<std::string> hidePatterns = GetHidePatterns();
    if (!hidePatterns.empty() && element.IsValid())
    {
        nxXMLElement list = element.AddChildElement(kHidePatternsKey);
        for (const std::string& pattern : hidePatterns)
            list.AddChildValue(kHidePatternKey, pattern);
    }
    return result;
}

nxErrorEnum nxLogDataInterest::LoadFromXML(nxXMLElement& element)
{
    const nxErrorEnum result = nxGridDataInterest::LoadFromXML(element);
    Filter filter = GetFilter();
    nxOrderedKeyReader reader(element);
    if (nxXMLElement child = reader.Next(kApplicationNameKey); child.IsValid())
        filter.applicationName = child.GetValue();
    if (nxXMLElement child = reader.Next(kHostNameKey); child.IsValid())
        filter.hostName = child.GetValue();
    if (nxXMLElement levels = element.GetNextChildElement(kLogLevelsKey); levels.IsValid())
    {
        for (pugi::xml_node child : levels.GetNode().children())
        {
            nxLogLevelEnum level;
            if (child.type() == pugi::node_element &&
                level.SetFromShortDescriptionString(nxXMLElement(child).GetValue()))
                filter.logLevels.insert(level);
        }
    }
    if (nxXMLElement child = reader.Next(kRegexFilterKey); child.IsValid())
        filter.regexFilter = child.GetValue();
    if (nxXMLElement child = reader.Next(kCaseInsensitiveKey); child.IsValid())
        nxStringHelper::SetFromString(child.GetValue(), filter.regexFilterCaseInsensitive);
    SetFilter(filter);
    if (nxXMLElement list = reader.Next(kHidePatternsKey); list.IsValid())
        SetHidePatterns(ReadHidePatterns(list));
    return result;
}

nxErrorEnum nxLogDataInterest::_AttachToDataManager()
{
    nxLogDataManager* manager = nxLogDataManager::GetInstance();
    return manager ? manager->AttachLogDataInterest(this) : NoManager();
}

nxErrorEnum nxLogDataInterest::_DetachFromDataManager()
{
    nxLogDataManager* manager = nxLogDataManager::GetInstance();
    return manager ? manager->DetachLogDataInterest(this) : NoManager();
}

nxErrorEnum nxLogDataInterest::_FetchDataObjects()
{
    nxLogDataManager* manager = nxLogDataManager::GetInstance();
    return manager ? manager->FetchLogDataObjects(this) : NoManager();
}

nxGridDataManager* nxLogDataInterest::_GetDataManager() const
{
    return nxLogDataManager::GetInstance();
}

bool nxLogDataInterest::_IsInterested(const nxGridDataObject* object) const
{
    const auto* row = dynamic_cast<const nxLogDataObject*>(object);
    if (!row)
        return false;
    std::shared_lock guard(m_filterLock);
    return Accepts([row] { return row->GetApplicationName(); }, [row] { return row->GetHostName(); },
                   [row] { return row->GetLogLevel(); }, [row] { return row->GetLogText(); });
}

bool nxLogDataInterest::IsInterestedWhileFiling(const nxLogMessage& message) const
{
    return Accepts([&message]() -> const std::string& { return message.GetApplicationName(); },
                   [&message]() -> const std::string& { return message.GetHostName(); },
                   [&message] { return nxLogDataObject::FiledLevelOf(message); },
                   [&message]() -> const std::string& { return message.GetLogEntry(); });
}

bool nxLogDataInterest::IsRegexFilterValid(const std::string& pattern, bool caseInsensitive)
{
    return nxLogRegexFilter(pattern, caseInsensitive).IsValid();
}

bool nxLogDataInterest::IsRegexFilterMatch(const std::string& text, const std::string& pattern,
                                           bool caseInsensitive)
{
    return nxLogRegexFilter::Search(text, pattern, caseInsensitive);
}

bool nxLogDataInterest::IsRegexFilterMatch_NoCatch(const std::string& text, const std::string& pattern,
                                                   bool caseInsensitive)
{
    return nxLogRegexFilter::Search_NoCatch(text, pattern, caseInsensitive);
}
