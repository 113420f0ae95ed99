// The library's units, started in a fixed order when it is loaded and finalized in the reverse order
// when it is unloaded. One object of one translation unit runs them: the order in which the static
// objects of several files are built is not defined, so no unit relies on a static of its own.
#pragma once
#include <initializer_list>
#include <vector>

namespace framework {

struct TUnit {
    const wchar_t *Name;
    void (*Startup)();
    void (*Finalize)() noexcept;
};

class TUnitSequence {
public:
    // Starts the units in order. A start-up that fails is traced, and the units after it are not
    // started: they may rely on it.
    explicit TUnitSequence(std::initializer_list<TUnit> units) noexcept;
    // Finalizes the started units, last first; a unit whose start-up did not complete is not
    // finalized.
    ~TUnitSequence();
    TUnitSequence(const TUnitSequence &) = delete;
    TUnitSequence &operator=(const TUnitSequence &) = delete;

    int StartedCount() const noexcept { return started_; }

private:
    std::vector<TUnit> units_;
    int started_ = 0;
};

} // namespace framework
