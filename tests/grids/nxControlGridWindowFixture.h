#pragma once

#include "nxMessageBoxInterceptor.h"
#include "nxStatusGridWindowFixture.h"

// An application grid in its window, whose message boxes the test answers.
template <class Manager> class nxControlGridWindowFixture : public nxStatusGridWindowFixture<Manager>
{
protected:
    nxMessageBoxInterceptor m_boxes;
};
