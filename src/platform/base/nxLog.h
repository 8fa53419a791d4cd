#pragma once

#include <concepts>
#include <string>
#include <string_view>

#include "platform/base/nxEnum.h"
#include "platform/base/nxErrorEnum.h"
#include "platform/base/nxLogLevelEnum.h"
#include "platform/base/nxStringHelper.h"

// Builds one log line and writes it when destroyed, if the log manager accepts
// its level; a refused line costs no formatting.
//   nxLog(nxLogLevelEnum(32), "nxControlDataManager") << "text " << value;
class nxLog
{
public:
    nxLog(const nxLogLevelEnum& level, std::string_view source);
    ~nxLog();
    nxLog(const nxLog&) = delete;
    nxLog& operator=(const nxLog&) = delete;

    bool IsActive() const { return m_active; }

    nxLog& operator<<(std::string_view text);
    nxLog& operator<<(const char* text) { return *this << std::string_view(text ? text : ""); }
    nxLog& operator<<(const std::string& text) { return *this << std::string_view(text); }
    nxLog& operator<<(char c) { return *this << std::string_view(&c, 1); }
    nxLog& operator<<(bool value);
    nxLog& operator<<(double value);
    nxLog& operator<<(const nxErrorEnum& error);
    // An enum is written as its number, as permission numbers appear in messages.
    nxLog& operator<<(const nxEnum& value);

    template <std::integral T>
    requires(!std::same_as<T, bool> && !std::same_as<T, char>) nxLog& operator<<(T value)
    {
        if (m_active)
            m_line += std::to_string(value);
        return *this;
    }

private:
    uint32_t m_level;
    std::string m_source;
    std::string m_line;
    bool m_active;
};
