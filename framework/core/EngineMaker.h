// Where an owner's engine comes from: the floor that implements an engine interface installs its maker
// once, and every owner (the add-in object or the module) made from then on makes its engine with it.
// Without a maker the owner has no engine, and its forwards do nothing: core runs alone.
#pragma once
#include <memory>
#include <utility>

namespace framework {

template <class Engine, class Owner> class TzidEngineMaker {
public:
    using Maker = std::unique_ptr<Engine> (*)(Owner &Value);

    // Owners made from now on make their engine with Value; answers the maker installed before.
    static Maker Install(Maker Value) noexcept { return std::exchange(maker_, Value); }
    // The engine of a new owner; null while no maker is installed.
    static std::unique_ptr<Engine> Make(Owner &Value) { return maker_ != nullptr ? maker_(Value) : nullptr; }

private:
    static inline Maker maker_ = nullptr;
};

} // namespace framework
