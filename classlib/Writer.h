// TWriter: writes a root component and the components it owns as a text form, the format TReader
// reads. Only what differs from the class's defaults is written; the text is pure ASCII.
#pragma once
#include "classlib/Persistent.h"
#include "classlib/TypInfo.h"

#include <string>
#include <vector>

namespace classlib {

class TComponent;
class TCollection;

class TWriter : public TFiler {
public:
    explicit TWriter(TComponent *root);
    TWriter(const TWriter &) = delete;
    TWriter &operator=(const TWriter &) = delete;

    // Writes the root, then each component it owns (in creation order) as a nested object.
    void WriteRootComponent();
    const std::wstring &Text() const { return text_; }
    TComponent *Root() const { return root_; }

    // TFiler: called from DefineProperties; writes the property when hasData says so.
    void DefineProperty(const std::wstring &name, ReadProc read, WriteProc write, bool hasData) override;
    void DefineBinaryProperty(const std::wstring &name, BinaryReadProc read, BinaryWriteProc write,
                              bool hasData) override;

    // For DefineProperty write procs: each writes one value (inside a list, one element).
    void WriteInteger(int64_t value);
    void WriteBoolean(bool value);
    void WriteString(const std::wstring &value);
    void WriteIdent(const std::wstring &value);
    void WriteSet(const std::vector<std::wstring> &elements);
    void WriteBinary(const std::vector<uint8_t> &data);
    void WriteListBegin();
    void WriteListEnd();
    // Writes `< item ... end ... >` with each item's published and defined properties; the
    // counterpart of TReader::ReadCollectionItems.
    void WriteCollectionItems(const std::vector<TPersistent *> &items);

private:
    void WriteComponent(TComponent *component);
    void WriteProperties(TPersistent *instance, const std::wstring &prefix);
    void WriteProperty(TPersistent *instance, const TPropInfo &prop, const std::wstring &prefix);
    void WriteReference(TPersistent *instance, const TPropInfo &prop, const std::wstring &name);
    void WriteCollection(TCollection *collection);
    void BeginProperty(const std::wstring &name);
    void EndProperty(const std::wstring &name);
    void BeginValue(bool inlineValue = true);
    void NewLine();

    // One open property or list: how many values it has got.
    struct TLevel {
        int Count;
        bool IsList;
    };

    TComponent *root_;
    std::wstring text_;
    int indent_ = 0;
    std::wstring prefix_; // dotted path of the sub-object whose properties are written
    std::vector<TLevel> levels_;
};

// The text form of root and its components.
std::wstring WriteComponentForm(TComponent *root);

} // namespace classlib
