#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/base/nxErrorEnum.h"
#include "platform/messaging/nxLogMessage.h"
#include "platform/service/nxSimulatedPlatform.h"

class nxControlCallback;
class nxServiceSubscribers;

// What one step of the embedded platform hands out: request answers, snapshot
// answers, status batches and log messages. It is filled under the platform's lock
// and delivered without it, so callbacks may call the platform back. Whatever is
// not delivered is deleted with the step.
class nxPlatformStep
{
public:
    struct Answer
    {
        bool removal = false; // else a stop
        nxControlCallback* callback = nullptr;
        void* context = nullptr;
        nxErrorEnum result;
    };

    struct Snapshot
    {
        nxControlCallback* callback = nullptr;
        void* context = nullptr;
        uint32_t kind = 0;
        // Asked while subscribed to that kind: the answer is dropped once the feed is
        // unsubscribed, so the callback may be deleted then.
        bool subscribed = false;
        nxSimulatedPlatform::Image image;
    };

    void AddAnswer(const Answer& answer) { m_answers.push_back(answer); }
    void AddSnapshot(Snapshot snapshot) { m_snapshots.push_back(std::move(snapshot)); }
    void AddBatch(uint32_t kind, nxSimulatedPlatform::Image image);
    std::vector<std::unique_ptr<nxLogMessage>>& Messages() { return m_messages; }

    // In order: answers, snapshots, batches, messages. Each subscriber receives its own copies.
    void Deliver(nxServiceSubscribers& subscribers);

private:
    struct Batch
    {
        uint32_t kind;
        nxSimulatedPlatform::Image image;
    };

    static void DeliverAnswer(nxServiceSubscribers& subscribers, const Answer& answer);
    static void DeliverSnapshot(nxServiceSubscribers& subscribers, Snapshot& snapshot);
    static void DeliverBatch(nxServiceSubscribers& subscribers, Batch& batch);
    void DeliverMessages(nxServiceSubscribers& subscribers);

    std::vector<Answer> m_answers;
    std::vector<Snapshot> m_snapshots;
    std::vector<Batch> m_batches;
    std::vector<std::unique_ptr<nxLogMessage>> m_messages;
};
