#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "platform/base/nxLogLevelEnum.h"

// One line written to the log.
struct nxLogRecord
{
    uint32_t level;
    std::string source;
    std::string line;
};

// Decides which levels are written and where lines go (stderr unless a sink is set).
class nxLogManager
{
public:
    using Sink = std::function<void(const nxLogRecord&)>;

    static nxLogManager& GetInstance();

    // Lines below the threshold level are not written; the default threshold is 32.
    void SetThreshold(uint32_t level) { m_threshold.store(level, std::memory_order_relaxed); }
    uint32_t GetThreshold() const { return m_threshold.load(std::memory_order_relaxed); }
    bool ShouldLog(const nxLogLevelEnum& level) const { return level.GetValue() >= GetThreshold(); }
    static bool ShouldLog(uint32_t level) { return level >= GetInstance().GetThreshold(); }

    void Write(const nxLogRecord& record);
    // Replaces the sink (an empty one restores stderr) and returns the previous one.
    Sink SetSink(Sink sink);

private:
    nxLogManager() = default;

    std::atomic<uint32_t> m_threshold{nxLogLevel::Info};
    std::mutex m_sinkLock;
    Sink m_sink;
};
