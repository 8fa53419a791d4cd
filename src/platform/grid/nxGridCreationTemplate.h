#pragma once

#include <memory>
#include <vector>

#include "platform/grid/nxGridRowSegmentCreationTemplate.h"

// How a new grid is laid out: the segments of cells it starts with, and the cells
// the column picker can add (one per attribute of the categories made available).
class nxGridCreationTemplate
{
public:
    nxGridCreationTemplate() = default;
    virtual ~nxGridCreationTemplate() = default;
    nxGridCreationTemplate(const nxGridCreationTemplate&) = delete;
    nxGridCreationTemplate& operator=(const nxGridCreationTemplate&) = delete;

    // Offers every attribute of the category that is not offered yet, with a plain style.
    void CreateAvailableCellCreationTemplates(nxAttributeCategory category);
    const std::vector<std::unique_ptr<nxGridCellCreationTemplate>>& GetAvailableCellCreationTemplates() const
    {
        return m_available;
    }
    // Null when the attribute is not offered.
    const nxGridCellCreationTemplate* FindAvailableCellCreationTemplate(nxAttributeID id) const;

    // Takes the segment; a null one is ignored.
    void AddRowSegmentCreationTemplate(nxGridRowSegmentCreationTemplate* segment);
    const std::vector<std::unique_ptr<nxGridRowSegmentCreationTemplate>>&
    GetRowSegmentCreationTemplates() const
    {
        return m_segments;
    }

private:
    std::vector<std::unique_ptr<nxGridCellCreationTemplate>> m_available;
    std::vector<std::unique_ptr<nxGridRowSegmentCreationTemplate>> m_segments;
};
