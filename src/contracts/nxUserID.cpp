#include "contracts/nxUserID.h"

#include "contracts/nxSecurityInterface.h"

std::string nxUserID::GetUserNodeName() const
{
    return nxSecurityInterface::GetInstance()->GetUserNodeName(m_id);
}
