#pragma once

#include <cstdint>
#include <map>

// Grid events the operator causes that a manager may answer with a command.
enum class nxGridEvent : uint32_t
{
    DoubleClick = 1,
    ReturnKey = 2,
    DeleteKey = 3,
};

// Which command, if any, answers each grid event. A default mapper answers none.
class nxGridEventToResponseMapper
{
public:
    virtual ~nxGridEventToResponseMapper() = default;

    void SetResponse(nxGridEvent event, uint32_t commandId) { m_responses[event] = commandId; }
    // 0 when the event has no response.
    uint32_t GetResponse(nxGridEvent event) const;

private:
    std::map<nxGridEvent, uint32_t> m_responses;
};
