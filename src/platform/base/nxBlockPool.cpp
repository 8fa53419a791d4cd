#include "platform/base/nxBlockPool.h"

#include <algorithm>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define NX_POISON(block, size) ASAN_POISON_MEMORY_REGION(block, size)
#define NX_UNPOISON(block, size) ASAN_UNPOISON_MEMORY_REGION(block, size)
#else
#define NX_POISON(block, size) ((void)(block), (void)(size))
#define NX_UNPOISON(block, size) ((void)(block), (void)(size))
#endif

namespace
{
constexpr size_t kAlignment = __STDCPP_DEFAULT_NEW_ALIGNMENT__;
constexpr size_t kCacheLine = 64;

size_t RoundedUp(size_t size)
{
    return (std::max(size, size_t{1}) + kAlignment - 1) / kAlignment * kAlignment;
}
} // namespace

nxBlockPool::nxBlockPool(size_t blockSize, size_t blocksPerSlab)
    : m_blockSize(RoundedUp(std::max(blockSize, sizeof(FreeBlock)))),
      m_blocksPerSlab(std::max(blocksPerSlab, size_t{1}))
{
}

nxBlockPool::~nxBlockPool()
{
    // The slabs go back whole; a free block's poisoning must not outlive them.
    for (const auto& slab : m_slabs)
        NX_UNPOISON(slab.get(), m_blockSize * m_blocksPerSlab);
}

void* nxBlockPool::Allocate()
{
    std::lock_guard guard(m_lock);
    if (!m_free)
        AddSlab();
    FreeBlock* block = m_free;
    NX_UNPOISON(block, m_blockSize);
    m_free = block->next;
    ++m_blocksInUse;
    PrefetchNext();
    return block;
}

// A free block has usually gone cold by the time it is taken again; fetched now,
// it is in the cache when the next object is made in it.
void nxBlockPool::PrefetchNext() const
{
    if (!m_free)
        return;
    const auto* next = reinterpret_cast<const std::byte*>(m_free);
    for (size_t offset = 0; offset < m_blockSize; offset += kCacheLine)
        __builtin_prefetch(next + offset, 1);
}

void nxBlockPool::Release(void* block) noexcept
{
    if (!block)
        return;
    std::lock_guard guard(m_lock);
    auto* freed = static_cast<FreeBlock*>(block);
    freed->next = m_free;
    m_free = freed;
    NX_POISON(freed, m_blockSize);
    --m_blocksInUse;
}

size_t nxBlockPool::GetBlocksInUse() const
{
    std::lock_guard guard(m_lock);
    return m_blocksInUse;
}

// Links the new slab's blocks in address order, so that objects made one after
// the other lie one after the other.
void nxBlockPool::AddSlab()
{
    m_slabs.push_back(std::make_unique_for_overwrite<std::byte[]>(m_blockSize * m_blocksPerSlab));
    std::byte* slab = m_slabs.back().get();
    for (size_t block = m_blocksPerSlab; block-- > 0;)
    {
        auto* freed = reinterpret_cast<FreeBlock*>(slab + block * m_blockSize);
        freed->next = m_free;
        m_free = freed;
        NX_POISON(freed, m_blockSize);
    }
}
