#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "contracts/nxApplicationStatus.h"
#include "contracts/nxControlCallback.h"
#include "platform/messaging/nxLogMessage.h"

// Keeps everything a control service hands it, for a test to look at.
class nxRecordingControlCallback : public nxControlCallback
{
public:
    using Batch = std::vector<std::shared_ptr<nxApplicationStatus>>;

    struct Answer
    {
        std::string operation;
        nxErrorEnum error;
    };

    void OnApplicationStatusUpdate(std::vector<nxApplicationStatus*>& statuses, void*) override
    {
        std::lock_guard guard(m_lock);
        m_batches.push_back(Take(statuses));
    }
    void OnApplicationStatusSnapshotResponse(const nxErrorEnum& error,
                                             std::vector<nxApplicationStatus*>& statuses, void*) override
    {
        std::lock_guard guard(m_lock);
        m_snapshots.push_back(Take(statuses));
        m_answers.push_back({"snapshot", error});
    }
    void OnLogMessage(nxLogMessage* message, void*) override
    {
        std::lock_guard guard(m_lock);
        m_messages.emplace_back(message);
    }
    void OnShutdownApplicationResponse(const nxErrorEnum& error, void*) override
    {
        std::lock_guard guard(m_lock);
        m_answers.push_back({"stop", error});
    }
    void OnRemoveApplicationFromApplicationStatusImageResponse(const nxErrorEnum& error, void*) override
    {
        std::lock_guard guard(m_lock);
        m_answers.push_back({"remove", error});
    }

    std::vector<Batch> Batches() const
    {
        std::lock_guard guard(m_lock);
        return m_batches;
    }
    size_t BatchCount() const
    {
        std::lock_guard guard(m_lock);
        return m_batches.size();
    }
    Batch LastBatch() const
    {
        std::lock_guard guard(m_lock);
        return m_batches.empty() ? Batch() : m_batches.back();
    }
    std::vector<Batch> Snapshots() const
    {
        std::lock_guard guard(m_lock);
        return m_snapshots;
    }
    std::vector<Answer> Answers() const
    {
        std::lock_guard guard(m_lock);
        return m_answers;
    }
    std::vector<std::shared_ptr<nxLogMessage>> Messages() const
    {
        std::lock_guard guard(m_lock);
        return m_messages;
    }
    size_t MessageCount() const
    {
        std::lock_guard guard(m_lock);
        return m_messages.size();
    }

    // The status of one application in a batch; null when the batch lacks it.
    static const nxApplicationStatus* Find(const Batch& batch, const std::string& id)
    {
        for (const auto& status : batch)
            if (status->GetApplicationID().GetApplicationID() == id)
                return status.get();
        return nullptr;
    }

private:
    static Batch Take(std::vector<nxApplicationStatus*>& statuses)
    {
        Batch batch(statuses.begin(), statuses.end());
        statuses.clear();
        return batch;
    }

    mutable std::mutex m_lock;
    std::vector<Batch> m_batches;
    std::vector<Batch> m_snapshots;
    std::vector<Answer> m_answers;
    std::vector<std::shared_ptr<nxLogMessage>> m_messages;
};
