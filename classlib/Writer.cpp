#include "classlib/Writer.h"

#include "classlib/Collection.h"
#include "classlib/Component.h"
#include "classlib/Format.h"
#include "classlib/ScopeExit.h"

namespace classlib {

namespace {

// Past this many characters a string goes on in another piece, joined with `+`.
constexpr size_t MaxPiece = 64;
// Bytes per line of binary data (64 hex digits).
constexpr size_t BytesPerLine = 32;

// The string as literal pieces: printable ASCII quoted (a quote doubled), anything else as #code.
std::vector<std::wstring> EncodeString(const std::wstring &s) {
    std::vector<std::wstring> pieces;
    std::wstring cur;
    bool quoted = false;
    auto add = [&](const std::wstring &token, bool inQuotes) {
        // room for the token and the quotes it needs, the closing one included
        size_t extra = token.size() + (inQuotes ? (quoted ? 1 : 2) : (quoted ? 1 : 0));
        if (!cur.empty() && cur.size() + extra > MaxPiece) {
            if (quoted)
                cur += L'\'';
            pieces.push_back(cur);
            cur.clear();
            quoted = false;
        }
        if (inQuotes != quoted) {
            cur += L'\'';
            quoted = inQuotes;
        }
        cur += token;
    };
    for (wchar_t c : s) {
        if (c == L'\'')
            add(L"''", true);
        else if (c >= 32 && c < 127)
            add(std::wstring(1, c), true);
        else
            add(L"#" + std::to_wstring(static_cast<unsigned>(c)), false);
    }
    if (quoted)
        cur += L'\'';
    if (cur.empty())
        cur = L"''";
    pieces.push_back(cur);
    return pieces;
}

std::wstring Hex(const std::vector<uint8_t> &data, size_t from, size_t count) {
    static const wchar_t digits[] = L"0123456789ABCDEF";
    std::wstring out;
    for (size_t i = from; i < from + count && i < data.size(); ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 15];
    }
    return out;
}

bool IsReference(const TPropInfo &prop) {
    return prop.Kind == TPropKind::Class && prop.PropClass() != nullptr &&
           prop.PropClass()->InheritsFrom(TComponent::StaticClass());
}

} // namespace

TWriter::TWriter(TComponent *root) : root_(root) {
    if (root == nullptr)
        throw EInvalidOperation(L"A form needs a root component to be written");
}

// ---- components ---------------------------------------------------------------------------------

void TWriter::WriteRootComponent() {
    text_.clear();
    WriteComponent(root_);
    text_ += L"\r\n";
}

void TWriter::WriteComponent(TComponent *component) {
    if (component->Name().empty())
        throw EInvalidOperation(Format(L"Cannot write a %s without a name: a form names every component",
                                       {component->ClassName()}));
    NewLine();
    text_ += L"object " + component->Name() + L": " + component->ClassName();
    ++indent_;
    component->SetState(csWriting);
    {
        ScopeExit clearWriting([component] { component->ClearState(csWriting); });
        WriteProperties(component, L"");
        // Every component of the form belongs to the root, so only the root has nested objects.
        if (component == root_)
            for (int i = 0; i < root_->ComponentCount(); ++i)
                if (!root_->Components(i)->HasParent())
                    WriteComponent(root_->Components(i));
    }
    --indent_;
    NewLine();
    text_ += L"end";
}

// ---- properties ---------------------------------------------------------------------------------

void TWriter::WriteProperties(TPersistent *instance, const std::wstring &prefix) {
    for (const TPropInfo *prop : instance->ClassType().Properties())
        if (prop->Stored)
            WriteProperty(instance, *prop, prefix);
    std::wstring saved = prefix_;
    prefix_ = prefix;
    instance->DefineProperties(*this);
    prefix_ = saved;
}

void TWriter::WriteProperty(TPersistent *instance, const TPropInfo &prop, const std::wstring &prefix) {
    const std::wstring name = prefix + prop.Name;
    if (IsReference(prop)) {
        WriteReference(instance, prop, name);
        return;
    }
    if (prop.Kind == TPropKind::Class) {
        TObject *object = std::get<TObject *>(prop.Get(instance));
        if (auto *collection = dynamic_cast<TCollection *>(object)) {
            BeginProperty(name);
            WriteCollection(collection);
            EndProperty(name);
        } else if (auto *sub = dynamic_cast<TPersistent *>(object);
                   sub != nullptr && !sub->Is<TComponent>()) {
            WriteProperties(sub, name + L".");
        }
        return;
    }
    // A value the reader could not set again is no part of the form.
    if (!prop.Set)
        return;
    TPropValue value = prop.Get(instance);
    if (prop.Kind == TPropKind::Method) {
        // Handlers bound in code rather than published by their object's class are not written.
        const auto &method = std::get<TMethodValue>(value);
        if (method.Code == nullptr || method.Data == nullptr)
            return;
        const TMethodEntry *entry = method.Data->ClassType().FindMethodByCode(method.Code);
        if (entry == nullptr)
            return;
        BeginProperty(name);
        WriteIdent(entry->Name);
        EndProperty(name);
        return;
    }
    if (prop.Default && value == *prop.Default)
        return;
    BeginProperty(name);
    switch (prop.Kind) {
    case TPropKind::Integer:
        WriteInteger(std::get<int64_t>(value));
        break;
    case TPropKind::Boolean:
        WriteBoolean(std::get<bool>(value));
        break;
    case TPropKind::String:
        WriteString(std::get<std::wstring>(value));
        break;
    case TPropKind::Enumeration:
        WriteIdent(prop.Enum->NameOf(static_cast<int>(std::get<int64_t>(value))));
        break;
    case TPropKind::Set: {
        std::vector<std::wstring> names;
        uint64_t bits = std::get<TSetBits>(value).Bits;
        for (int i = 0; i < 64; ++i)
            if (bits & (uint64_t(1) << i))
                names.push_back(prop.Enum->NameOf(i));
        WriteSet(names);
        break;
    }
    default:
        break;
    }
    EndProperty(name);
}

