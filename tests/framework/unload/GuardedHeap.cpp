#include "GuardedHeap.h"

#include <windows.h>

#include <new>

namespace unloadtest {

void *GuardedAllocate(std::size_t Size) {
    void *block = VirtualAlloc(nullptr, Size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

// The reservation stays: no later allocation gets the address, so a stale pointer keeps faulting.
void GuardedRelease(void *Block) noexcept {
    if (Block != nullptr)
        VirtualFree(Block, 0, MEM_DECOMMIT);
}

} // namespace unloadtest
