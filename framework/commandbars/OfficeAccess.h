// Calling the early-bound Office command-bar interfaces from exception code: one property of an
// Office interface as a pair of member pointers, read and written with failures raised as the class
// library's COM error; VARIANT arguments as Office takes them; and the trace channel for failures the
// command-bar code drops on purpose.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <string>

#include "classlib/Exceptions.h"
#include "classlib/OleString.h"

namespace framework {

// A string property (BSTR) of interface C.
template <class C> struct TOfficeString {
    HRESULT (STDMETHODCALLTYPE C::*Get)(BSTR *);
    HRESULT (STDMETHODCALLTYPE C::*Put)(BSTR);
    template <class I> std::wstring Read(I *Iface) const {
        classlib::TBStr value;
        classlib::OleCheck((Iface->*Get)(value.Put()));
        return value.ToString();
    }
    template <class I> void Write(I *Iface, const std::wstring &Value) const {
        classlib::OleCheck((Iface->*Put)(classlib::TBStr(Value).Get()));
    }
};

// A Boolean property (VARIANT_BOOL) of interface C; any non-zero value reads as true.
template <class C> struct TOfficeBool {
    HRESULT (STDMETHODCALLTYPE C::*Get)(VARIANT_BOOL *);
    HRESULT (STDMETHODCALLTYPE C::*Put)(VARIANT_BOOL);
    template <class I> bool Read(I *Iface) const {
        VARIANT_BOOL value = VARIANT_FALSE;
        classlib::OleCheck((Iface->*Get)(&value));
        return value != VARIANT_FALSE;
    }
    template <class I> void Write(I *Iface, bool Value) const {
        classlib::OleCheck((Iface->*Put)(Value ? VARIANT_TRUE : VARIANT_FALSE));
    }
};

// A property of a plain type T (long, or an Office enumeration) of interface C, read as V.
template <class C, class T, class V = int> struct TOfficeValue {
    HRESULT (STDMETHODCALLTYPE C::*Get)(T *);
    HRESULT (STDMETHODCALLTYPE C::*Put)(T);
    template <class I> V Read(I *Iface) const {
        T value{};
        classlib::OleCheck((Iface->*Get)(&value));
        return static_cast<V>(value);
    }
    template <class I> void Write(I *Iface, V Value) const {
        classlib::OleCheck((Iface->*Put)(static_cast<T>(Value)));
    }
};

// An Office enumeration of interface C whose values 0 .. Count - 1 are the elements of V in order; a
// value outside them reads as Unknown, so that no value without a name is stored (a getter passes its
// field, a setter a value out of range, which any Office value then differs from).
template <class C, class T, class V, long Count> struct TOfficeOrdinal {
    HRESULT (STDMETHODCALLTYPE C::*Get)(T *);
    HRESULT (STDMETHODCALLTYPE C::*Put)(T);
    V Unknown;
    template <class I> V Read(I *Iface) const {
        T value{};
        classlib::OleCheck((Iface->*Get)(&value));
        const long number = static_cast<long>(value);
        return number >= 0 && number < Count ? static_cast<V>(number) : Unknown;
    }
    template <class I> void Write(I *Iface, V Value) const {
        classlib::OleCheck((Iface->*Put)(static_cast<T>(Value)));
    }
};

// Optional arguments of Office methods.
VARIANT MissingArg();
VARIANT LongArg(long Value);
VARIANT BoolArg(bool Value);
// Office's Add takes the control type as a one-byte integer, FindControl as an unsigned one.
VARIANT ByteArg(unsigned char Value);
VARIANT UIntArg(unsigned long Value);
// Owns its string: keep it alive for the call.
class TStringArg {
public:
    explicit TStringArg(const std::wstring &Value) : text_(Value) {}
    VARIANT Var() const;

private:
    classlib::TBStr text_;
};

// Failures dropped on purpose (the model's rules ask for that in places) go here first: the
// debugger output, under the channel "Tessary.CommandBars".
void TraceCommandBars(const std::wstring &Message);
void TraceCommandBars(const std::wstring &Context, const classlib::Exception &E);

} // namespace framework
