// TReader: reads a text form into a root component: creates the components by class name (owned by
// the root), sets published properties through their setters, binds events to the root's published
// handlers, passes names a class does not publish to its DefineProperties, and resolves component
// references once the whole form is read. A failed read raises EReadError ("Line n: ...") and frees
// every component it created.
#pragma once
#include "classlib/FormParser.h"
#include "classlib/Persistent.h"
#include "classlib/TypInfo.h"

#include <functional>
#include <string>
#include <vector>

namespace classlib {

class TComponent;
class TCollection;

class TReader : public TFiler {
public:
    explicit TReader(TComponent *root);
    TReader(const TReader &) = delete;
    TReader &operator=(const TReader &) = delete;

    // Reads a whole form into the root (see ReadComponentForm).
    void ReadRootComponent(const TFormObject &form);

    TComponent *Root() const { return root_; }
    // The line of the value being read, for messages of read procs.
    int Line() const { return line_; }

    // TFiler: called from DefineProperties; runs read for the defined property being read.
    void DefineProperty(const std::wstring &name, ReadProc read, WriteProc write, bool hasData) override;
    void DefineBinaryProperty(const std::wstring &name, BinaryReadProc read, BinaryWriteProc write,
                              bool hasData) override;

    // For DefineProperty read procs: each call consumes the next value of the property, and raises
    // EReadError when that value is of another kind. A read proc must consume the whole value.
    TFormValueKind NextValue() const;
    int ReadInteger(); // also checks the 32-bit range
    int64_t ReadInt64();
    bool ReadBoolean(); // True / False
    std::wstring ReadString();
    std::wstring ReadIdent();
    std::vector<std::wstring> ReadSet(); // the element names, as written
    std::vector<uint8_t> ReadBinary();
    void ReadListBegin(); // `(`: the list's values follow, up to EndOfList
    bool EndOfList() const;
    void ReadListEnd();
    void SkipValue(); // for a read proc that ignores an obsolete value
    // Reads a collection value `< item ... end ... >`: createItem(i) makes the i-th item (adding it
    // wherever it belongs), then the item's properties are read into it. An exception from
    // createItem becomes an EReadError naming the item's line.
    void ReadCollectionItems(const std::function<TPersistent *(int position)> &createItem);

private:
    struct TFixup {
        TObject *Instance;
        const TPropInfo *Prop;
        std::wstring Name;
        int Line;
        std::wstring Path;
    };
    // Values a read proc walks through: the property's own value, or the elements of a list.
    struct TCursor {
        const TFormValue *Values;
        size_t Count;
        size_t Pos;
        bool IsList;
    };
    // The defined property DefineProperties is asked for.
    struct TPending {
        std::wstring Name;
        const TFormValue *Value;
        bool Found;
    };

    void ReadObjectTree(const TFormObject &obj);
    TComponent *CreateChild(const TFormObject &obj);
    void ReadProperties(TPersistent *instance, const std::vector<TFormProperty> &props,
                        const std::wstring &path);
    void ReadProperty(TPersistent *instance, const TFormProperty &prop, const std::wstring &path);
    void ApplyProperty(TPersistent *instance, const std::wstring &name, const TFormValue &value,
                       const std::wstring &path);
    void ApplyPublished(TPersistent *instance, const TPropInfo &prop, const TFormValue &value,
                        const std::wstring &path);
    void ApplyDefined(TPersistent *instance, const std::wstring &name, const TFormValue &value);
    void ReadCollection(TCollection *collection, const TFormValue &value, const std::wstring &path);
    void ReadItems(const TFormValue &value, const std::wstring &path,
                   const std::function<TPersistent *(int position)> &createItem);
    void ResolveFixups();
    void LoadAll();

    const TFormValue &Take();
    const TFormValue &Take(TFormValueKind kind);
    const TFormValue &Peek() const;
    [[noreturn]] void Fail(const std::wstring &path, const std::wstring &message) const;
    [[noreturn]] void Rethrow(const std::wstring &path) const;

    TComponent *root_;
    std::vector<TComponent *> created_;
    std::vector<TFixup> fixups_;
    std::vector<TCursor> cursors_;
    std::vector<TPending> pending_;
    std::wstring path_; // the property being read, for messages
    int line_ = 0;
};

// Reads a form (text of the format `object Name: TClass ... end`) into root: root's class must be
// the form's class or derive from it, and takes the form's name.
void ReadComponentForm(const std::wstring &text, TComponent *root);

} // namespace classlib
