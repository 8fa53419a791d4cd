#include "platform/base/nxLog.h"

#include "platform/base/nxLogManager.h"

nxLog::nxLog(const nxLogLevelEnum& level, std::string_view source)
    : m_level(level.GetValue()), m_active(nxLogManager::GetInstance().ShouldLog(level))
{
    if (m_active)
        m_source = source;
}

nxLog::~nxLog()
{
    if (m_active)
        nxLogManager::GetInstance().Write(nxLogRecord{m_level, std::move(m_source), std::move(m_line)});
}

nxLog& nxLog::operator<<(std::string_view text)
{
    if (m_active)
        m_line += text;
    return *this;
}

nxLog& nxLog::operator<<(bool value)
{
    return *this << nxStringHelper::GetAsString(value);
}

nxLog& nxLog::operator<<(double value)
{
    if (m_active)
        m_line += nxStringHelper::GetAsString(value);
    return *this;
}

nxLog& nxLog::operator<<(const nxErrorEnum& error)
{
    if (m_active)
        m_line += ToLogText(error);
    return *this;
}

nxLog& nxLog::operator<<(const nxEnum& value)
{
    if (m_active)
        m_line += std::to_string(value.GetValue());
    return *this;
}
