#include "classlib/DataModule.h"

#include "classlib/Classes.h"
#include "classlib/FormResource.h"
#include "classlib/Format.h"
#include "classlib/Trace.h"

#include <utility>

namespace classlib {

CLASSLIB_DEFINE_CLASS(TDataModule, TComponent, b.Field(L"OnCreate", &TDataModule::OnCreate);
                      b.Field(L"OnDestroy", &TDataModule::OnDestroy))

TDataModule::TDataModule(TComponent *owner) : TComponent(owner) {}

void TDataModule::BeforeDestruction() {
    TComponent::BeforeDestruction();
    FireOnDestroy();
}

TDataModule::~TDataModule() { FireOnDestroy(); }

void TDataModule::FireOnDestroy() noexcept {
    if (!std::exchange(created_, false))
        return;
    try {
        OnDestroy(this);
    } catch (...) {
        // An exception cannot leave a destructor; the module goes away either way.
        TraceException(L"Classes", L"OnDestroy of a data module");
    }
}

void TDataModule::AfterConstruction() {
    if (&ClassType() != &TDataModule::StaticClass() &&
        !InitInheritedComponent(this, TDataModule::StaticClass()))
        throw EResNotFound(Format(L"Resource %s not found", {ClassName()}));
    OnCreate(this);
    created_ = true;
}

} // namespace classlib
