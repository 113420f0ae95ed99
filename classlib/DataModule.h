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
    // Fires OnDestroy for a module whose creation completed, while the whole module still exists
    // when it is freed through Free (or by its owner); a plain delete fires it from the destructor,
    // after the derived class's own members are gone.
    void BeforeDestruction() override;
    ~TDataModule() override;

    // Reads the form of the actual class from HInstance() (EResNotFound "Resource %s not found"
    // when a class derived from TDataModule has none), then fires OnCreate.
    void AfterConstruction() override;

    TEvent<void(TObject *Sender)> OnCreate;
    TEvent<void(TObject *Sender)> OnDestroy;

private:
    void FireOnDestroy() noexcept;
    bool created_ = false;
};

} // namespace classlib
