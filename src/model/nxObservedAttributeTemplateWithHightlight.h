#pragma once

#include <atomic>
#include <mutex>
#include <utility>

#include "model/nxObservedAttributeTemplate.h"

// An observed attribute that also carries a 64-bit highlight mask, initially 0.
template <nxAttributeID ID, class T>
class nxObservedAttributeTemplateWithHightlight : public nxObservedAttributeTemplate<ID, T>
{
public:
    using nxObservedAttributeTemplate<ID, T>::nxObservedAttributeTemplate;

    nxObservedAttributeTemplateWithHightlight* CreateInstance() const override
    {
        return new nxObservedAttributeTemplateWithHightlight();
    }

    nxAttributeHighlightBitMask GetAttributeHighlight() const override
    {
        return m_highlight.load(std::memory_order_acquire);
    }

    // Tells observers 0x20 when the mask differs from the held one.
    void UpdateAttributeHighlight(const nxAttributeHighlightBitMask& highlight)
    {
        // Rows mostly keep their highlight, so an unchanged mask is answered without locking.
        if (m_highlight.load(std::memory_order_acquire) == highlight)
            return;
        std::lock_guard guard(this->GetLock());
        if (m_highlight.load(std::memory_order_relaxed) == highlight)
            return;
        m_highlight.store(highlight, std::memory_order_release);
        this->NotifyObservers(nxAttributeChange::HighlightChanged, false);
    }

    // The highlight first, then the value, each under the lock on its own, so
    // observers may be told twice.
    void UpdateAttributeHighlightAndValue(const T& value, const nxAttributeHighlightBitMask& highlight,
                                          bool suppressFlash)
    {
        UpdateAttributeHighlight(highlight);
        this->UpdateAttributeValue(value, suppressFlash);
    }
    void UpdateAttributeHighlightAndValue(T&& value, const nxAttributeHighlightBitMask& highlight,
                                          bool suppressFlash)
    {
        UpdateAttributeHighlight(highlight);
        this->UpdateAttributeValue(std::move(value), suppressFlash);
    }
    void UpdateAttributeHighlightAndValueWithoutFlashing(const T& value,
                                                         const nxAttributeHighlightBitMask& highlight)
    {
        UpdateAttributeHighlight(highlight);
        this->UpdateAttributeValueWithoutFlashing(value);
    }
    void UpdateAttributeHighlightAndValueWithoutFlashing(T&& value,
                                                         const nxAttributeHighlightBitMask& highlight)
    {
        UpdateAttributeHighlight(highlight);
        this->UpdateAttributeValueWithoutFlashing(std::move(value));
    }

private:
    std::atomic<nxAttributeHighlightBitMask> m_highlight{0};
};
