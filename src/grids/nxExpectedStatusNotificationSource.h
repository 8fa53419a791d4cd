#pragma once

#include <cstdint>
#include <unordered_map>

#include "platform/grid/nxGridNotificationSource.h"

class nxControlDataObject;

// An application grid's notifications: an application whose expected status
// turns Missing or Unexpected while the grid watches, or that arrives so after
// the grid's first image. The status each row had when it was last seen is
// remembered, so a row that was Missing already when the window opened, or when
// notifications were switched on, says nothing until it changes.
class nxExpectedStatusNotificationSource : public nxGridNotificationSource
{
public:
    static constexpr const char* MissingTitle = "Application missing";
    static constexpr const char* UnexpectedTitle = "Unexpected application";

    std::optional<nxGridNotification> OnAdded(const nxGridDataObject& object, bool snapshot) override;
    std::optional<nxGridNotification> OnChanged(const nxGridDataObject& object) override;
    void OnRemoved(const nxGridDataObject& object) override;
    void Forget() override { m_lastSeen.clear(); }
    // The application id.
    std::string RowKeyOf(const nxGridDataObject& object) const override;

private:
    static std::optional<nxGridNotification> NotificationFor(const nxControlDataObject& row, uint32_t status);

    std::unordered_map<const nxGridDataObject*, uint32_t> m_lastSeen;
};