void TWriter::WriteReference(TPersistent *instance, const TPropInfo &prop, const std::wstring &name) {
    TPropValue value = prop.Get(instance);
    if (prop.Default && value == *prop.Default)
        return;
    auto *target = dynamic_cast<TComponent *>(std::get<TObject *>(value));
    if (target == nullptr && !prop.Default)
        return;
    std::wstring ref = L"nil";
    if (target != nullptr) {
        // The reader finds references among the root's components only: anything else would be lost.
        if ((target != root_ && target->Owner() != root_) || target->Name().empty())
            throw EInvalidOperation(
                Format(L"Cannot write %s.%s: it refers to a component outside the form %s",
                       {instance->GetNamePath(), name, root_->Name()}));
        ref = target->Name();
    }
    BeginProperty(name);
    WriteIdent(ref);
    EndProperty(name);
}

void TWriter::WriteCollection(TCollection *collection) {
    std::vector<TPersistent *> items;
    for (int i = 0; i < collection->Count(); ++i)
        items.push_back(collection->Items(i));
    WriteCollectionItems(items);
}

void TWriter::DefineProperty(const std::wstring &name, ReadProc, WriteProc write, bool hasData) {
    if (!hasData || !write)
        return;
    BeginProperty(prefix_ + name);
    write(*this);
    EndProperty(prefix_ + name);
}

void TWriter::DefineBinaryProperty(const std::wstring &name, BinaryReadProc, BinaryWriteProc write,
                                   bool hasData) {
    if (!hasData || !write)
        return;
    BeginProperty(prefix_ + name);
    WriteBinary(write());
    EndProperty(prefix_ + name);
}

// ---- layout -------------------------------------------------------------------------------------

void TWriter::NewLine() {
    if (!text_.empty())
        text_ += L"\r\n";
    text_.append(2 * indent_, L' ');
}

void TWriter::BeginProperty(const std::wstring &name) {
    NewLine();
    text_ += name + L" =";
    levels_.push_back({0, false});
}

void TWriter::EndProperty(const std::wstring &name) {
    TLevel level = levels_.back();
    levels_.pop_back();
    if (level.IsList)
        throw EInvalidOperation(Format(L"Property %s: a list was not ended", {name}));
    if (level.Count != 1)
        throw EInvalidOperation(
            Format(L"Property %s: one value must be written, not %d", {name, level.Count}));
}

// A value of a property follows its `=`; an element of a list goes on a line of its own.
void TWriter::BeginValue(bool inlineValue) {
    if (levels_.empty())
        throw EInvalidOperation(L"No property is being written");
    TLevel &level = levels_.back();
    if (level.IsList) {
        if (inlineValue)
            NewLine();
    } else {
        if (level.Count > 0)
            throw EInvalidOperation(L"A property has only one value: write a list for more");
        if (inlineValue)
            text_ += L' ';
    }
    ++level.Count;
}

// ---- values -------------------------------------------------------------------------------------

void TWriter::WriteInteger(int64_t value) {
    BeginValue();
    text_ += std::to_wstring(value);
}

void TWriter::WriteBoolean(bool value) {
    WriteIdent(value ? L"True" : L"False");
}

void TWriter::WriteString(const std::wstring &value) {
    std::vector<std::wstring> pieces = EncodeString(value);
    if (pieces.size() == 1) {
        BeginValue();
        text_ += pieces[0];
        return;
    }
    BeginValue(false);
    ++indent_;
    for (size_t i = 0; i < pieces.size(); ++i) {
        NewLine();
        text_ += pieces[i];
        if (i + 1 < pieces.size())
            text_ += L" +";
    }
    --indent_;
}

void TWriter::WriteIdent(const std::wstring &value) {
    BeginValue();
    text_ += value;
}

void TWriter::WriteSet(const std::vector<std::wstring> &elements) {
    BeginValue();
    text_ += L'[';
    for (size_t i = 0; i < elements.size(); ++i)
        text_ += (i ? L", " : L"") + elements[i];
    text_ += L']';
}

void TWriter::WriteBinary(const std::vector<uint8_t> &data) {
    BeginValue();
    text_ += L'{';
    ++indent_;
    for (size_t i = 0; i < data.size(); i += BytesPerLine) {
        NewLine();
        text_ += Hex(data, i, BytesPerLine);
    }
    --indent_;
    text_ += L'}';
}

void TWriter::WriteListBegin() {
    BeginValue();
    text_ += L'(';
    ++indent_;
    levels_.push_back({0, true});
}

void TWriter::WriteListEnd() {
    if (levels_.empty() || !levels_.back().IsList)
        throw EInvalidOperation(L"No list is being written");
    levels_.pop_back();
    --indent_;
    text_ += L')';
}

void TWriter::WriteCollectionItems(const std::vector<TPersistent *> &items) {
    BeginValue();
    text_ += L'<';
    ++indent_;
    for (TPersistent *item : items) {
        NewLine();
        text_ += L"item";
        ++indent_;
        WriteProperties(item, L"");
        --indent_;
        NewLine();
        text_ += L"end";
    }
    --indent_;
    text_ += L'>';
}

std::wstring WriteComponentForm(TComponent *root) {
    TWriter writer(root);
    writer.WriteRootComponent();
    return writer.Text();
}

} // namespace classlib
