#include "framework/core/HandlerCall.h"

#include <utility>

#include "classlib/Trace.h"
#include "framework/core/AddInObject.h"

namespace framework {

namespace {

// The innermost call open on the stack; each call knows the one it is inside. The UI thread only.
TzidHandlerCall *&Innermost() noexcept {
    static TzidHandlerCall *innermost = nullptr;
    return innermost;
}

classlib::ComPtr<IUnknown> Hold(TdivAzore *AddIn) noexcept {
    return AddIn != nullptr ? classlib::ComPtr<IUnknown>::Copy(AddIn->GetUnknown()) : nullptr;
}

} // namespace

TzidHandlerCall::TzidHandlerCall(TzidCOMAddInModule *Module, const void *Sender, bool Exclusive) noexcept
    : module_(Module), sender_(Sender), exclusive_(Exclusive && Sender != nullptr),
      moduleAlive_(Module != nullptr), addIn_(Hold(Module != nullptr ? Module->AddIn() : nullptr)) {
    if (exclusive_ && Busy(Sender)) {
        entered_ = false;
        exclusive_ = false;
    }
    outer_ = std::exchange(Innermost(), this);
}

TzidHandlerCall::TzidHandlerCall(TdivAzore &AddIn) noexcept
    : module_(AddIn.Module()), sender_(nullptr), exclusive_(false), moduleAlive_(module_ != nullptr),
      addIn_(Hold(&AddIn)) {
    outer_ = std::exchange(Innermost(), this);
}

// The add-in object is let go of inside the scope: freeing it hands its module to FreeAfterCall,
// which the scope's end then frees.
TzidHandlerCall::~TzidHandlerCall() {
    for (TzidHandlerCall **link = &Innermost(); *link != nullptr; link = &(*link)->outer_)
        if (*link == this) {
            *link = outer_;
            break;
        }
    addIn_.Reset();
}

bool TzidHandlerCall::Run(const std::function<void()> &Body) {
    if (!entered_ || !senderAlive_)
        return false;
    try {
        Body();
        return true;
    } catch (...) {
        if (TzidCOMAddInModule *module = Module())
            module->RunGuarded([] { throw; });
        else if (module_ == nullptr)
            throw;
        else
            classlib::TraceException(L"AddIn", L"A handler whose module has gone");
    }
    return false;
}

bool TzidHandlerCall::Busy(const void *Sender) noexcept {
    for (const TzidHandlerCall *call = Innermost(); Sender != nullptr && call != nullptr; call = call->outer_)
        if (call->exclusive_ && call->senderAlive_ && call->sender_ == Sender)
            return true;
    return false;
}

void TzidHandlerCall::ObjectGone(const void *Object) noexcept {
    for (TzidHandlerCall *call = Innermost(); call != nullptr; call = call->outer_) {
        if (call->sender_ == Object)
            call->senderAlive_ = false;
        if (call->module_ == Object)
            call->moduleAlive_ = false;
    }
}

bool RunHandler(TzidCOMAddInModule *Module, const void *Sender, const std::function<void()> &Body,
                bool Exclusive) {
    TzidHandlerCall call(Module, Sender, Exclusive);
    return call.Run(Body);
}

} // namespace framework
