#include "framework/ribbon/backstage/BackstageView.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "framework/core/AddInModule.h"
#include "framework/core/ModuleErrors.h"
#include "framework/ribbon/RibbonStreaming.h"
#include "framework/ribbon/backstage/BackstageKinds.h"

namespace framework {

using Self = TzidBackstage;

CLASSLIB_DEFINE_CLASS(TzidBackstageControls, TzidRibbonControls)

CLASSLIB_DEFINE_CLASS(
    TzidBackstage, TzidRibbonRoot, b.Property(L"Images", &Self::Images, &Self::SetImages);
    // The kinds before the controls: read after them, they would overwrite the controls' own.
    b.Property(L"Ribbons", &Self::Ribbons, &Self::SetRibbons);
    b.Property(L"Ribbons2010", &Self::Ribbons2010, &Self::SetRibbons2010);
    b.ReadOnly(L"Controls", &Self::Controls).NotStored())

namespace {

// The view exists only inside an add-in module (which the root checks), once: the module's document
// holds one Backstage.
classlib::TComponent *SoleView(classlib::TComponent *AOwner) {
    auto *module = dynamic_cast<TzidCOMAddInModule *>(AOwner);
    if (module != nullptr && module->Backstage() != nullptr)
        RaiseZidError(
            zidErrSingleInstance,
            classlib::Format(SzidSingleInstance, {TzidBackstage::StaticClass().Name(), module->ClassName()}));
    return AOwner;
}

} // namespace

// ---- the top collection ------------------------------------------------------------------------

TzidBackstageControls::TzidBackstageControls(classlib::TPersistent *Owner)
    : TzidRibbonControls(Owner, 255, TzidRibbonCustomControl::StaticClass()) {}

TzidRibbonCustomControl *TzidBackstageControls::AddControl(TzidRibbonControlType Code) {
    if (Code != rctBackstageTab && Code != rctBackstageFastCommandButton) {
        const classlib::TClassInfo *cls = RibbonControlClass(Code);
        RaiseZidError(
            zidErrWrongContainer,
            classlib::Format(SzidWrongContainer,
                             {cls != nullptr ? cls->Name() : classlib::Format(L"code %d", {int(Code)}),
                              TzidBackstage::StaticClass().Name()}));
    }
    return TzidRibbonControls::AddControl(Code);
}

// ---- the view ----------------------------------------------------------------------------------

TzidBackstage::TzidBackstage(classlib::TComponent *AOwner) : TzidRibbonRoot(SoleView(AOwner), StaticClass()) {
    controls_ = std::make_unique<TzidBackstageControls>(this);
    module_->SetBackstage(this);
}

TzidBackstage::~TzidBackstage() {
    // The controls leave the id list through the module, so they go while it is known.
    controls_.reset();
    module_->SetBackstage(nullptr);
    module_ = nullptr;
}

void TzidBackstage::DefineProperties(classlib::TFiler &Filer) {
    TComponent::DefineProperties(Filer);
    DefineMixedControls(Filer, *controls_, streamedTypes_);
}

std::unique_ptr<classlib::TStringList> TzidBackstage::GetAttributes(int) const {
    auto list = std::make_unique<classlib::TStringList>();
    list->SetValues(L"onShow", L"OnBackstageShow_Callback");
    list->SetValues(L"onHide", L"OnBackstageHide_Callback");
    return list;
}

} // namespace framework
