#include "platform/grid/nxGridColumn.h"

#include "platform/grid/data/nxAttributeCatalogue.h"

std::string nxGridColumn::GetHeading() const
{
    return m_customHeading.empty() ? nxAttributeCatalogue::GetHeading(m_attributeId) : m_customHeading;
}
