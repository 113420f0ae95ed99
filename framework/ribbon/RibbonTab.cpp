#include "framework/ribbon/RibbonTab.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "framework/core/AddInModule.h"
#include "framework/core/HandlerCall.h"
#include "framework/core/ModuleErrors.h"
#include "framework/ribbon/RibbonAttributes.h"
#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/RibbonControls.h"
#include "framework/ribbon/RibbonRequery.h"
#include "framework/ribbon/RibbonStreaming.h"

namespace framework {

using Self = TzidRibbonTab;

CLASSLIB_DEFINE_CLASS(
    TzidRibbonTab, TzidRibbonRoot, b.Property(L"Images", &Self::Images, &Self::SetImages);
    b.Property(L"Caption", &Self::Caption, &Self::SetCaption).Default(L"");
    b.Property(L"Context", &Self::Context, &Self::SetContext).Default(L"");
    // The kinds before the groups: read after them, they would overwrite the groups' own.
    b.Property(L"Ribbons", &Self::Ribbons, &Self::SetRibbons);
    b.Property(L"Ribbons2010", &Self::Ribbons2010, &Self::SetRibbons2010);
    b.ReadOnly(L"Controls", &Self::Controls); b.Property(L"Id", &Self::Id, &Self::SetId).Default(L"");
    b.Property(L"IdMso", &Self::IdMso, &Self::SetIdMso).Default(L"");
    b.Property(L"InsertAfterIdMso", &Self::InsertAfterIdMso, &Self::SetInsertAfterIdMso).Default(L"");
    b.Property(L"InsertAfterId", &Self::InsertAfterId, &Self::SetInsertAfterId).Default(L"");
    b.Property(L"InsertBeforeIdMso", &Self::InsertBeforeIdMso, &Self::SetInsertBeforeIdMso).Default(L"");
    b.Property(L"InsertBeforeId", &Self::InsertBeforeId, &Self::SetInsertBeforeId).Default(L"");
    b.Property(L"KeyTip", &Self::KeyTip, &Self::SetKeyTip).Default(L"");
    b.Property(L"Visible", &Self::Visible, &Self::SetVisible).Default(true);
    b.Property(L"Shared", &Self::Shared, &Self::SetShared).Default(false);
    b.Field(L"OnPropertyChanging", &Self::OnPropertyChanging))

TzidRibbonTab::TzidRibbonTab(classlib::TComponent *AOwner) : TzidRibbonRoot(AOwner, StaticClass()) {
    controls_ = std::make_unique<TzidRibbonControls>(this, 100, TzidRibbonGroup::StaticClass());
    module_->RibbonTabs().Add(this);
    module_->RibbonIds().AddObject(id_, this);
}

TzidRibbonTab::~TzidRibbonTab() {
    module_->RibbonTabs().Remove(this);
    module_->ContextualTabs().Remove(this);
    int index = module_->RibbonIds().IndexOfObject(this);
    if (index >= 0)
        module_->RibbonIds().Delete(index);
    // The groups leave the id list through the module, so they go while it is known.
    controls_.reset();
    module_ = nullptr;
}

void TzidRibbonTab::DefineProperties(classlib::TFiler &Filer) {
    TComponent::DefineProperties(Filer);
    DefineRibbonSets(Filer, ribbons_, ribbons2010_, false);
    DefineMixedControls(Filer, *controls_, streamedTypes_, false);
}

void TzidRibbonTab::SetContext(const std::wstring &Value) {
    if (Value == context_)
        return;
    module_->RibbonTabs().Remove(this);
    module_->ContextualTabs().Remove(this);
    context_ = Value;
    (context_.empty() ? module_->RibbonTabs() : module_->ContextualTabs()).Add(this);
}

void TzidRibbonTab::RenameInIdList(const std::wstring &Key) {
    int index = module_->RibbonIds().IndexOfObject(this);
    if (index >= 0)
        module_->RibbonIds().SetStrings(index, Key);
}

void TzidRibbonTab::SetId(const std::wstring &Value) {
    if (Value.empty() || Value == id_)
        return;
    id_ = Value;
    RenameInIdList(id_);
}

void TzidRibbonTab::SetIdMso(const std::wstring &Value) {
    if (Value == idMso_)
        return;
    idMso_ = Value;
    RenameInIdList(idMso_.empty() ? id_ : idMso_);
}

void TzidRibbonTab::SetKeyTip(const TzidRibbonKeyTip &Value) {
    TzidRibbonKeyTip keyTip = Value.substr(0, zidMaxKeyTipLength);
    if (keyTip == keyTip_)
        return;
    keyTip_ = keyTip;
    RequeryRibbonNode(*module_, idMso_, id_);
}

void TzidRibbonTab::DoPropertyChanging(TzidRibbonControlPropertyType PropertyType,
                                       classlib::OleVariant &Value, IDispatch *Context, int) {
    if (OnPropertyChanging)
        framework::RunHandler(module_, nullptr,
                              [&] { OnPropertyChanging(this, PropertyType, Value, Context); });
}

std::unique_ptr<classlib::TStringList> TzidRibbonTab::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, module_, ContextMenuNumber);
    if (list.SharedHead(shared_)) {
        list.Add(L"keytip", keyTip_);
        list.Add(L"label", caption_);
        return list.Take();
    }
    list.Callback(L"getVisible");
    if (!idMso_.empty())
        list.Add(L"idMso", idMso_);
    else
        list.Id(false);
    list.Insert();
    // A built-in tab keeps the host's own key tip and label unless the add-in gives it others: the
    // callbacks would answer the empty ones of the model.
    if (idMso_.empty() || !keyTip_.empty())
        list.Callback(L"getKeytip");
    if (idMso_.empty() || !caption_.empty())
        list.Callback(L"getLabel");
    return list.Take();
}

} // namespace framework
