#pragma once

#include <set>
#include <string>

#include "platform/grid/CGridStringStyle.h"
#include "platform/grid/data/nxGridDataTypes.h"

class nxGridManager;

// One column of a grid: the attribute it shows, its heading, width, place and
// visibility, the plain style its cells start from, and the values its filter
// lets through (none: no filter). Changed on the user-interface thread.
class nxGridColumn
{
public:
    explicit nxGridColumn(nxGridManager* manager) : m_manager(manager) {}
    virtual ~nxGridColumn() = default;
    nxGridColumn(const nxGridColumn&) = delete;
    nxGridColumn& operator=(const nxGridColumn&) = delete;

    nxGridManager* GetGridManager() const { return m_manager; }

    nxAttributeID GetAttributeID() const { return m_attributeId; }
    void SetAttributeID(nxAttributeID id) { m_attributeId = id; }
    // The custom heading, or the attribute catalogue's name when there is none.
    std::string GetHeading() const;
    const std::string& GetCustomHeading() const { return m_customHeading; }
    void SetCustomHeading(std::string heading) { m_customHeading = std::move(heading); }

    // Pixels; 0 leaves it to the window.
    int GetWidth() const { return m_width; }
    void SetWidth(int width) { m_width = width < 0 ? 0 : width; }
    bool IsVisible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    // Place among the columns as the operator sees them, from 0.
    int GetOrder() const { return m_order; }
    void SetOrder(int order) { m_order = order; }

    const CGridStringStyle& GetStyle() const { return m_style; }
    void SetStyle(const CGridStyle& style) { static_cast<CGridStyle&>(m_style) = style; }

    bool HasFilter() const { return !m_filterValues.empty(); }
    const std::set<std::string>& GetFilterValues() const { return m_filterValues; }
    void SetFilterValues(std::set<std::string> values) { m_filterValues = std::move(values); }

private:
    nxGridManager* m_manager;
    nxAttributeID m_attributeId = 0;
    std::string m_customHeading;
    int m_width = 0;
    bool m_visible = true;
    int m_order = 0;
    CGridStringStyle m_style;
    std::set<std::string> m_filterValues;
};
