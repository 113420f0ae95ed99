#include "framework/commandbars/ControlEvents.h"

#include <utility>

#include "classlib/ComPtr.h"
#include "classlib/ConnectionPoints.h"
#include "framework/commandbars/OfficeEventSinks.h"
#include "framework/core/AddInModule.h"

namespace framework {

namespace {

TzidControlEventSinkFactory &InstalledFactory() {
    static TzidControlEventSinkFactory factory = MakeOfficeControlEventSink;
    return factory;
}

} // namespace

TzidControlEventSinkFactory SetControlEventSinkFactory(TzidControlEventSinkFactory Factory) {
    return std::exchange(InstalledFactory(), std::move(Factory));
}

void TzidControlEvents::Connect(TzidCOMAddInModule &Module, TzidCommandBarControl &Control) {
    DropSink();
    const TzidControlEventSinkFactory &factory = InstalledFactory();
    if (!factory)
        return;
    std::unique_ptr<IzidControlEventSink> sink = factory(Module, Control);
    if (!sink)
        return;
    Module.EventSinks().Add(sink.get());
    module_ = &Module;
    control_ = &Control;
    sink_ = std::move(sink);
}

void TzidControlEvents::Follow(TzidCOMAddInModule *Module, TzidCommandBarControl &Control, IUnknown *Old,
                               IUnknown *New) {
    if (sink_ && classlib::SameComObject(Old, New))
        return;
    Disconnect();
    if (New != nullptr && Module != nullptr)
        Connect(*Module, Control);
}

void TzidControlEvents::Disconnect() noexcept {
    if (control_ != nullptr)
        classlib::LingeringConnections().Retry(control_);
    DropSink();
}

void TzidControlEvents::DropSink() noexcept {
    if (!sink_)
        return;
    sink_->Disconnect();
    if (module_ != nullptr)
        module_->EventSinks().Remove(sink_.get());
    sink_.reset();
    module_ = nullptr;
}

} // namespace framework
