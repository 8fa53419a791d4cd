#include "platform/grid/nxGridCellCreationTemplate.h"

nxGridCellCreationTemplate::nxGridCellCreationTemplate(int column, nxAttributeID attributeId,
                                                       CGridStringStyle* style, std::string heading)
    : m_column(column), m_attributeId(attributeId), m_style(style ? style : new CGridStringStyle()),
      m_heading(std::move(heading))
{
}
