#include "platform/grid/nxGridNotificationLimiter.h"

#include <algorithm>

bool nxGridNotificationLimiter::Allow(const std::string& subject, int64_t nowNanoseconds)
{
    const auto found = m_lastShown.find(subject);
    if (found != m_lastShown.end() && nowNanoseconds - found->second < IntervalNanoseconds)
        return false;
    m_lastShown[subject] = nowNanoseconds;
    if (m_lastShown.size() > m_forgetAbove)
        ForgetExpired(nowNanoseconds);
    return true;
}

void nxGridNotificationLimiter::ForgetExpired(int64_t nowNanoseconds)
{
    std::erase_if(m_lastShown, [nowNanoseconds](const auto& entry)
                  { return nowNanoseconds - entry.second >= IntervalNanoseconds; });
    // Many subjects within one interval: look again only once they have doubled.
    m_forgetAbove = std::max<size_t>(1024, m_lastShown.size() * 2);
}
