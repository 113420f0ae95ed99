#include "classlib/Reader.h"

#include "classlib/Collection.h"
#include "classlib/Component.h"
#include "classlib/Format.h"
#include "classlib/ScopeExit.h"

#include <exception>
#include <limits>

namespace classlib {

namespace {

// An error that already names its line, component and property: outer levels pass it on as is.
class EFormReadError : public EReadError {
public:
    using EReadError::EReadError;
    const wchar_t *ClassName() const override { return L"EReadError"; }
};

[[noreturn]] void Invalid(const std::wstring &message) {
    throw EReadError(message);
}

void ExpectKind(const TFormValue &value, TFormValueKind kind) {
    if (value.Kind != kind)
        Invalid(Format(L"Invalid property value: %s expected, found %s",
                       {FormValueKindName(kind), FormValueKindName(value.Kind)}));
}

std::wstring Join(const std::wstring &path, const std::wstring &name) {
    return path.empty() ? name : path + L"." + name;
}

} // namespace

TReader::TReader(TComponent *root) : root_(root) {
    if (root == nullptr)
        throw EReadError(L"A form needs a root component to be read into");
}

// ---- components ---------------------------------------------------------------------------------

void TReader::ReadRootComponent(const TFormObject &form) {
    line_ = form.Line;
    bool classMatches = false;
    for (const TClassInfo *c = &root_->ClassType(); c != nullptr && !classMatches; c = c->Parent())
        classMatches = SameText(c->Name(), form.ClassName);
    if (!classMatches)
        throw EFormReadError(Format(L"Line %d: Cannot read a form of class %s into a %s",
                                    {form.Line, form.ClassName, root_->ClassName()}));
    root_->SetState(csLoading | csReading);
    try {
        try {
            root_->SetName(form.Name);
        } catch (...) {
            Rethrow(form.Name);
        }
        ReadProperties(root_, form.Properties, form.Name);
        for (const TFormObject &child : form.Children)
            ReadObjectTree(child);
        root_->ClearState(csReading);
        ResolveFixups();
        LoadAll();
    } catch (...) {
        // The caller's root stays; everything this read made goes again, newest first.
        fixups_.clear();
        while (!created_.empty()) {
            TComponent *c = created_.back();
            created_.pop_back();
            delete c;
        }
        root_->ClearState(csLoading | csReading);
        throw;
    }
    created_.clear();
}

void TReader::ReadObjectTree(const TFormObject &obj) {
    TComponent *component = CreateChild(obj);
    ReadProperties(component, obj.Properties, obj.Name);
    component->ClearState(csReading);
    // Nested blocks only say where the writer put them: every component belongs to the root.
    for (const TFormObject &child : obj.Children)
        ReadObjectTree(child);
}

TComponent *TReader::CreateChild(const TFormObject &obj) {
    line_ = obj.Line;
    const TClassInfo *cls = FindClass(obj.ClassName);
    if (cls == nullptr)
        Fail(obj.Name, Format(L"Class %s not found", {obj.ClassName}));
    if (!cls->InheritsFrom(TComponent::StaticClass()) || cls->CreateComponent == nullptr)
        Fail(obj.Name, Format(L"Class %s is not a component class a form can create", {obj.ClassName}));
    TComponent *component = nullptr;
    try {
        component = cls->CreateComponent(root_);
    } catch (...) {
        Rethrow(obj.Name);
    }
    created_.push_back(component);
    component->SetState(csLoading | csReading);
    line_ = obj.Line;
    try {
        component->SetName(obj.Name);
    } catch (...) {
        Rethrow(obj.Name);
    }
    return component;
}

void TReader::ResolveFixups() {
    // Every name is looked up before any is set, so a bad reference changes nothing.
    std::vector<TComponent *> targets;
    for (const TFixup &f : fixups_) {
        line_ = f.Line;
        TComponent *target = nullptr;
        if (SameText(f.Name, L"nil"))
            target = nullptr;
        else if (!root_->Name().empty() && SameText(f.Name, root_->Name()))
            target = root_;
        else if ((target = root_->FindComponent(f.Name)) == nullptr)
            Fail(f.Path, Format(L"Component %s not found", {f.Name}));
        if (target != nullptr && f.Prop->PropClass() != nullptr &&
            !target->InheritsFrom(*f.Prop->PropClass()))
            Fail(f.Path,
                 Format(L"%s is a %s, not a %s", {f.Name, target->ClassName(), f.Prop->PropClass()->Name()}));
        targets.push_back(target);
    }
    for (size_t i = 0; i < fixups_.size(); ++i) {
        line_ = fixups_[i].Line;
        try {
            fixups_[i].Prop->Set(fixups_[i].Instance, static_cast<TObject *>(targets[i]));
        } catch (...) {
            Rethrow(fixups_[i].Path);
        }
    }
    fixups_.clear();
}

void TReader::LoadAll() {
    std::vector<TComponent *> order = created_;
    order.push_back(root_);
    for (TComponent *c : order) {
        try {
            c->Loaded();
        } catch (const EFormReadError &) {
            throw;
        } catch (const Exception &e) {
            throw EFormReadError(Format(L"Error loading %s: %s", {c->Name(), e.Message()}));
        } catch (const std::exception &e) {
            throw EFormReadError(Format(L"Error loading %s: %s", {c->Name(), Utf8ToWide(e.what())}));
        }
        c->ClearState(csLoading);
    }
}

// ---- properties ---------------------------------------------------------------------------------

void TReader::ReadProperties(TPersistent *instance, const std::vector<TFormProperty> &props,
                             const std::wstring &path) {
    for (const TFormProperty &prop : props)
        ReadProperty(instance, prop, path);
}

void TReader::ReadProperty(TPersistent *instance, const TFormProperty &prop, const std::wstring &ownerPath) {
    std::wstring path = Join(ownerPath, prop.Name);
    std::wstring saved = path_;
    path_ = path;
    line_ = prop.Line;
    try {
        ApplyProperty(instance, prop.Name, prop.Value, path);
    } catch (...) {
        Rethrow(path);
    }
    path_ = saved;
}

void TReader::ApplyProperty(TPersistent *instance, const std::wstring &name, const TFormValue &value,
                            const std::wstring &path) {
    const TClassInfo &cls = instance->ClassType();
    size_t dot = name.find(L'.');
    if (dot == std::wstring::npos) {
        if (const TPropInfo *prop = cls.FindProperty(name))
            ApplyPublished(instance, *prop, value, path);
        else
            ApplyDefined(instance, name, value);
        return;
    }
    // Font.Name: the first part names a sub-object the instance owns.
    std::wstring head = name.substr(0, dot);
    const TPropInfo *prop = cls.FindProperty(head);
    if (prop == nullptr)
        Invalid(Format(L"Property %s does not exist in %s", {head, cls.Name()}));
    if (prop->Kind != TPropKind::Class)
        Invalid(Format(L"Property %s has no properties of its own", {head}));
    TObject *sub = std::get<TObject *>(prop->Get(instance));
    if (sub == nullptr)
        Invalid(Format(L"Property %s has no object", {head}));
    if (sub->Is<TComponent>())
        Invalid(
            Format(L"Property %s refers to a component; its properties belong to that component", {head}));
    auto *persistent = dynamic_cast<TPersistent *>(sub);
    if (persistent == nullptr)
        Invalid(Format(L"Property %s has no streamed properties", {head}));
    ApplyProperty(persistent, name.substr(dot + 1), value, path);
}

void TReader::ApplyPublished(TPersistent *instance, const TPropInfo &prop, const TFormValue &value,
                             const std::wstring &path) {
    const bool reference = prop.Kind == TPropKind::Class && prop.PropClass() != nullptr &&
                           prop.PropClass()->InheritsFrom(TComponent::StaticClass());
    if (prop.Kind == TPropKind::Class && !reference) {
        // An owned object is read into in place: a collection item by item, anything else by dotted names.
        auto *collection = dynamic_cast<TCollection *>(std::get<TObject *>(prop.Get(instance)));
        if (collection == nullptr)
            Invalid(Format(L"Property %s is an object: set its properties one by one (%s.Name = ...)",
                           {prop.Name, prop.Name}));
        ExpectKind(value, TFormValueKind::Collection);
        ReadCollection(collection, value, path);
        return;
    }
    if (!prop.Set)
        Invalid(Format(L"Property %s is read-only", {prop.Name}));
    switch (prop.Kind) {
    case TPropKind::Integer:
        ExpectKind(value, TFormValueKind::Integer);
        if (value.Integer < prop.MinValue || value.Integer > prop.MaxValue)
            Invalid(Format(L"%d is out of the range of %s (%d..%d)",
                           {static_cast<long long>(value.Integer), prop.Name,
                            static_cast<long long>(prop.MinValue), static_cast<long long>(prop.MaxValue)}));
        prop.Set(instance, value.Integer);
        break;
    case TPropKind::Boolean:
        ExpectKind(value, TFormValueKind::Ident);
        if (SameText(value.Text, L"True"))
            prop.Set(instance, true);
        else if (SameText(value.Text, L"False"))
            prop.Set(instance, false);
        else
            Invalid(Format(L"Invalid property value: True or False expected, found %s", {value.Text}));
        break;
    case TPropKind::String:
        ExpectKind(value, TFormValueKind::String);
        prop.Set(instance, value.Text);
        break;
    case TPropKind::Enumeration: {
        ExpectKind(value, TFormValueKind::Ident);
        int ordinal = prop.Enum->ValueOf(value.Text);
        if (ordinal < 0)
            Invalid(Format(L"'%s' is not a value of %s", {value.Text, prop.Enum->TypeName}));
        prop.Set(instance, static_cast<int64_t>(ordinal));
        break;
    }
    case TPropKind::Set: {
        ExpectKind(value, TFormValueKind::Set);
        TSetBits bits;
        for (const std::wstring &element : value.Names) {
            int ordinal = prop.Enum->ValueOf(element);
            if (ordinal < 0 || ordinal >= 64)
                Invalid(Format(L"'%s' is not an element of %s", {element, prop.Enum->TypeName}));
            bits.Bits |= uint64_t(1) << ordinal;
        }
        prop.Set(instance, bits);
        break;
    }
    case TPropKind::Method: {
        // Handlers are methods of the root, the object the form describes.
        ExpectKind(value, TFormValueKind::Ident);
        const TMethodEntry *method = root_->ClassType().FindMethod(value.Text);
        if (method == nullptr)
            Invalid(Format(L"Method %s not found in %s", {value.Text, root_->ClassName()}));
        if (method->Signature != prop.Signature)
            Invalid(Format(L"Method %s does not match the type of event %s", {method->Name, prop.Name}));
        prop.Set(instance, TMethodValue{root_, method->Code, method->Signature});
        break;
    }
    case TPropKind::Class:
        // References wait until every component of the form exists.
        ExpectKind(value, TFormValueKind::Ident);
        fixups_.push_back({instance, &prop, value.Text, value.Line, path});
        break;
    }
}

void TReader::ApplyDefined(TPersistent *instance, const std::wstring &name, const TFormValue &value) {
    pending_.push_back({name, &value, false});
    ScopeExit popPending([this] { pending_.pop_back(); });
    instance->DefineProperties(*this);
    bool found = pending_.back().Found;
    if (!found)
        Invalid(Format(L"Property %s does not exist in %s", {name, instance->ClassName()}));
}

void TReader::DefineProperty(const std::wstring &name, ReadProc read, WriteProc, bool) {
    if (pending_.empty() || pending_.back().Found || !SameText(name, pending_.back().Name))
        return;
    pending_.back().Found = true;
    if (!read)
        Invalid(Format(L"Property %s cannot be read", {name}));
    const size_t depth = cursors_.size();
    cursors_.push_back({pending_.back().Value, 1, 0, false});
    read(*this);
    if (cursors_.size() != depth + 1 || cursors_.back().Pos != 1)
        Invalid(Format(L"The value of %s was not read completely", {name}));
    cursors_.pop_back();
}

void TReader::DefineBinaryProperty(const std::wstring &name, BinaryReadProc read, BinaryWriteProc, bool) {
    if (pending_.empty() || pending_.back().Found || !SameText(name, pending_.back().Name))
        return;
    pending_.back().Found = true;
    const TFormValue &value = *pending_.back().Value;
    ExpectKind(value, TFormValueKind::Binary);
    if (!read)
        Invalid(Format(L"Property %s cannot be read", {name}));
    read(value.Bytes);
}

// ---- collections --------------------------------------------------------------------------------

void TReader::ReadCollection(TCollection *collection, const TFormValue &value, const std::wstring &path) {
    collection->Clear();
    TUpdateScope update(collection);
    ReadItems(value, path, [collection](int) { return collection->Add(); });
}

void TReader::ReadItems(const TFormValue &value, const std::wstring &path,
                        const std::function<TPersistent *(int position)> &createItem) {
    for (size_t i = 0; i < value.Items.size(); ++i) {
        const TFormItem &item = value.Items[i];
        line_ = item.Line;
        std::wstring itemPath = Format(L"%s[%d]", {path, static_cast<int>(i)});
        TPersistent *instance = nullptr;
        try {
            instance = createItem(static_cast<int>(i));
        } catch (...) {
            Rethrow(itemPath);
        }
        if (instance == nullptr)
            Fail(itemPath, L"No item was created");
        ReadProperties(instance, item.Properties, itemPath);
        line_ = item.Line;
    }
}

void TReader::ReadCollectionItems(const std::function<TPersistent *(int position)> &createItem) {
    const TFormValue &value = Take(TFormValueKind::Collection);
    std::wstring path = path_;
    ReadItems(value, path, createItem);
    path_ = path;
}

// ---- values for read procs ----------------------------------------------------------------------

const TFormValue &TReader::Peek() const {
    if (cursors_.empty())
        Invalid(L"No property value is being read");
    const TCursor &c = cursors_.back();
    if (c.Pos >= c.Count)
        Invalid(c.IsList ? L"Read past the end of the list" : L"The property's value has been read already");
    return c.Values[c.Pos];
}

const TFormValue &TReader::Take() {
    const TFormValue &value = Peek();
    line_ = value.Line;
    ++cursors_.back().Pos;
    return value;
}

const TFormValue &TReader::Take(TFormValueKind kind) {
    const TFormValue &value = Peek();
    line_ = value.Line;
    ExpectKind(value, kind);
    ++cursors_.back().Pos;
    return value;
}

TFormValueKind TReader::NextValue() const {
    return Peek().Kind;
}

int TReader::ReadInteger() {
    int64_t value = Take(TFormValueKind::Integer).Integer;
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        Invalid(Format(L"Integer value %d out of range", {static_cast<long long>(value)}));
    return static_cast<int>(value);
}

int64_t TReader::ReadInt64() {
    return Take(TFormValueKind::Integer).Integer;
}

bool TReader::ReadBoolean() {
    const std::wstring &text = Take(TFormValueKind::Ident).Text;
    if (SameText(text, L"True"))
        return true;
    if (SameText(text, L"False"))
        return false;
    Invalid(Format(L"Invalid property value: True or False expected, found %s", {text}));
}

std::wstring TReader::ReadString() {
    return Take(TFormValueKind::String).Text;
}

std::wstring TReader::ReadIdent() {
    return Take(TFormValueKind::Ident).Text;
}

std::vector<std::wstring> TReader::ReadSet() {
    return Take(TFormValueKind::Set).Names;
}

std::vector<uint8_t> TReader::ReadBinary() {
    return Take(TFormValueKind::Binary).Bytes;
}

void TReader::ReadListBegin() {
    const TFormValue &list = Take(TFormValueKind::List);
    cursors_.push_back({list.List.data(), list.List.size(), 0, true});
}

bool TReader::EndOfList() const {
    return cursors_.empty() || !cursors_.back().IsList || cursors_.back().Pos >= cursors_.back().Count;
}

void TReader::ReadListEnd() {
    if (cursors_.empty() || !cursors_.back().IsList)
        Invalid(L"No list is being read");
    if (!EndOfList())
        Invalid(L"End of list expected");
    cursors_.pop_back();
}

void TReader::SkipValue() {
    Take();
}

// ---- errors -------------------------------------------------------------------------------------

void TReader::Fail(const std::wstring &path, const std::wstring &message) const {
    throw EFormReadError(Format(L"Line %d: Error reading %s: %s", {line_, path, message}));
}

// Called inside a catch block: gives the exception being handled its line, component and property,
// keeping its message.
void TReader::Rethrow(const std::wstring &path) const {
    try {
        throw;
    } catch (const EFormReadError &) {
        throw;
    } catch (const Exception &e) {
        Fail(path, e.Message());
    } catch (const std::exception &e) {
        Fail(path, Utf8ToWide(e.what()));
    }
}

void ReadComponentForm(const std::wstring &text, TComponent *root) {
    TFormObject form = ParseForm(text);
    TReader(root).ReadRootComponent(form);
}

} // namespace classlib
