#pragma once

#include <string>

// "Notify the operator of this": what a grid asks the desktop to show, and how
// the row it names is found again when the operator clicks the notification.
struct nxGridNotification
{
    // What the once-a-minute rule counts by: the application.
    std::string subject;
    std::string title;
    std::string body;
    // The row's key as the grid's notification source gives it (RowKeyOf).
    std::string rowKey;

    bool operator==(const nxGridNotification&) const = default;
};
