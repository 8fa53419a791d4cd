#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "nxMessageBoxInterceptor.h"
#include "nxStatusGridFixture.h"

// An application grid without a window, whose message boxes the test answers.
template <class Manager> class nxControlGridFixture : public nxStatusGridFixture<Manager>
{
protected:
    // Selects exactly these rows, as clicks on their first cells would.
    void Select(std::initializer_list<const char*> ids)
    {
        this->m_grid->ClearSelection();
        for (const char* id : ids)
        {
            CGridRow* row = this->Row(id);
            ASSERT_NE(row, nullptr) << id;
            this->m_grid->OnCellSelectionChanged(row->Cell(0), true);
        }
    }

    std::vector<std::string> Requests(const std::string& operation) const
    {
        return this->m_service.GetRequestArguments(operation);
    }

    nxMessageBoxInterceptor m_boxes;
};
