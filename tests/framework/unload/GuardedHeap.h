// Memory for the objects whose reads after their free the tests must see: each block lives on pages
// of its own, which are decommitted when it is freed and never handed out again in the run, so that
// any later read or write of it faults at once. Wine's heap checking only fills freed blocks: a read
// of a freed collection then finds an empty vector and goes on quietly.
#pragma once
#include <cstddef>

namespace unloadtest {

void *GuardedAllocate(std::size_t Size);
void GuardedRelease(void *Block) noexcept;

// T with its instances on guarded pages.
template <class T> class TGuarded : public T {
public:
    using T::T;
    static void *operator new(std::size_t Size) { return GuardedAllocate(Size); }
    static void operator delete(void *Block) noexcept { GuardedRelease(Block); }
};

} // namespace unloadtest
