#include "platform/service/nxPlatformStep.h"

#include "contracts/nxControlCallback.h"
#include "platform/service/nxServiceSubscribers.h"

namespace
{
std::vector<nxApplicationStatus*> Copies(const nxSimulatedPlatform::Image& image)
{
    std::vector<nxApplicationStatus*> copies;
    copies.reserve(image.size());
    for (const auto& status : image)
        copies.push_back(status->CopyInstance());
    return copies;
}

std::vector<nxApplicationStatus*> Release(nxSimulatedPlatform::Image& image)
{
    std::vector<nxApplicationStatus*> statuses;
    statuses.reserve(image.size());
    for (auto& status : image)
        statuses.push_back(status.release());
    image.clear();
    return statuses;
}
} // namespace

void nxPlatformStep::AddBatch(uint32_t kind, nxSimulatedPlatform::Image image)
{
    m_batches.push_back({kind, std::move(image)});
}

void nxPlatformStep::Deliver(nxServiceSubscribers& subscribers)
{
    for (const Answer& answer : m_answers)
        DeliverAnswer(subscribers, answer);
    for (Snapshot& snapshot : m_snapshots)
        DeliverSnapshot(subscribers, snapshot);
    for (Batch& batch : m_batches)
        DeliverBatch(subscribers, batch);
    DeliverMessages(subscribers);
}

void nxPlatformStep::DeliverAnswer(nxServiceSubscribers& subscribers, const Answer& answer)
{
    if (!answer.callback)
        return;
    subscribers.CallAnswer(answer.callback,
                           [&answer](nxControlCallback* target)
                           {
                               if (answer.removal)
                                   target->OnRemoveApplicationFromApplicationStatusImageResponse(
                                       answer.result, answer.context);
                               else
                                   target->OnShutdownApplicationResponse(answer.result, answer.context);
                           });
}

void nxPlatformStep::DeliverSnapshot(nxServiceSubscribers& subscribers, Snapshot& snapshot)
{
    std::vector<nxApplicationStatus*> statuses = Release(snapshot.image);
    auto answer = [&](nxControlCallback* target)
    { target->OnApplicationStatusSnapshotResponse(nxErrorEnum(), statuses, snapshot.context); };
    if (snapshot.subscribed)
        subscribers.CallStatusSubscriber(snapshot.callback, snapshot.kind, answer);
    else
        subscribers.CallAnswer(snapshot.callback, answer);
    nxControlCallback::DeleteStatuses(statuses);
}

// The last subscriber is handed the originals; the others get copies.
void nxPlatformStep::DeliverBatch(nxServiceSubscribers& subscribers, Batch& batch)
{
    const std::vector<nxControlCallback*> targets = subscribers.GetStatusSubscribers(batch.kind);
    for (size_t i = 0; i < targets.size(); ++i)
    {
        std::vector<nxApplicationStatus*> statuses =
            i + 1 == targets.size() ? Release(batch.image) : Copies(batch.image);
        subscribers.CallStatusSubscriber(targets[i], batch.kind,
                                         [&statuses](nxControlCallback* target)
                                         { target->OnApplicationStatusUpdate(statuses, nullptr); });
        nxControlCallback::DeleteStatuses(statuses);
    }
}

void nxPlatformStep::DeliverMessages(nxServiceSubscribers& subscribers)
{
    if (m_messages.empty())
        return;
    const std::vector<nxControlCallback*> everyone = subscribers.GetLogSubscribers(nxUInt32ValueWrapper());
    std::vector<nxControlCallback*> addressees;
    for (std::unique_ptr<nxLogMessage>& message : m_messages)
    {
        const std::vector<nxControlCallback*>* targets = &everyone;
        if (message->GetDestinationUserID().HasValue())
        {
            addressees = subscribers.GetLogSubscribers(message->GetDestinationUserID());
            targets = &addressees;
        }
        for (size_t i = 0; i < targets->size(); ++i)
        {
            nxLogMessage* copy = i + 1 == targets->size() ? message.release() : new nxLogMessage(*message);
            const bool delivered = subscribers.CallLogSubscriber(
                (*targets)[i], [copy](nxControlCallback* target) { target->OnLogMessage(copy, nullptr); });
            if (!delivered)
                delete copy;
        }
    }
    m_messages.clear();
}
