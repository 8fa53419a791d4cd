#pragma once

#include <string>

#include "platform/grid/CGridCell.h"
#include "platform/grid/data/nxAttributeObserver.h"

class nxGridDataObject;
class nxObservedAttribute;

// A cell that shows one attribute of its row's data object. As the attribute's
// observer it only records what changed (highlight bits, the flash a change
// starts, that it needs repainting) and returns: it is called with the attribute
// locked, on the thread that changed it.
//
// Attach, Detach, GetDataObject and GetText run with the grid's rows lock held,
// which is what keeps the data object alive while a reader uses it.
class nxGridCell : public CGridCell, public nxAttributeObserver
{
public:
    nxGridCell() = default;
    ~nxGridCell() override;

    // Observes the attribute (null: the object has none, and the cell stays empty).
    void Attach(nxGridDataObject* object, nxObservedAttribute* attribute);
    // Stops observing and forgets the object; afterwards no change reaches the cell.
    void Detach();

    // Null once the row's data has gone.
    nxGridDataObject* GetDataObject() const { return m_dataObject; }
    nxObservedAttribute* GetAttribute() const { return m_attribute; }

    std::string GetText() const override;

    void OnAttributeChanged(const nxObservedAttribute& attribute, nxAttributeChangeBitMask changes,
                            bool extended) override;

private:
    nxGridDataObject* m_dataObject = nullptr;
    nxObservedAttribute* m_attribute = nullptr;
};
