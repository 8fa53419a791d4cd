#include "grids/nxExpectedStatusNotificationSource.h"

#include <mutex>

#include "platform/grid/data/nxObservedAttribute.h"
#include "status/nxControlDataObject.h"

namespace
{
constexpr nxAttributeID kApplicationName = 9002;
constexpr nxAttributeID kHostName = 9003;

std::string TextOf(const nxControlDataObject& row, nxAttributeID id)
{
    std::lock_guard guard(row.GetLock());
    const nxObservedAttribute* attribute = row.GetAttribute(id);
    return attribute ? attribute->GetAttributeValueAsString() : std::string();
}
} // namespace

std::optional<nxGridNotification> nxExpectedStatusNotificationSource::OnAdded(const nxGridDataObject& object,
                                                                              bool snapshot)
{
    const auto* row = dynamic_cast<const nxControlDataObject*>(&object);
    if (!row)
        return std::nullopt;
    const uint32_t status = row->GetExpectedApplicationStatus().GetValue();
    m_lastSeen[&object] = status;
    // An application that turns up unexpected while the grid watches has changed
    // too; one already there when the grid started watching has not.
    if (snapshot)
        return std::nullopt;
    return NotificationFor(*row, status);
}

std::optional<nxGridNotification>
nxExpectedStatusNotificationSource::OnChanged(const nxGridDataObject& object)
{
    const auto* row = dynamic_cast<const nxControlDataObject*>(&object);
    if (!row)
        return std::nullopt;
    const uint32_t status = row->GetExpectedApplicationStatus().GetValue();
    const auto [seen, first] = m_lastSeen.try_emplace(&object, status);
    if (first || seen->second == status)
        return std::nullopt;
    seen->second = status;
    return NotificationFor(*row, status);
}

void nxExpectedStatusNotificationSource::OnRemoved(const nxGridDataObject& object)
{
    m_lastSeen.erase(&object);
}

std::string nxExpectedStatusNotificationSource::RowKeyOf(const nxGridDataObject& object) const
{
    const auto* row = dynamic_cast<const nxControlDataObject*>(&object);
    return row ? row->GetApplicationID().GetApplicationID() : std::string();
}

std::optional<nxGridNotification>
nxExpectedStatusNotificationSource::NotificationFor(const nxControlDataObject& row, uint32_t status)
{
    if (status != nxExpectedStatus::Missing && status != nxExpectedStatus::Unexpected)
        return std::nullopt;
    nxGridNotification notification;
    notification.rowKey = row.GetApplicationID().GetApplicationID();
    notification.subject = notification.rowKey;
    notification.title = status == nxExpectedStatus::Missing ? MissingTitle : UnexpectedTitle;
    const std::string name = TextOf(row, kApplicationName);
    notification.body = notification.rowKey + (name.empty() ? std::string() : " (" + name + ")") + " on " +
                        TextOf(row, kHostName);
    return notification;
}
