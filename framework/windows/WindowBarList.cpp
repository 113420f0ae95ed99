#include "framework/windows/WindowBarList.h"

#include "framework/commandbars/CommandBarModel.h"
#include "framework/commandbars/WindowBars.h"
#include "framework/core/ProcessState.h"

using classlib::ComPtr;

namespace framework {

namespace {

// COM identity: the IUnknown each answers.
bool SameObject(IUnknown *A, IUnknown *B) {
    ComPtr<IUnknown> a, b;
    return A->QueryInterface(IID_IUnknown, a.PutVoid()) == S_OK &&
           B->QueryInterface(IID_IUnknown, b.PutVoid()) == S_OK && a.Get() == b.Get();
}

} // namespace

void TzidWindowBars::Record(TzidCustomCommandBar &Bar) {
    for (auto &[bar, office] : bars_)
        if (bar == &Bar) {
            office = Bar.CommandBarInterface();
            return;
        }
    bars_.emplace_back(&Bar, Bar.CommandBarInterface());
}

TzidActivationScope::TzidActivationScope() noexcept {
    WindowActivationBusy = true;
}

TzidActivationScope::~TzidActivationScope() {
    WindowActivationBusy = false;
}

void TzidWindowBars::Add(TzidCustomCommandBar &Bar) {
    if (!Holds(&Bar))
        bars_.emplace_back(&Bar, nullptr);
}

bool TzidWindowBars::Holds(const TzidCustomCommandBar *Bar) const {
    for (const auto &entry : bars_)
        if (entry.first == Bar)
            return true;
    return false;
}

void TzidWindowBars::Remove(const TzidCustomCommandBar *Bar) {
    bars_.erase(
        std::remove_if(bars_.begin(), bars_.end(), [&](const auto &entry) { return entry.first == Bar; }),
        bars_.end());
}

void TzidWindowBars::UnbindFromWindow() {
    for (auto &[bar, office] : bars_) {
        if (office && bar->CommandBarInterface() &&
            SameObject(office.Get(), bar->CommandBarInterface().Get()))
            UnbindBar(*bar);
        office.Reset();
    }
}

} // namespace framework
