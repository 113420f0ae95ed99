// TPersistent: objects that can be assigned to each other and streamed (published properties plus
// the defined properties a class adds through DefineProperties).
#pragma once
#include "classlib/Object.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace classlib {

class TReader;
class TWriter;

// What DefineProperties talks to: the reader or the writer that streams the object.
class TFiler {
public:
    using ReadProc = std::function<void(TReader &)>;
    using WriteProc = std::function<void(TWriter &)>;
    using BinaryReadProc = std::function<void(const std::vector<uint8_t> &)>;
    using BinaryWriteProc = std::function<std::vector<uint8_t>()>;

    virtual ~TFiler() = default;
    // hasData: whether the writer writes the property; the reader ignores it.
    virtual void DefineProperty(const std::wstring &name, ReadProc read, WriteProc write, bool hasData) = 0;
    virtual void DefineBinaryProperty(const std::wstring &name, BinaryReadProc read, BinaryWriteProc write,
                                      bool hasData) = 0;
};

class TPersistent : public TObject {
    CLASSLIB_CLASS(TPersistent)
public:
    // Copies source into this object; the default asks the source (AssignTo) and fails when neither
    // side knows the other, raising EConvertError "Cannot assign a X to a Y".
    virtual void Assign(const TPersistent *source);
    virtual void DefineProperties(TFiler &filer);
    // The object that owns this one in the streaming sense (collection of an item, owner of a component).
    virtual TPersistent *GetOwner() const { return nullptr; }
    virtual std::wstring GetNamePath() const;

protected:
    virtual void AssignTo(TPersistent *dest) const;
};

} // namespace classlib
