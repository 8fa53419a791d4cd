#pragma once

#include "model/nxAttributeValueCompositeKeyEntry.h"

// A sort-key entry that also knows the container (row) its value belongs to.
class nxAttributeValueCompositeKeyEntry_ForSpecificContainer : public nxAttributeValueCompositeKeyEntry
{
public:
    nxAttributeValueCompositeKeyEntry_ForSpecificContainer() = default;
    nxAttributeValueCompositeKeyEntry_ForSpecificContainer(const nxAttributeValue* value, nxAttributeID id,
                                                           bool ascending,
                                                           nxObservedAttributeContainer* container)
        : nxAttributeValueCompositeKeyEntry(value, id, ascending), m_container(container)
    {
    }

    nxAttributeValueCompositeKeyEntry_ForSpecificContainer* CopyInstance() const override
    {
        return new nxAttributeValueCompositeKeyEntry_ForSpecificContainer(*this);
    }

    nxObservedAttributeContainer* GetSpecificContainer() const override { return m_container; }
    void SetSpecificContainer(nxObservedAttributeContainer* container) { m_container = container; }

private:
    nxObservedAttributeContainer* m_container = nullptr;
};
