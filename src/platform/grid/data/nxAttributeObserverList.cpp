#include "platform/grid/data/nxAttributeObserverList.h"

#include <algorithm>
#include <new>

// The observers follow the header in the same allocation.
struct nxAttributeObserverList::Block
{
    uint32_t size;
    uint32_t capacity;

    nxAttributeObserver** Observers() { return reinterpret_cast<nxAttributeObserver**>(this + 1); }
};

nxAttributeObserverList::~nxAttributeObserverList()
{
    if (HoldsBlock())
        ::operator delete(GetBlock());
}

nxAttributeObserverList::Block* nxAttributeObserverList::GetBlock() const
{
    return reinterpret_cast<Block*>(reinterpret_cast<uintptr_t>(m_first) & ~uintptr_t{1});
}

void nxAttributeObserverList::SetBlock(Block* block)
{
    m_first = reinterpret_cast<nxAttributeObserver*>(reinterpret_cast<uintptr_t>(block) | 1u);
}

nxAttributeObserverList::Block* nxAttributeObserverList::NewBlock(uint32_t capacity)
{
    void* memory = ::operator new(sizeof(Block) + capacity * sizeof(nxAttributeObserver*));
    return new (memory) Block{0, capacity};
}

std::span<nxAttributeObserver* const> nxAttributeObserverList::View() const
{
    if (HoldsBlock())
    {
        Block* block = GetBlock();
        return {block->Observers(), block->size};
    }
    if (m_first)
        return {&m_first, 1};
    return {};
}

bool nxAttributeObserverList::Contains(const nxAttributeObserver* observer) const
{
    const std::span<nxAttributeObserver* const> observers = View();
    return std::find(observers.begin(), observers.end(), observer) != observers.end();
}

void nxAttributeObserverList::Add(nxAttributeObserver* observer)
{
    // The first observer is the common case: a cell of one view.
    if (!m_first)
    {
        m_first = observer;
        return;
    }
    if (!observer || Contains(observer))
        return;
    Block* block = HoldsBlock() ? GetBlock() : nullptr;
    if (!block || block->size == block->capacity)
    {
        const std::span<nxAttributeObserver* const> held = View();
        Block* grown = NewBlock(block ? block->capacity * 2 : 2);
        std::copy(held.begin(), held.end(), grown->Observers());
        grown->size = static_cast<uint32_t>(held.size());
        if (block)
            ::operator delete(block);
        SetBlock(grown);
        block = grown;
    }
    block->Observers()[block->size++] = observer;
}

void nxAttributeObserverList::Remove(nxAttributeObserver* observer)
{
    if (!HoldsBlock())
    {
        if (m_first == observer)
            m_first = nullptr;
        return;
    }
    Block* block = GetBlock();
    nxAttributeObserver** observers = block->Observers();
    nxAttributeObserver** end = std::remove(observers, observers + block->size, observer);
    block->size = static_cast<uint32_t>(end - observers);
    if (block->size > 1)
        return;
    // Back to the room of one pointer.
    nxAttributeObserver* last = block->size == 1 ? observers[0] : nullptr;
    ::operator delete(block);
    m_first = last;
}
