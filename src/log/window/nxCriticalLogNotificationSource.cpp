#include "log/window/nxCriticalLogNotificationSource.h"

#include "log/nxLogDataObject.h"

namespace
{
bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
} // namespace

std::optional<nxGridNotification> nxCriticalLogNotificationSource::OnAdded(const nxGridDataObject& object,
                                                                           bool snapshot)
{
    const auto* row = dynamic_cast<const nxLogDataObject*>(&object);
    if (snapshot || !row || row->GetLogLevel() != nxLogLevelEnum(Level))
        return std::nullopt;
    const std::string application = row->GetApplicationName();
    const std::string host = row->GetHostName();
    nxGridNotification notification;
    notification.subject = application + " on " + host;
    notification.title = Title;
    notification.body = notification.subject + ": " + Shorten(row->GetLogText());
    notification.rowKey = std::to_string(row->GetLogSequenceNumber());
    return notification;
}

std::string nxCriticalLogNotificationSource::RowKeyOf(const nxGridDataObject& object) const
{
    const auto* row = dynamic_cast<const nxLogDataObject*>(&object);
    return row ? std::to_string(row->GetLogSequenceNumber()) : std::string();
}

std::string nxCriticalLogNotificationSource::Shorten(const std::string& text)
{
    std::string line = text.substr(0, MaxTextBytes + 1);
    for (char& c : line)
        if (c == '\n' || c == '\r' || c == '\t')
            c = ' ';
    if (line.size() <= MaxTextBytes)
        return line;
    size_t cut = MaxTextBytes;
    while (cut > 0 && IsContinuationByte(line[cut]))
        --cut;
    line.resize(cut);
    return line + "...";
}
