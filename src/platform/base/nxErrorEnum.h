#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

// Result of every request and data operation: a 32-bit code, 0 meaning success.
// A failure may carry its own text for the operator; otherwise the code's
// standard text is its long description.
class nxErrorEnum
{
public:
    enum Code : uint32_t
    {
        OK = 0,
        Failed = 1,
        NotPermissioned = 2,
        InvalidArgument = 3,
        NotFound = 4,
        AlreadyExists = 5,
        VersionConflict = 6,
        NotConnected = 7,
        Refused = 8,
        NotInitialised = 9,
        FileError = 10,
        ParseError = 11,
        Timeout = 12,
        Unsupported = 13,
        OutOfMemory = 14,
    };

    nxErrorEnum() = default;
    explicit nxErrorEnum(uint32_t code) : m_code(code) {}
    nxErrorEnum(uint32_t code, std::string text);

    uint32_t GetValue() const { return m_code; }
    bool IsOK() const { return m_code == OK; }
    std::string GetLongDescription() const;

    bool operator==(const nxErrorEnum& other) const { return m_code == other.m_code; }

private:
    uint32_t m_code = OK;
    std::shared_ptr<const std::string> m_text;
};

// "<code> (<long description>)", the form written into log lines.
std::ostream& operator<<(std::ostream& out, const nxErrorEnum& error);
std::string ToLogText(const nxErrorEnum& error);
