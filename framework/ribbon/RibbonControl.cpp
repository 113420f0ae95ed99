#include "framework/ribbon/RibbonControl.h"

#include <unordered_map>

#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"
#include "framework/core/AddInModule.h"
#include "framework/core/HandlerCall.h"
#include "framework/core/ModuleErrors.h"
#include "framework/ribbon/RibbonCommands.h"
#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/RibbonControls.h"
#include "framework/ribbon/RibbonRequery.h"
#include "framework/ribbon/RibbonStreaming.h"
#include "framework/ribbon/RibbonTab.h"

namespace framework {

using Self = TzidRibbonCustomControl;

CLASSLIB_DEFINE_CLASS(TzidRibbonCustomControl, classlib::TCollectionItem,
                      b.Property(L"Tag", &Self::Tag, &Self::SetTag).Default(0);
                      b.Field(L"OnPropertyChanging", &Self::OnPropertyChanging))

namespace {

// A full collection takes no new control: checked before the control joins, so nothing is left
// behind.
classlib::TCollection *WithRoom(classlib::TCollection *Collection) {
    if (auto *controls = dynamic_cast<TzidRibbonControls *>(Collection);
        controls != nullptr && controls->Count() >= controls->MaxCount())
        RaiseZidError(zidErrTooManyItems, classlib::Format(SzidTooManyItems, {controls->MaxCount()}));
    return Collection;
}

} // namespace

namespace {

// Every node alive, by its object. Made once and never freed: a node freed while the process ends
// still finds it.
std::unordered_map<const classlib::TObject *, IzidRibbonControlInternal *> &RibbonNodes() {
    static auto *nodes = new std::unordered_map<const classlib::TObject *, IzidRibbonControlInternal *>();
    return *nodes;
}

} // namespace

TzidRibbonNodeEntry::TzidRibbonNodeEntry(const classlib::TObject *Object, IzidRibbonControlInternal *Node)
    : object_(Object) {
    RibbonNodes()[Object] = Node;
}

TzidRibbonNodeEntry::~TzidRibbonNodeEntry() {
    RibbonNodes().erase(object_);
}

IzidRibbonControlInternal *AsRibbonNode(classlib::TObject *Object) {
    if (Object == nullptr)
        return nullptr;
    const auto &nodes = RibbonNodes();
    auto found = nodes.find(Object);
    return found != nodes.end() ? found->second : nullptr;
}

TzidRibbonCustomControl::TzidRibbonCustomControl(classlib::TCollection *Collection)
    : TCollectionItem(WithRoom(Collection)), glyph_(std::make_unique<classlib::TBitmap>()) {
    glyph_->OnChange = classlib::MakeEvent<&Self::GlyphChanged>(this);
    // A new control is written for the windows its parent is written for.
    if (Collection != nullptr)
        if (IzidRibbonControlInternal *parent = AsRibbonNode(Collection->GetOwner())) {
            ribbons_ = parent->Ribbons();
            ribbons2010_ = parent->Ribbons2010();
        }
}

TzidRibbonCustomControl::~TzidRibbonCustomControl() {
    TzidHandlerCall::ObjectGone(this);
    if (TzidCOMAddInModule *module = Module()) {
        int index = module->RibbonIds().IndexOfObject(this);
        if (index >= 0)
            module->RibbonIds().Delete(index);
    }
    glyph_->OnChange.Clear();
}

void TzidRibbonCustomControl::EnterInIdList() {
    if (TzidCOMAddInModule *module = Module())
        module->RibbonIds().AddObject(id_, this);
}

TzidRibbons2010 MatchExplorer(TzidRibbons2010 Other, TzidRibbons Value) {
    if (Value.Contains(msrOutlookExplorer))
        Other.Include(msrOutlookExplorer2010);
    else
        Other.Exclude(msrOutlookExplorer2010);
    return Other;
}

TzidRibbons MatchExplorer(TzidRibbons Other, TzidRibbons2010 Value) {
    if (Value.Contains(msrOutlookExplorer2010))
        Other.Include(msrOutlookExplorer);
    else
        Other.Exclude(msrOutlookExplorer);
    return Other;
}

// ---- the tree ----------------------------------------------------------------------------------

namespace {

// The node (tab, Backstage view or control) that owns the collection Control lies in, found in the
// node table; null for a control outside any collection or in one that no node owns.
IzidRibbonControlInternal *OwnerNode(const TzidRibbonCustomControl &Control) {
    return Control.Collection() != nullptr ? AsRibbonNode(Control.Collection()->GetOwner()) : nullptr;
}

} // namespace

// Every action and every attribute list asks for the module: the walk up goes from node to node
// through the node table and asks each whether it is a control (the usual answer) or the root, at the
// top, through the node interface; no owner's type is asked of the object.
TzidRibbonRoot *TzidRibbonCustomControl::GetOwnerRoot() const {
    IzidRibbonControlInternal *owner = OwnerNode(*this);
    while (owner != nullptr) {
        const TzidRibbonCustomControl *parent = owner->AsRibbonControl();
        if (parent == nullptr)
            return owner->AsRibbonRoot();
        owner = OwnerNode(*parent);
    }
    return nullptr;
}

TzidRibbonTab *TzidRibbonCustomControl::GetOwnerTab() const {
    TzidRibbonRoot *root = GetOwnerRoot();
    return root != nullptr ? root->AsRibbonTab() : nullptr;
}

TzidCOMAddInModule *TzidRibbonCustomControl::Module() const {
    TzidRibbonRoot *root = GetOwnerRoot();
    return root != nullptr ? root->Module() : nullptr;
}

TzidRibbonCustomControl *TzidRibbonCustomControl::ParentControl() const {
    IzidRibbonControlInternal *parent = OwnerNode(*this);
    return parent != nullptr ? parent->AsRibbonControl() : nullptr;
}

std::wstring TzidRibbonCustomControl::GetParentIdMso() const {
    IzidRibbonControlInternal *parent = OwnerNode(*this);
    return parent != nullptr ? parent->IdMso() : std::wstring();
}

TzidRibbonMenuSeparator *TzidRibbonCustomControl::AsRibbonMenuSeparator() {
    return dynamic_cast<TzidRibbonMenuSeparator *>(this);
}

TzidRibbonGroup *TzidRibbonCustomControl::AsRibbonGroup() {
    return dynamic_cast<TzidRibbonGroup *>(this);
}

TzidRibbonButton *TzidRibbonCustomControl::AsRibbonButton() {
    return dynamic_cast<TzidRibbonButton *>(this);
}

TzidRibbonMenu *TzidRibbonCustomControl::AsRibbonMenu() {
    return dynamic_cast<TzidRibbonMenu *>(this);
}

void TzidRibbonCustomControl::Invalidate() {
    if (TzidCOMAddInModule *module = Module())
        RequeryRibbonNode(*module, idMso_, id_);
}

void TzidRibbonCustomControl::RunHandler(const std::function<void()> &Body) {
    framework::RunHandler(Module(), this, Body);
}

void TzidRibbonCustomControl::RunAction(const std::function<void()> &Body) {
    framework::RunHandler(Module(), this, Body, true);
}

bool TzidRibbonCustomControl::InAction() const {
    return TzidHandlerCall::Busy(this);
}

// ---- the node interface ------------------------------------------------------------------------

void TzidRibbonCustomControl::DoAction(const TzidRibbonActionArguments &) {}

void TzidRibbonCustomControl::DoPropertyChanging(TzidRibbonControlPropertyType PropertyType,
                                                 classlib::OleVariant &Value, IDispatch *Context, int) {
    if (OnPropertyChanging)
        RunHandler([&] { OnPropertyChanging(this, PropertyType, Value, Context); });
}

std::unique_ptr<classlib::TStringList> TzidRibbonCustomControl::GetAttributes(int) const {
    return std::make_unique<classlib::TStringList>();
}

// ---- properties --------------------------------------------------------------------------------

void TzidRibbonCustomControl::SetCaption(const std::wstring &Value) {
    if (Value == caption_)
        return;
    Store(caption_, Value);
    AppearanceChanged();
}

void TzidRibbonCustomControl::SetDescription(const std::wstring &Value) {
    Store(description_, Value);
}

void TzidRibbonCustomControl::SetEnabled(bool Value) {
    Store(enabled_, Value);
}

void TzidRibbonCustomControl::SetId(const std::wstring &Value) {
    if (Value.empty() || Value == id_)
        return;
    id_ = Value;
    if (TzidCOMAddInModule *module = Module()) {
        int index = module->RibbonIds().IndexOfObject(this);
        if (index >= 0)
            module->RibbonIds().SetStrings(index, id_);
    }
}

void TzidRibbonCustomControl::SetIdMso(const std::wstring &Value) {
    if (Value == idMso_)
        return;
    idMso_ = Value;
    if (TzidCOMAddInModule *module = Module()) {
        int index = module->RibbonIds().IndexOfObject(this);
        if (index >= 0)
            module->RibbonIds().SetStrings(index, idMso_.empty() ? id_ : idMso_);
    }
}

void TzidRibbonCustomControl::SetImageIndex(int Value) {
    if (Value == imageIndex_)
        return;
    Store(imageIndex_, Value);
    AppearanceChanged();
}

void TzidRibbonCustomControl::SetImageMso(const std::wstring &Value) {
    Store(imageMso_, Value);
}

void TzidRibbonCustomControl::SetInsertAfterIdMso(const std::wstring &Value) {
    Store(insertAfterIdMso_, Value);
}

void TzidRibbonCustomControl::SetInsertAfterId(const std::wstring &Value) {
    Store(insertAfterId_, Value);
}

void TzidRibbonCustomControl::SetInsertBeforeIdMso(const std::wstring &Value) {
    Store(insertBeforeIdMso_, Value);
}

void TzidRibbonCustomControl::SetInsertBeforeId(const std::wstring &Value) {
    Store(insertBeforeId_, Value);
}

void TzidRibbonCustomControl::SetItemHeight(int Value) {
    Store(itemHeight_, Value);
}

void TzidRibbonCustomControl::SetItemWidth(int Value) {
    Store(itemWidth_, Value);
}

void TzidRibbonCustomControl::SetGlyph(const classlib::TBitmap *Value) {
    // The bitmap's change notification re-queries the control.
    glyph_->Assign(Value);
}

void TzidRibbonCustomControl::GlyphChanged(classlib::TObject *) {
    Invalidate();
    AppearanceChanged();
}

void TzidRibbonCustomControl::SetKeyTip(const TzidRibbonKeyTip &Value) {
    Store(keyTip_, Value.substr(0, zidMaxKeyTipLength));
}

void TzidRibbonCustomControl::SetPressed(bool Value) {
    Store(pressed_, Value);
}

void TzidRibbonCustomControl::SetRibbons(TzidRibbons Value) {
    if (Value == ribbons_)
        return;
    ribbons_ = Value;
    // A child that holds the value already stops the descent there.
    for (TzidRibbonControls *children : {GetItems(), GetControls()})
        if (children != nullptr)
            for (int i = 0; i < children->Count(); ++i)
                children->Items(i)->SetRibbons(Value);
    SetRibbons2010(MatchExplorer(ribbons2010_, Value));
}

void TzidRibbonCustomControl::SetRibbons2010(TzidRibbons2010 Value) {
    if (Value == ribbons2010_)
        return;
    ribbons2010_ = Value;
    for (TzidRibbonControls *children : {GetItems(), GetControls()})
        if (children != nullptr)
            for (int i = 0; i < children->Count(); ++i)
                children->Items(i)->SetRibbons2010(Value);
    SetRibbons(MatchExplorer(ribbons_, Value));
}

void TzidRibbonCustomControl::SetSelectedItemId(const std::wstring &Value) {
    Store(selectedItemId_, Value);
}

void TzidRibbonCustomControl::SetSelectedItemIndex(int Value) {
    Store(selectedItemIndex_, Value);
}

void TzidRibbonCustomControl::SetScreenTip(const std::wstring &Value) {
    if (Value == screenTip_)
        return;
    Store(screenTip_, Value);
    AppearanceChanged();
}

void TzidRibbonCustomControl::SetShowCaption(bool Value) {
    Store(showCaption_, Value);
}

void TzidRibbonCustomControl::SetSize(TzidRibbonXControlSize Value) {
    Store(size_, Value);
}

void TzidRibbonCustomControl::SetSuperTip(const std::wstring &Value) {
    if (Value == superTip_)
        return;
    Store(superTip_, Value);
    AppearanceChanged();
}

void TzidRibbonCustomControl::SetText(const std::wstring &Value) {
    Store(text_, Value);
}

void TzidRibbonCustomControl::SetVisible(bool Value) {
    Store(visible_, Value);
}

void TzidRibbonCustomControl::SetTitle(const std::wstring &Value) {
    Store(title_, Value);
}

// ---- persistence -------------------------------------------------------------------------------

void TzidRibbonCustomControl::Assign(const classlib::TPersistent *Source) {
    const auto *source = dynamic_cast<const TzidRibbonCustomControl *>(Source);
    if (source == nullptr) {
        TCollectionItem::Assign(Source);
        return;
    }
    classlib::TUpdateScope update(Collection());
    SetCaption(source->Caption());
    SetDescription(source->Description());
    SetEnabled(source->Enabled());
    SetImageIndex(source->ImageIndex());
    SetImageMso(source->ImageMso());
    SetInsertAfterIdMso(source->InsertAfterIdMso());
    SetInsertAfterId(source->InsertAfterId());
    SetInsertBeforeIdMso(source->InsertBeforeIdMso());
    SetInsertBeforeId(source->InsertBeforeId());
    SetItemHeight(source->ItemHeight());
    SetItemWidth(source->ItemWidth());
    SetPressed(source->Pressed());
    SetSelectedItemId(source->SelectedItemId());
    SetSelectedItemIndex(source->SelectedItemIndex());
    SetShowCaption(source->ShowCaption());
    SetSize(source->Size());
    SetSuperTip(source->SuperTip());
    SetRibbons(source->Ribbons());
    SetText(source->Text());
    SetVisible(source->Visible());
}

void TzidRibbonCustomControl::DefineProperties(classlib::TFiler &Filer) {
    TCollectionItem::DefineProperties(Filer);
    Filer.DefineProperty(
        L"Caption", [this](classlib::TReader &Reader) { caption_ = Reader.ReadString(); },
        [this](classlib::TWriter &Writer) { Writer.WriteString(caption_); }, true);
    DefineRibbonSets(Filer, ribbons_, ribbons2010_, ClassType().FindProperty(L"Ribbons") == nullptr);
}

std::wstring TzidRibbonCustomControl::GetDisplayName() const {
    std::wstring name = L"(" + ClassName() + L")";
    return caption_.empty() ? name : caption_ + L" " + name;
}

} // namespace framework
