#include "framework/commandbars/ControlEvents.h"

#include <utility>

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
    Disconnect();
    const TzidControlEventSinkFactory &factory = InstalledFactory();
    if (!factory)
        return;
    std::unique_ptr<IzidControlEventSink> sink = factory(Module, Control);
    if (!sink)
        return;
    Module.EventSinks().Add(sink.get());
    module_ = &Module;
    sink_ = std::move(sink);
}

void TzidControlEvents::Disconnect() noexcept {
    if (!sink_)
        return;
    sink_->Disconnect();
    if (module_ != nullptr)
        module_->EventSinks().Remove(sink_.get());
    sink_.reset();
    module_ = nullptr;
}

} // namespace framework
