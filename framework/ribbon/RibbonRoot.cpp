#include "framework/ribbon/RibbonRoot.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "framework/core/AddInModule.h"
#include "framework/core/ModuleErrors.h"
#include "framework/ribbon/RibbonControls.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidRibbonRoot, classlib::TComponent)

namespace {

// A root exists only inside an add-in module, whose lists and host it uses.
classlib::TComponent *ModuleOwner(classlib::TComponent *AOwner, const classlib::TClassInfo &Class) {
    if (dynamic_cast<TzidCOMAddInModule *>(AOwner) == nullptr)
        RaiseZidError(zidErrWrongContainer,
                      classlib::Format(SzidWrongContainer,
                                       {Class.Name(), AOwner != nullptr ? AOwner->ClassName() : L"nil"}));
    return AOwner;
}

void ClearImageIndexes(const IzidRibbonControlInternal &Node) {
    for (TzidRibbonControls *children : RibbonChildCollections(Node))
        for (int i = 0; i < children->Count(); ++i) {
            children->Items(i)->SetImageIndex(-1);
            ClearImageIndexes(*children->Items(i));
        }
}

} // namespace

std::vector<TzidRibbonControls *> RibbonChildCollections(const IzidRibbonControlInternal &Node) {
    std::vector<TzidRibbonControls *> collections;
    for (TzidRibbonControls *children :
         {Node.GetControls(), Node.GetItems(), Node.GetFirstColumn(), Node.GetSecondColumn(),
          Node.GetPrimaryItem(), Node.GetTopItems(), Node.GetBottomItems()})
        if (children != nullptr)
            collections.push_back(children);
    return collections;
}

TzidRibbonRoot::TzidRibbonRoot(classlib::TComponent *AOwner, const classlib::TClassInfo &Class)
    : TComponent(ModuleOwner(AOwner, Class)), module_(static_cast<TzidCOMAddInModule *>(AOwner)),
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
}

TzidRibbonRoot::~TzidRibbonRoot() = default;

void TzidRibbonRoot::SetImages(classlib::TImageList *Value) {
    if (Value == images_)
        return;
    if (images_ != nullptr)
        images_->RemoveFreeNotification(this);
    images_ = Value;
    if (images_ != nullptr)
        images_->FreeNotification(this);
}

void TzidRibbonRoot::SetControls(TzidRibbonControls *Value) {
    controls_->Assign(Value);
}

void TzidRibbonRoot::Notification(classlib::TComponent *AComponent, classlib::TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == classlib::TOperation::opRemove && AComponent != nullptr && AComponent == images_) {
        images_ = nullptr;
        if (controls_)
            ClearImageIndexes(*this);
    }
}

void TzidRibbonRoot::SetRibbons(TzidRibbons Value) {
    if (Value == ribbons_)
        return;
    ribbons_ = Value;
    for (int i = 0; i < controls_->Count(); ++i)
        controls_->Items(i)->SetRibbons(Value);
    SetRibbons2010(MatchExplorer(ribbons2010_, Value));
}

void TzidRibbonRoot::SetRibbons2010(TzidRibbons2010 Value) {
    if (Value == ribbons2010_)
        return;
    ribbons2010_ = Value;
    for (int i = 0; i < controls_->Count(); ++i)
        controls_->Items(i)->SetRibbons2010(Value);
    SetRibbons(MatchExplorer(ribbons_, Value));
}

} // namespace framework
