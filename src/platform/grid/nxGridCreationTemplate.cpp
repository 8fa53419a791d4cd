#include "platform/grid/nxGridCreationTemplate.h"

#include "platform/grid/data/nxAttributeCatalogue.h"

void nxGridCreationTemplate::CreateAvailableCellCreationTemplates(nxAttributeCategory category)
{
    for (nxAttributeID id : nxAttributeCatalogue::GetAttributeIDs(category))
        if (!FindAvailableCellCreationTemplate(id))
            m_available.push_back(
                std::make_unique<nxGridCellCreationTemplate>(-1, id, new CGridStringStyle(), std::string()));
}

const nxGridCellCreationTemplate*
nxGridCreationTemplate::FindAvailableCellCreationTemplate(nxAttributeID id) const
{
    for (const auto& cell : m_available)
        if (cell->GetAttributeID() == id)
            return cell.get();
    return nullptr;
}

void nxGridCreationTemplate::AddRowSegmentCreationTemplate(nxGridRowSegmentCreationTemplate* segment)
{
    if (segment)
        m_segments.emplace_back(segment);
}
