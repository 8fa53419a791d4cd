#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <thread>
#include <vector>

#include "platform/base/nxBlockPool.h"

// Blocks are whole, aligned and never handed to two owners; a released block is
// handed out again before the pool takes more from the system, slabs included.
TEST(BlockPool, HandsOutWholeAlignedBlocksAndReusesReleasedOnes)
{
    nxBlockPool pool(44, 3);
    ASSERT_GE(pool.GetBlockSize(), 44u);
    std::vector<void*> blocks;
    for (int block = 0; block < 10; ++block)
    {
        blocks.push_back(pool.Allocate());
        EXPECT_EQ(reinterpret_cast<uintptr_t>(blocks.back()) % __STDCPP_DEFAULT_NEW_ALIGNMENT__, 0u);
        std::memset(blocks.back(), block, pool.GetBlockSize());
    }
    for (int block = 0; block < 10; ++block)
        for (size_t byte = 0; byte < pool.GetBlockSize(); ++byte)
            ASSERT_EQ(static_cast<unsigned char*>(blocks[block])[byte], block) << "blocks overlap";
    EXPECT_EQ(pool.GetBlocksInUse(), 10u);

    const std::set<void*> first(blocks.begin(), blocks.end());
    EXPECT_EQ(first.size(), blocks.size());
    for (void* block : blocks)
        pool.Release(block);
    pool.Release(nullptr);
    EXPECT_EQ(pool.GetBlocksInUse(), 0u);
    std::set<void*> again;
    for (int block = 0; block < 10; ++block)
        again.insert(pool.Allocate());
    EXPECT_EQ(again, first) << "released blocks come back before new ones are taken";
    for (void* block : again)
        pool.Release(block);
}

// Threads take and give back blocks at once, each marking its own: a block
// handed to two of them at a time shows as another thread's mark.
TEST(BlockPool, ThreadsNeverShareABlock)
{
    nxBlockPool pool(sizeof(uint64_t) * 4, 16);
    constexpr int kThreads = 4;
    constexpr int kRounds = 2000;
    std::vector<std::thread> threads;
    std::vector<int> faults(kThreads, 0);
    for (int thread = 0; thread < kThreads; ++thread)
        threads.emplace_back(
            [&pool, &faults, thread]
            {
                std::vector<uint64_t*> held;
                for (int round = 0; round < kRounds; ++round)
                {
                    auto* block = static_cast<uint64_t*>(pool.Allocate());
                    std::fill(block, block + 4, static_cast<uint64_t>(thread));
                    held.push_back(block);
                    if (round % 3 == 2)
                    {
                        for (uint64_t* mine : held)
                        {
                            faults[thread] += std::count(mine, mine + 4, static_cast<uint64_t>(thread)) != 4;
                            pool.Release(mine);
                        }
                        held.clear();
                    }
                }
                for (uint64_t* mine : held)
                    pool.Release(mine);
            });
    for (std::thread& thread : threads)
        thread.join();
    for (int thread = 0; thread < kThreads; ++thread)
        EXPECT_EQ(faults[thread], 0) << "thread " << thread;
    EXPECT_EQ(pool.GetBlocksInUse(), 0u);
}
