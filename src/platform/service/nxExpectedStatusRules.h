#pragma once

#include <cstdint>

#include "platform/base/nxExpectedApplicationStatusEnum.h"

// How the platform judges an application against its schedule scheme. The console
// colours rows by the result: "OK", "Missing", "Unexpected", "FT State".
class nxExpectedStatusRules
{
public:
    struct Facts
    {
        bool missing = false; // it stopped reporting
        bool judged = false;  // it has a scheme, and the scheme is not "Ignore"
        bool expectedToRun = false;
        bool running = false;    // running or starting
        bool inOwnFTRole = true; // primary when it should be primary, and so on
    };

    static uint32_t Judge(const Facts& facts)
    {
        if (facts.missing)
            return nxExpectedStatus::Missing;
        if (!facts.judged)
            return nxExpectedStatus::OK;
        // Running outside its window, or stopped inside it.
        if (facts.running != facts.expectedToRun)
            return nxExpectedStatus::Unexpected;
        // Running when it should, but in the other role of its pair.
        if (facts.running && !facts.inOwnFTRole)
            return nxExpectedStatus::FTState;
        return nxExpectedStatus::OK;
    }
};
