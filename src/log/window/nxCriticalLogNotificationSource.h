#pragma once

#include <cstddef>
#include <string>

#include "platform/grid/nxGridNotificationSource.h"

// A log grid's notifications: each new message of the highest level (38) the
// grid takes in, naming its application and host, with the text cut short.
// Messages already in the store when the window opens or its filter changes
// arrive as a snapshot and say nothing.
class nxCriticalLogNotificationSource : public nxGridNotificationSource
{
public:
    static constexpr const char* Title = "Critical log message";
    static constexpr uint32_t Level = 38;
    // Longer texts are cut to this many bytes (at a character's start) and end with "...".
    static constexpr size_t MaxTextBytes = 160;

    std::optional<nxGridNotification> OnAdded(const nxGridDataObject& object, bool snapshot) override;
    // The sequence number.
    std::string RowKeyOf(const nxGridDataObject& object) const override;

    // The text on one line, cut short.
    static std::string Shorten(const std::string& text);
};
