#include "framework/events/EventArgs.h"

#include "classlib/Format.h"

using classlib::ComPtr;
using classlib::Format;

namespace framework::events_detail {

void ArgumentCountError(const wchar_t *event, size_t declared, size_t passed) {
    throw EzidEventArgCount(Format(L"The %s event takes %d arguments; the host passed %d.",
                                   {event, static_cast<int>(declared), static_cast<int>(passed)}));
}

ComPtr<IDispatch> ToObject(const VARIANT &arg, const wchar_t *event, size_t index) {
    return classlib::ObjectArg(arg, static_cast<int>(index), event);
}

// Params holds copies of the host's by-value arguments: the handler's answer stays there.
void *RefStorage(VARIANT &arg, VARTYPE vt, const wchar_t *event, size_t index) {
    if (void *storage = classlib::RefArgStorage(arg, vt))
        return storage;
    if ((arg.vt & VT_BYREF) == 0) {
        VARIANT holder; // a by-reference variant over the copy: the class library's coercion in place
        holder.vt = VT_BYREF | VT_VARIANT;
        holder.pvarVal = &arg;
        if (void *storage = classlib::RefArgStorage(holder, vt))
            return storage;
    }
    classlib::ArgTypeError(static_cast<int>(index), arg.vt, event);
}

TArg<classlib::OleVariant &>::TArg(classlib::OleVariant &arg, const wchar_t *event, size_t index) {
    const VARIANT &v = arg.Var();
    if (v.vt == (VT_BYREF | VT_VARIANT) && v.pvarVal != nullptr)
        // OleVariant is a VARIANT: the handler works on the host's own.
        target_ = reinterpret_cast<classlib::OleVariant *>(v.pvarVal);
    else if ((v.vt & VT_BYREF) == 0)
        target_ = &arg;
    else
        classlib::ArgTypeError(static_cast<int>(index), v.vt, event);
}

} // namespace framework::events_detail
