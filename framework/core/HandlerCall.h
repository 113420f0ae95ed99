// The one way the framework runs an add-in's handler, from every path that reaches the add-in's code:
// Office's clicks and changes, ribbon actions, keyboard shortcuts, task-pane events and the hooked
// host events. A handler may free what it was called for: its sender, the collection the sender
// lies in, or the module itself by unloading the add-in (the host then calls OnDisconnection inside
// the handler). So while a call is open:
// - the add-in object is held, and what the framework lets go of meanwhile (the module, a window's
//   wrapper) is freed once the outermost call has returned (FreeAfterCall);
// - the sender's re-entry mark lives here, so that clearing it never touches the sender;
// - the call knows whether its sender and its module are still there without touching them: the
//   senders' classes announce their destruction (ObjectGone), and a caller goes on only with what is;
// - what the handler raises goes to DoError of the module while the module still exists; a sender
//   outside any module passes it on to its caller.
#pragma once
#include <functional>

#include "classlib/ComPtr.h"
#include "framework/core/DeferredFree.h"

namespace framework {

class TdivAzore;
class TzidCOMAddInModule;

class TzidHandlerCall {
public:
    // Exclusive: no second call with the same sender runs while this one is open (a click while the
    // handler's message box is up). Module and Sender may be null.
    TzidHandlerCall(TzidCOMAddInModule *Module, const void *Sender, bool Exclusive = false) noexcept;
    // A hooked host event: the add-in object and its module.
    explicit TzidHandlerCall(TdivAzore &AddIn) noexcept;
    ~TzidHandlerCall();
    TzidHandlerCall(const TzidHandlerCall &) = delete;
    TzidHandlerCall &operator=(const TzidHandlerCall &) = delete;

    // False for an exclusive call whose sender was already in one: nothing is run then.
    bool Entered() const noexcept { return entered_; }
    bool SenderAlive() const noexcept { return senderAlive_; }
    // The module while it exists; null once it is freed or when there was none.
    TzidCOMAddInModule *Module() const noexcept { return moduleAlive_ ? module_ : nullptr; }
    // Runs Body when the call was entered and its sender is still there; what Body raises goes to the
    // module's DoError (raised on when there is no module). True when Body ran and returned normally.
    bool Run(const std::function<void()> &Body);

    // Whether Sender is in an exclusive call (a control's InAction).
    static bool Busy(const void *Sender) noexcept;
    // Announced by the destructors of the senders' classes and of the module.
    static void ObjectGone(const void *Object) noexcept;

private:
    TzidCOMAddInModule *module_;
    const void *sender_;
    bool exclusive_;
    bool entered_ = true;
    bool senderAlive_ = true;
    bool moduleAlive_;
    TzidHandlerCall *outer_ = nullptr; // the call this one is inside
    classlib::ComPtr<IUnknown> addIn_;
    TEventCallScope scope_;
};

// The one-line form: runs Body as a call of Sender; true when it ran and returned normally.
bool RunHandler(TzidCOMAddInModule *Module, const void *Sender, const std::function<void()> &Body,
                bool Exclusive = false);

} // namespace framework
