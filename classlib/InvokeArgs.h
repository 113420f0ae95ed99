// The arguments of one IDispatch::Invoke as the callee (an event sink) declares them: their positions,
// typed reads and answers through by-reference arguments.
//
// Callers put the arguments into rgvarg last first; named arguments come first in rgvarg and carry
// their position as their dispatch id. Each failure raises EOleSysError with the HRESULT the callee
// answers: E_INVALIDARG for DISPPARAMS that contradict themselves, DISP_E_PARAMNOTFOUND for a named
// argument that names no free position, DISP_E_BADPARAMCOUNT for a declared argument the call lacks,
// DISP_E_TYPEMISMATCH for one that cannot be taken as the type asked for.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <list>
#include <string>

#include "classlib/ComPtr.h"
#include "classlib/OleVariant.h"

namespace classlib {

// The callee's view of a by-reference argument of type T (bool, int or std::wstring), made from the
// typed storage behind it (RefArgStorage): it starts as the caller's value, and WriteBack puts the
// callee's answer back through the caller's pointer. The caller's VARIANT itself is never replaced.
template <class T> class TArgRef;

template <> class TArgRef<bool> {
public:
    static constexpr VARTYPE Type = VT_BOOL;
    explicit TArgRef(void *storage) noexcept
        : target_(static_cast<VARIANT_BOOL *>(storage)), value_(*target_ != VARIANT_FALSE) {}
    bool &Value() noexcept { return value_; }
    void WriteBack() noexcept { *target_ = value_ ? VARIANT_TRUE : VARIANT_FALSE; }

private:
    VARIANT_BOOL *target_;
    bool value_;
};

template <> class TArgRef<int> {
public:
    static constexpr VARTYPE Type = VT_I4;
    explicit TArgRef(void *storage) noexcept : target_(static_cast<LONG *>(storage)), value_(*target_) {}
    int &Value() noexcept { return value_; }
    void WriteBack() noexcept { *target_ = value_; }

private:
    LONG *target_;
    int value_;
};

// A changed text goes back as a new BSTR, which the caller then owns; the one it passed is freed.
template <> class TArgRef<std::wstring> {
public:
    static constexpr VARTYPE Type = VT_BSTR;
    explicit TArgRef(void *storage);
    std::wstring &Value() noexcept { return value_; }
    void WriteBack() noexcept;

private:
    BSTR *target_;
    std::wstring original_;
    std::wstring value_;
};

// The variant a by-reference variant points at; the argument itself otherwise.
const VARIANT &DerefArg(const VARIANT &arg) noexcept;
// The storage of type vt behind a by-reference argument: VT_BYREF | vt, or a by-reference variant
// holding VT_BYREF | vt or a value (changed to vt in place); null when the argument has none.
void *RefArgStorage(VARIANT &arg, VARTYPE vt) noexcept;
// An object argument as IDispatch: Empty, Null, Nothing and a left-out optional argument read as
// null; anything else, an object without IDispatch included, is a type mismatch.
ComPtr<IDispatch> ObjectArg(const VARIANT &arg, int position, const wchar_t *member = nullptr);
// The type mismatch of argument position (counted from 0) of member (may be null).
[[noreturn]] void ArgTypeError(int position, VARTYPE vt, const wchar_t *member = nullptr);

class TInvokeArgs {
public:
    // The positions a named argument may take: any, or only the call's own (0 .. cArgs - 1), for a
    // callee that takes the arguments apart before it knows how many the member declares.
    enum TPositions { AnyPosition, CallPositions };

    TInvokeArgs() noexcept = default; // no arguments
    // Raises the failure of Assign.
    explicit TInvokeArgs(const DISPPARAMS *params, TPositions positions = AnyPosition);
    TInvokeArgs(const TInvokeArgs &) = delete;
    TInvokeArgs &operator=(const TInvokeArgs &) = delete;

    // Takes params apart (null: no arguments). On failure the call has no arguments and *argErr, when
    // given, is the index of the named argument at fault.
    HRESULT Assign(const DISPPARAMS *params, TPositions positions, UINT *argErr = nullptr) noexcept;

    // How many arguments the call passed.
    int Count() const noexcept { return params_ ? static_cast<int>(params_->cArgs) : 0; }
    // The caller's own VARIANT at a declared position; null when the call did not pass it.
    VARIANT *Find(int position) const noexcept;
    // The same for an argument the member needs: DISP_E_BADPARAMCOUNT when the call lacks it.
    VARIANT &Required(int position) const;

    // An object argument (see ObjectArg).
    ComPtr<IDispatch> Object(int position) const;
    // The same for members whose declarations are not known in full: a missing argument, or one that
    // holds no object, reads as null.
    ComPtr<IDispatch> OptionalObject(int position) const;
    // A by-value argument as received (a by-reference variant is dereferenced).
    OleVariant Value(int position) const;
    // A by-reference Boolean: the handler sees the caller's value, and what it leaves there reaches
    // the caller through WriteBack. A Boolean passed by value is a type mismatch: no answer could
    // reach the caller.
    bool &BoolRef(int position);
    // Writes every answer taken with BoolRef back through the caller's pointers.
    void WriteBack() noexcept;

private:
    const DISPPARAMS *params_ = nullptr;
    std::list<TArgRef<bool>> bools_; // a list: handlers hold references into it
};

} // namespace classlib
