#pragma once

#include <cstdint>
#include <span>

class nxAttributeObserver;

// The observers of one attribute in the room of one pointer: none, one held in
// place, or several in a block of their own. Most attributes have none or one
// (the cell that shows them), and a store may hold hundreds of thousands.
// Keeps the order of adding. Not guarded: the attribute's lock is.
class nxAttributeObserverList
{
public:
    nxAttributeObserverList() = default;
    ~nxAttributeObserverList();
    nxAttributeObserverList(const nxAttributeObserverList&) = delete;
    nxAttributeObserverList& operator=(const nxAttributeObserverList&) = delete;

    // Adding one already present, or null, changes nothing.
    void Add(nxAttributeObserver* observer);
    void Remove(nxAttributeObserver* observer);
    bool Contains(const nxAttributeObserver* observer) const;
    bool IsEmpty() const { return m_first == nullptr; }
    uint32_t Size() const { return static_cast<uint32_t>(View().size()); }
    // Valid until the list next changes.
    std::span<nxAttributeObserver* const> View() const;

private:
    struct Block;

    // A block's address is marked by its lowest bit, which an observer's never has.
    bool HoldsBlock() const { return (reinterpret_cast<uintptr_t>(m_first) & 1u) != 0; }
    Block* GetBlock() const;
    void SetBlock(Block* block);
    static Block* NewBlock(uint32_t capacity);

    nxAttributeObserver* m_first = nullptr;
};
