#pragma once

#include <cstddef>
#include <memory>
#include <mutex>
#include <vector>

// Blocks of one size for objects made and dropped by the hundred thousand: a
// block comes off a free list under one short lock, where the general heap
// would spend more on finding and merging free space than filling the object
// costs. Blocks are taken from the system a slab at a time and stay with the
// pool for the next objects, so the pool holds as much as was ever in use at once.
class nxBlockPool
{
public:
    nxBlockPool(size_t blockSize, size_t blocksPerSlab);
    ~nxBlockPool();
    nxBlockPool(const nxBlockPool&) = delete;
    nxBlockPool& operator=(const nxBlockPool&) = delete;

    size_t GetBlockSize() const { return m_blockSize; }
    // Aligned as operator new aligns; throws std::bad_alloc like it.
    void* Allocate();
    // A block this pool gave out, not yet released.
    void Release(void* block) noexcept;
    // Blocks given out and not released.
    size_t GetBlocksInUse() const;

private:
    struct FreeBlock
    {
        FreeBlock* next;
    };
    void AddSlab();
    void PrefetchNext() const;

    const size_t m_blockSize;
    const size_t m_blocksPerSlab;
    mutable std::mutex m_lock;
    FreeBlock* m_free = nullptr;
    std::vector<std::unique_ptr<std::byte[]>> m_slabs;
    size_t m_blocksInUse = 0;
};
