#include "framework/support/UnitSequence.h"

#include "classlib/Trace.h"

namespace framework {

namespace {
constexpr const wchar_t *Channel = L"Units";
}

TUnitSequence::TUnitSequence(std::initializer_list<TUnit> units) noexcept {
    try {
        units_.assign(units);
        for (const TUnit &unit : units_) {
            unit.Startup();
            ++started_;
        }
    } catch (...) {
        const wchar_t *name = started_ < static_cast<int>(units_.size()) ? units_[started_].Name : L"units";
        classlib::TraceException(Channel, name); // what failed; the units after it stay down
    }
}

TUnitSequence::~TUnitSequence() {
    while (started_ > 0)
        units_[--started_].Finalize();
}

} // namespace framework
