#include "platform/base/nxLogManager.h"

#include <cstdio>

#include "platform/base/nxDateTime.h"

nxLogManager& nxLogManager::GetInstance()
{
    static nxLogManager instance;
    return instance;
}

void nxLogManager::Write(const nxLogRecord& record)
{
    std::lock_guard guard(m_sinkLock);
    if (m_sink)
    {
        m_sink(record);
        return;
    }
    const std::string stamp = nxDateTime().Format("%Y-%m-%d %H:%M:%S");
    const std::string level = nxLogLevelEnum(record.level).GetShortDescription();
    std::fprintf(stderr, "%s %-8s %s: %s\n", stamp.c_str(), level.c_str(), record.source.c_str(),
                 record.line.c_str());
}

nxLogManager::Sink nxLogManager::SetSink(Sink sink)
{
    std::lock_guard guard(m_sinkLock);
    Sink previous = std::move(m_sink);
    m_sink = std::move(sink);
    return previous;
}
