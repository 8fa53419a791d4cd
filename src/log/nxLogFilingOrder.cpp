#include "log/nxLogFilingOrder.h"

void nxLogFilingOrder::Place::Leave()
{
    if (!IsInOrder())
        return;
    m_older->m_newer = m_newer;
    m_newer->m_older = m_older;
    m_older = m_newer = nullptr;
}

nxLogFilingOrder::nxLogFilingOrder()
{
    m_end.m_older = m_end.m_newer = &m_end;
}

nxLogFilingOrder::~nxLogFilingOrder()
{
    while (!IsEmpty())
        m_end.m_newer->Leave();
    m_end.m_older = m_end.m_newer = nullptr;
}

void nxLogFilingOrder::Append(Place& newest)
{
    newest.Leave();
    newest.m_older = m_end.m_older;
    newest.m_newer = &m_end;
    m_end.m_older->m_newer = &newest;
    m_end.m_older = &newest;
}

nxLogFilingOrder::Place* nxLogFilingOrder::GetOldest() const
{
    return IsEmpty() ? nullptr : m_end.m_newer;
}
