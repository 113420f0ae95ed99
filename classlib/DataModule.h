// TDataModule: a component whose components, properties and event bindings come from its class's
// form resource. The add-in module derives from it.
#pragma once
#include "classlib/Component.h"
#include "classlib/Events.h"

namespace classlib {

class TDataModule : public TComponent {
    CLASSLIB_CLASS(TDataModule)
public:
    // Makes the empty module; the form is read in AfterConstruction (create with Create<T>).
    explicit TDataModule(TComponent *owner);
    // Fires OnDestroy for a module whose creation completed. C++ has destroyed the derived class's
    // own members by then: a handler should only touch what TDataModule and its components hold.
    ~TDataModule() override;

    // Reads the form of the actual class from HInstance() (EResNotFound "Resource %s not found"
    // when a class derived from TDataModule has none), then fires OnCreate.
    void AfterConstruction() override;

    TEvent<void(TObject *Sender)> OnCreate;
    TEvent<void(TObject *Sender)> OnDestroy;

private:
    bool created_ = false;
};

} // namespace classlib
