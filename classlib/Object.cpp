#include "classlib/Classes.h"
#include "classlib/Format.h"

namespace classlib {

const TClassInfo &TObject::StaticClass() {
    static const TClassInfo info(L"TObject", nullptr);
    return info;
}

const std::wstring &TObject::ClassName() const { return ClassType().Name(); }

bool TObject::InheritsFrom(const TClassInfo &cls) const { return ClassType().InheritsFrom(cls); }

void TObject::InvalidCast() const { throw EInvalidCast(L"Invalid class typecast of " + ClassName()); }

CLASSLIB_DEFINE_CLASS(TPersistent, TObject)

void TPersistent::Assign(const TPersistent *source) {
    if (source != nullptr) {
        source->AssignTo(this);
        return;
    }
    throw EConvertError(Format(L"Cannot assign a nil to a %s", {ClassName()}));
}

void TPersistent::AssignTo(TPersistent *dest) const {
    throw EConvertError(Format(L"Cannot assign a %s to a %s", {ClassName(), dest->ClassName()}));
}

void TPersistent::DefineProperties(TFiler &) {}

std::wstring TPersistent::GetNamePath() const { return ClassName(); }

} // namespace classlib
