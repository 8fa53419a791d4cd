#include "platform/grid/nxGridCell.h"

#include "platform/grid/CGridManager.h"
#include "platform/grid/CGridRow.h"
#include "platform/grid/data/nxObservedAttribute.h"

nxGridCell::~nxGridCell()
{
    Detach();
}

void nxGridCell::Attach(nxGridDataObject* object, nxObservedAttribute* attribute)
{
    Detach();
    m_dataObject = object;
    m_attribute = attribute;
    if (!attribute)
        return;
    std::lock_guard guard(attribute->GetLock());
    attribute->AttachObserver(this);
    Style()->SetHighlightBits(
        CGridStyle::HighlightBitsFromAttributeHighlight(attribute->GetAttributeHighlight()));
    if (CGridRow* row = GetRow(); row && row->GetManager())
        row->GetManager()->CountObserverAttached();
}

void nxGridCell::Detach()
{
    if (m_attribute)
    {
        m_attribute->DetachObserver(this);
        if (CGridRow* row = GetRow(); row && row->GetManager())
            row->GetManager()->CountObserverDetached();
    }
    m_attribute = nullptr;
    m_dataObject = nullptr;
}

std::string nxGridCell::GetText() const
{
    return m_attribute ? m_attribute->GetAttributeValueAsString() : std::string();
}

void nxGridCell::OnAttributeChanged(const nxObservedAttribute& attribute, nxAttributeChangeBitMask changes,
                                    bool)
{
    if (changes & nxAttributeChange::HighlightChanged)
        Style()->SetHighlightBits(
            CGridStyle::HighlightBitsFromAttributeHighlight(attribute.GetAttributeHighlight()));
    const CGridStyle::Flash flash = CGridStyle::FlashFromChanges(changes);
    if (flash != CGridStyle::Flash::None)
        Style()->SetFlash(flash, CGridManager::NowMilliseconds());
    MarkDirty();
}
