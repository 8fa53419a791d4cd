#pragma once

#include <memory>
#include <string>

#include "platform/grid/CGridStringStyle.h"
#include "platform/grid/data/nxGridDataTypes.h"

// What one column of a new grid shows: its place, the attribute, the plain style
// of its cells and its heading (empty: the attribute catalogue's name).
class nxGridCellCreationTemplate
{
public:
    // Takes the style; a null style is the plain default.
    nxGridCellCreationTemplate(int column, nxAttributeID attributeId, CGridStringStyle* style,
                               std::string heading);
    virtual ~nxGridCellCreationTemplate() = default;
    nxGridCellCreationTemplate(const nxGridCellCreationTemplate&) = delete;
    nxGridCellCreationTemplate& operator=(const nxGridCellCreationTemplate&) = delete;

    int GetColumn() const { return m_column; }
    nxAttributeID GetAttributeID() const { return m_attributeId; }
    const CGridStringStyle& GetStyle() const { return *m_style; }
    const std::string& GetHeading() const { return m_heading; }

private:
    int m_column;
    nxAttributeID m_attributeId;
    std::unique_ptr<CGridStringStyle> m_style;
    std::string m_heading;
};
