#include "platform/grid/nxGridEventToResponseMapper.h"

uint32_t nxGridEventToResponseMapper::GetResponse(nxGridEvent event) const
{
    const auto found = m_responses.find(event);
    return found == m_responses.end() ? 0 : found->second;
}
