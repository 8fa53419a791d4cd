#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

// At most one notification per subject (an application) per interval: a burst of
// changes of one application shows once, while another application shows at once.
// Times are monotonic nanoseconds, handed in so that a test's clock decides.
class nxGridNotificationLimiter
{
public:
    static constexpr int64_t IntervalNanoseconds = 60'000'000'000;

    // True, and remembered, when the subject has not been let through within the interval.
    bool Allow(const std::string& subject, int64_t nowNanoseconds);
    size_t GetRememberedCount() const { return m_lastShown.size(); }

private:
    // Drops the subjects whose interval has passed, so a long session does not grow it.
    void ForgetExpired(int64_t nowNanoseconds);

    std::unordered_map<std::string, int64_t> m_lastShown;
    size_t m_forgetAbove = 1024;
};
