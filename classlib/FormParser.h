// The text form format as a syntax tree: parsing checks the syntax only (every syntax error is an
// EReadError naming the line); giving the values a meaning is the reader's job.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace classlib {

enum class TFormValueKind { Integer, String, Ident, Set, List, Collection, Binary };

struct TFormProperty;

// One item of a collection value: `item [3] ... end`.
struct TFormItem {
    int Line = 0;
    std::optional<int64_t> Order; // the `[n]` order index; the reader ignores it
    std::vector<TFormProperty> Properties;
};

struct TFormValue {
    TFormValueKind Kind = TFormValueKind::Integer;
    int Line = 0;
    int64_t Integer = 0;
    std::wstring Text;               // String (pieces joined) and Ident
    std::vector<std::wstring> Names; // Set elements, as written
    std::vector<TFormValue> List;    // List elements
    std::vector<TFormItem> Items;    // Collection items
    std::vector<uint8_t> Bytes;      // Binary
};

struct TFormProperty {
    int Line = 0;
    std::wstring Name; // may be dotted: Font.Name
    TFormValue Value;
};

// `object Name: ClassName ... end`; Children keep the nesting they were written with.
struct TFormObject {
    int Line = 0;
    std::wstring Name;
    std::wstring ClassName;
    std::vector<TFormProperty> Properties;
    std::vector<TFormObject> Children;
};

// Parses one form (one root object, nothing after its `end`); raises EReadError "Line n: ...".
TFormObject ParseForm(const std::wstring &text);

// Describes a value kind in error messages ("string", "set", ...).
const wchar_t *FormValueKindName(TFormValueKind kind);

} // namespace classlib
