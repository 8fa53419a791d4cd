#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "platform/base/nxLogManager.h"

// Collects the log lines written while it lives, at every level.
class nxLogCapture
{
public:
    nxLogCapture()
        : m_previousThreshold(nxLogManager::GetInstance().GetThreshold()),
          m_previousSink(nxLogManager::GetInstance().SetSink(
              [this](const nxLogRecord& record)
              {
                  std::lock_guard guard(m_lock);
                  m_records.push_back(record);
              }))
    {
        nxLogManager::GetInstance().SetThreshold(0);
    }
    ~nxLogCapture()
    {
        nxLogManager::GetInstance().SetSink(std::move(m_previousSink));
        nxLogManager::GetInstance().SetThreshold(m_previousThreshold);
    }
    nxLogCapture(const nxLogCapture&) = delete;
    nxLogCapture& operator=(const nxLogCapture&) = delete;

    std::vector<nxLogRecord> Records() const
    {
        std::lock_guard guard(m_lock);
        return m_records;
    }
    std::vector<nxLogRecord> FromSource(const std::string& source) const
    {
        std::vector<nxLogRecord> found;
        for (const nxLogRecord& record : Records())
            if (record.source == source)
                found.push_back(record);
        return found;
    }

private:
    mutable std::mutex m_lock;
    std::vector<nxLogRecord> m_records;
    uint32_t m_previousThreshold;
    nxLogManager::Sink m_previousSink;
};
