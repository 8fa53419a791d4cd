#include "platform/grid/window/nxRecentFileList.h"

#include <algorithm>

#include "platform/base/nxLog.h"
#include "platform/xml/nxXMLDocument.h"

namespace
{
constexpr const char* kRootName = "RecentFiles";
constexpr const char* kFileName = "File";
} // namespace

void nxRecentFileList::SetStorePath(const std::string& path)
{
    m_storePath = path;
    Load();
}

void nxRecentFileList::Add(const std::string& path)
{
    if (path.empty())
        return;
    std::erase(m_files, path);
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > MaximumCount)
        m_files.resize(MaximumCount);
    Save();
}

void nxRecentFileList::Remove(const std::string& path)
{
    if (std::erase(m_files, path) > 0)
        Save();
}

void nxRecentFileList::Load()
{
    m_files.clear();
    nxXMLDocument document;
    if (m_storePath.empty() || !document.LoadFromFile(m_storePath).IsOK())
        return;
    nxXMLElement root = document.GetRootElement();
    if (root.GetName() != kRootName)
        return;
    for (nxXMLElement file = root.GetFirstChildElement(kFileName);
         file.IsValid() && m_files.size() < MaximumCount; file = root.GetNextChildElement(kFileName))
        if (!file.GetValue().empty())
            m_files.push_back(file.GetValue());
}

void nxRecentFileList::Save() const
{
    if (m_storePath.empty())
        return;
    nxXMLDocument document(kRootName);
    nxXMLElement root = document.GetRootElement();
    for (const std::string& file : m_files)
        root.AddChildValue(kFileName, file);
    const nxErrorEnum saved = document.SaveToFile(m_storePath);
    if (!saved.IsOK())
        nxLog(nxLogLevelEnum(nxLogLevel::Warning), "nxRecentFileList") << saved;
}
