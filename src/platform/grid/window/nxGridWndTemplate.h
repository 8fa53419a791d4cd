#pragma once

#include "platform/grid/window/nxGridWnd.h"

// The grid window of a view, with its grid manager of class T built on it. The
// second argument is the grid's variant; 0 is the only one there is.
template <class T, int N> class nxGridWndTemplate : public nxGridWnd
{
public:
    explicit nxGridWndTemplate(QWidget* parent = nullptr) : nxGridWnd(parent) { Create(); }

    T* GetGridManager() const override { return static_cast<T*>(nxGridWnd::GetGridManager()); }

protected:
    nxGridManager* _CreateGridManagerInstance() override { return new T(this); }
};
