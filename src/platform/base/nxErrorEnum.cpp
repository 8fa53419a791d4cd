#include "platform/base/nxErrorEnum.h"

#include <ostream>

namespace
{
const char* StandardText(uint32_t code)
{
    switch (code)
    {
    case nxErrorEnum::OK:
        return "Success";
    case nxErrorEnum::Failed:
        return "The request failed";
    case nxErrorEnum::NotPermissioned:
        return "You do not have permission for this request";
    case nxErrorEnum::InvalidArgument:
        return "The request was given an invalid argument";
    case nxErrorEnum::NotFound:
        return "The item was not found";
    case nxErrorEnum::AlreadyExists:
        return "The item already exists";
    case nxErrorEnum::VersionConflict:
        return "The item was changed by someone else";
    case nxErrorEnum::NotConnected:
        return "The control service is not connected";
    case nxErrorEnum::Refused:
        return "The control service refused the request";
    case nxErrorEnum::NotInitialised:
        return "The service is not initialised";
    case nxErrorEnum::FileError:
        return "A file could not be read or written";
    case nxErrorEnum::ParseError:
        return "A document could not be read";
    case nxErrorEnum::Timeout:
        return "The request timed out";
    case nxErrorEnum::Unsupported:
        return "The request is not supported";
    case nxErrorEnum::OutOfMemory:
        return "Out of memory";
    default:
        return "Unknown error";
    }
}
} // namespace

nxErrorEnum::nxErrorEnum(uint32_t code, std::string text) : m_code(code)
{
    if (!text.empty())
        m_text = std::make_shared<const std::string>(std::move(text));
}

std::string nxErrorEnum::GetLongDescription() const
{
    return m_text ? *m_text : std::string(StandardText(m_code));
}

std::string ToLogText(const nxErrorEnum& error)
{
    return std::to_string(error.GetValue()) + " (" + error.GetLongDescription() + ")";
}

std::ostream& operator<<(std::ostream& out, const nxErrorEnum& error)
{
    return out << ToLogText(error);
}
