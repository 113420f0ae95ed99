#include "framework/core/HandlerCall.h"

#include <algorithm>
#include <vector>

#include "classlib/Trace.h"
#include "framework/core/AddInObject.h"

namespace framework {

namespace {

// The calls open on the stack, innermost last. The UI thread only.
std::vector<TzidHandlerCall *> &OpenCalls() {
    static std::vector<TzidHandlerCall *> calls;
    return calls;
}

classlib::ComPtr<IUnknown> Hold(TdivAzore *AddIn) {
    return AddIn != nullptr ? classlib::ComPtr<IUnknown>::Copy(AddIn->GetUnknown()) : nullptr;
}

} // namespace

TzidHandlerCall::TzidHandlerCall(TzidCOMAddInModule *Module, const void *Sender, bool Exclusive)
    : module_(Module), sender_(Sender), exclusive_(Exclusive && Sender != nullptr),
      moduleAlive_(Module != nullptr), addIn_(Hold(Module != nullptr ? Module->AddIn() : nullptr)) {
    if (exclusive_ && Busy(Sender)) {
        entered_ = false;
        exclusive_ = false;
    }
    OpenCalls().push_back(this);
}

TzidHandlerCall::TzidHandlerCall(TdivAzore &AddIn)
    : module_(AddIn.Module()), sender_(nullptr), exclusive_(false), moduleAlive_(module_ != nullptr),
      addIn_(Hold(&AddIn)) {
    OpenCalls().push_back(this);
}

// The add-in object is let go of inside the scope: freeing it hands its module to FreeAfterCall,
// which the scope's end then frees.
TzidHandlerCall::~TzidHandlerCall() {
    auto &calls = OpenCalls();
    calls.erase(std::remove(calls.begin(), calls.end(), this), calls.end());
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
    const auto &calls = OpenCalls();
    return Sender != nullptr && std::any_of(calls.begin(), calls.end(), [&](const TzidHandlerCall *c) {
               return c->exclusive_ && c->senderAlive_ && c->sender_ == Sender;
           });
}

void TzidHandlerCall::ObjectGone(const void *Object) noexcept {
    for (TzidHandlerCall *call : OpenCalls()) {
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
