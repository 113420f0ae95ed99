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
    TzidBackstage, classlib::TComponent, b.Property(L"Images", &Self::Images, &Self::SetImages);
    // The kinds before the controls: read after them, they would overwrite the controls' own.
    b.Property(L"Ribbons", &Self::Ribbons, &Self::SetRibbons);
    b.Property(L"Ribbons2010", &Self::Ribbons2010, &Self::SetRibbons2010);
    b.ReadOnly(L"Controls", &Self::Controls).NotStored())

namespace {

// The view exists only inside an add-in module, once: the module's document holds one Backstage.
classlib::TComponent *ModuleOwner(classlib::TComponent *AOwner) {
    auto *module = dynamic_cast<TzidCOMAddInModule *>(AOwner);
    if (module == nullptr)
        RaiseZidError(
            zidErrWrongContainer,
            classlib::Format(SzidWrongContainer, {TzidBackstage::StaticClass().Name(),
                                                  AOwner != nullptr ? AOwner->ClassName() : L"nil"}));
    if (module->Backstage() != nullptr)
        RaiseZidError(
            zidErrSingleInstance,
            classlib::Format(SzidSingleInstance, {TzidBackstage::StaticClass().Name(), module->ClassName()}));
    return AOwner;
}

void ClearImageIndexes(const IzidRibbonControlInternal &Node) {
    for (TzidRibbonControls *children : BackstageChildCollections(Node))
        for (int i = 0; i < children->Count(); ++i) {
            children->Items(i)->SetImageIndex(-1);
            ClearImageIndexes(*children->Items(i));
        }
}

} // namespace

std::vector<TzidRibbonControls *> BackstageChildCollections(const IzidRibbonControlInternal &Node) {
    std::vector<TzidRibbonControls *> collections;
    for (TzidRibbonControls *children :
         {Node.GetControls(), Node.GetItems(), Node.GetFirstColumn(), Node.GetSecondColumn(),
          Node.GetPrimaryItem(), Node.GetTopItems(), Node.GetBottomItems()})
        if (children != nullptr)
            collections.push_back(children);
    return collections;
}

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

TzidBackstage::TzidBackstage(classlib::TComponent *AOwner)
    : TComponent(ModuleOwner(AOwner)), module_(static_cast<TzidCOMAddInModule *>(AOwner)),
      ribbons_(zidDefaultRibbons), ribbons2010_(zidDefaultRibbons2010) {
    // Only the windows of hosts the add-in supports.
    const TzidHostAppSet apps = module_->SupportedApps();
    if (!apps.Contains(ohaAccess))
        ribbons_.Exclude(msrAccessDatabase);
    if (!apps.Contains(ohaExcel))
        ribbons_.Exclude(msrExcelWorkbook);
    if (!apps.Contains(ohaPowerPoint))
        ribbons_.Exclude(msrPowerPointPresentation);
    if (!apps.Contains(ohaWord))
        ribbons_.Exclude(msrWordDocument);
    if (!apps.Contains(ohaOutlook)) {
        ribbons_.Exclude(msrOutlookMailRead).Exclude(msrOutlookMailCompose).Exclude(msrOutlookExplorer);
        ribbons2010_.Exclude(msrOutlookExplorer2010);
    }
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

void TzidBackstage::SetImages(classlib::TImageList *Value) {
    if (Value == images_)
        return;
    if (images_ != nullptr)
        images_->RemoveFreeNotification(this);
    images_ = Value;
    if (images_ != nullptr)
        images_->FreeNotification(this);
}

void TzidBackstage::Notification(classlib::TComponent *AComponent, classlib::TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == classlib::TOperation::opRemove && AComponent != nullptr && AComponent == images_) {
        images_ = nullptr;
        if (controls_)
            ClearImageIndexes(*this);
    }
}

void TzidBackstage::SetRibbons(TzidRibbons Value) {
    if (Value == ribbons_)
        return;
    ribbons_ = Value;
    for (int i = 0; i < controls_->Count(); ++i)
        controls_->Items(i)->SetRibbons(Value);
    TzidRibbons2010 other = ribbons2010_;
    if (Value.Contains(msrOutlookExplorer))
        other.Include(msrOutlookExplorer2010);
    else
        other.Exclude(msrOutlookExplorer2010);
    SetRibbons2010(other);
}

void TzidBackstage::SetRibbons2010(TzidRibbons2010 Value) {
    if (Value == ribbons2010_)
        return;
    ribbons2010_ = Value;
    for (int i = 0; i < controls_->Count(); ++i)
        controls_->Items(i)->SetRibbons2010(Value);
    TzidRibbons other = ribbons_;
    if (Value.Contains(msrOutlookExplorer2010))
        other.Include(msrOutlookExplorer);
    else
        other.Exclude(msrOutlookExplorer);
    SetRibbons(other);
}

std::unique_ptr<classlib::TStringList> TzidBackstage::GetAttributes(int) const {
    auto list = std::make_unique<classlib::TStringList>();
    list->SetValues(L"onShow", L"OnBackstageShow_Callback");
    list->SetValues(L"onHide", L"OnBackstageHide_Callback");
    return list;
}

} // namespace framework
