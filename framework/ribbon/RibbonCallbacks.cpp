// The add-in object's dispatch side: the host finds a ribbon callback by its name and calls it by
// its dispatch id. The object's own type library is asked first, so that an add-in's COM class may
// still publish members of its own.
#include "framework/ribbon/RibbonCallbacks.h"

#include <algorithm>
#include <cstddef>
#include <cwchar>
#include <iterator>

#include "classlib/ComGuard.h"
#include "classlib/OleString.h"
#include "classlib/Trace.h"
#include "framework/ribbon/RibbonEngine.h"

using classlib::OleVariant;

namespace framework {

namespace {

using A = TzidRibbonArgument;

// The order of the table is the order the names are compared in.
constexpr TzidRibbonCallback Callbacks[] = {
    {L"RibbonLoaded_Callback", rcbRibbonLoaded, 1, {A::Ribbon}},
    {L"GetImages_Callback", rcbGetImages, 1, {A::Text}},
    {L"GetVisible_Callback", rcbGetVisible, 1, {A::Control}},
    {L"GetKeyTip_Callback", rcbGetKeyTip, 1, {A::Control}},
    {L"GetLabel_Callback", rcbGetLabel, 1, {A::Control}},
    {L"GetEnabled_Callback", rcbGetEnabled, 1, {A::Control}},
    {L"GetPressed_Callback", rcbGetPressed, 1, {A::Control}},
    {L"GetImage_Callback", rcbGetImage, 1, {A::Control}},
    {L"GetSuperTip_Callback", rcbGetSuperTip, 1, {A::Control}},
    {L"GetScreenTip_Callback", rcbGetScreenTip, 1, {A::Control}},
    {L"GetSize_Callback", rcbGetSize, 1, {A::Control}},
    {L"GetShowLabel_Callback", rcbGetShowLabel, 1, {A::Control}},
    {L"GetShowImage_Callback", rcbGetShowImage, 1, {A::Control}},
    {L"GetDescription_Callback", rcbGetDescription, 1, {A::Control}},
    {L"GetText_Callback", rcbGetText, 1, {A::Control}},
    {L"GetItemCount_Callback", rcbGetItemCount, 1, {A::Control}},
    {L"GetItemID_Callback", rcbGetItemID, 2, {A::Control, A::Index}},
    {L"GetItemImage_Callback", rcbGetItemImage, 2, {A::Control, A::Index}},
    {L"GetItemLabel_Callback", rcbGetItemLabel, 2, {A::Control, A::Index}},
    {L"GetItemScreenTip_Callback", rcbGetItemScreenTip, 2, {A::Control, A::Index}},
    {L"GetItemSuperTip_Callback", rcbGetItemSuperTip, 2, {A::Control, A::Index}},
    {L"GetShowItemImage_Callback", rcbGetShowItemImage, 2, {A::Control, A::Index}},
    {L"GetSelectedItemIndex_Callback", rcbGetSelectedItemIndex, 1, {A::Control}},
    {L"GetSelectedItemId_Callback", rcbGetSelectedItemId, 1, {A::Control}},
    {L"GetItemHeight_Callback", rcbGetItemHeight, 1, {A::Control}},
    {L"GetItemWidth_Callback", rcbGetItemWidth, 1, {A::Control}},
    {L"GetContent_Callback", rcbGetContent, 1, {A::Control}},
    {L"GetTitle_Callback", rcbGetTitle, 1, {A::Control}},
    {L"OnActionCommon_Callback", rcbOnActionCommon, 1, {A::Control}},
    {L"OnActionCommonRepurposed_Callback", rcbOnActionCommonRepurposed, 2, {A::Control, A::CancelDefault}},
    {L"OnActionState_Callback", rcbOnActionState, 2, {A::Control, A::Pressed}},
    {L"OnActionStateRepurposed_Callback",
     rcbOnActionStateRepurposed,
     3,
     {A::Control, A::Pressed, A::CancelDefault}},
    {L"OnActionSelected_Callback", rcbOnActionSelected, 3, {A::Control, A::Text, A::Index}},
    {L"OnChange_Callback", rcbOnChange, 2, {A::Control, A::Text}},
    {L"OnBackstageShow_Callback", rcbOnBackstageShow, 1, {A::Context}},
    {L"OnBackstageHide_Callback", rcbOnBackstageHide, 1, {A::Context}},
    {L"GetTarget_Callback", rcbGetTarget, 1, {A::Control}},
    {L"GetAltText_Callback", rcbGetAltText, 1, {A::Control}},
    {L"GetHelperText_Callback", rcbGetHelperText, 1, {A::Control}},
    {L"GetStyle_Callback", rcbGetStyle, 1, {A::Control}},
};

// An argument the host gave in a form the callback cannot take: Invoke answers the code and, for a
// type mismatch, the argument's position in the parameter array.
struct TArgumentError {
    HRESULT Code;
    UINT Position;
};

// Where the host wants the cancel default written back: through its Boolean, into its variant, or
// nowhere (passed by value).
struct TCancelDefaultTarget {
    VARIANT_BOOL *Flag = nullptr;
    VARIANT *Variant = nullptr;
};

// The value behind any number of references.
const VARIANT &Referenced(const VARIANT &Value) {
    const VARIANT *value = &Value;
    while (value->vt == (VT_BYREF | VT_VARIANT) && value->pvarVal != nullptr)
        value = value->pvarVal;
    return *value;
}

// Value as type Type, coerced as automation coerces (a by-reference value is read through); a value
// that cannot become it is the host's mistake.
OleVariant Coerced(const VARIANT &Value, VARTYPE Type, UINT Position) {
    OleVariant plain, result;
    if (FAILED(VariantCopyInd(plain.Ptr(), const_cast<VARIANT *>(&Referenced(Value)))) ||
        FAILED(VariantChangeType(result.Ptr(), plain.Ptr(), 0, Type)))
        throw TArgumentError{DISP_E_TYPEMISMATCH, Position};
    return result;
}

// The interface T of an object argument; null for Nothing.
template <class T> classlib::ComPtr<T> ObjectArgument(const VARIANT &Value, UINT Position) {
    OleVariant plain;
    if (FAILED(VariantCopyInd(plain.Ptr(), const_cast<VARIANT *>(&Referenced(Value)))) ||
        (plain.Type() != VT_DISPATCH && plain.Type() != VT_UNKNOWN))
        throw TArgumentError{DISP_E_TYPEMISMATCH, Position};
    if (plain.Var().punkVal == nullptr)
        return nullptr;
    classlib::ComPtr<T> object = classlib::ComPtr<IUnknown>::Copy(plain.Var().punkVal).TryAs<T>();
    if (!object)
        throw TArgumentError{DISP_E_TYPEMISMATCH, Position};
    return object;
}

// Reads the cancel default and remembers where it goes back to.
bool CancelDefaultArgument(VARIANT &Value, UINT Position, TCancelDefaultTarget &Target) {
    VARIANT *value = &Value;
    if (value->vt == (VT_BYREF | VT_VARIANT)) {
        if (value->pvarVal == nullptr)
            throw TArgumentError{DISP_E_TYPEMISMATCH, Position};
        value = value->pvarVal;
        if (value->vt != (VT_BYREF | VT_BOOL))
            Target.Variant = value;
    }
    if (value->vt == (VT_BYREF | VT_BOOL)) {
        if (value->pboolVal == nullptr)
            throw TArgumentError{DISP_E_TYPEMISMATCH, Position};
        Target.Flag = value->pboolVal;
        return *value->pboolVal != VARIANT_FALSE;
    }
    if ((value->vt & VT_BYREF) != 0)
        throw TArgumentError{DISP_E_TYPEMISMATCH, Position};
    return Coerced(*value, VT_BOOL, Position).Var().boolVal != VARIANT_FALSE;
}

// The host's arguments by their place in the callback's signature; element 0 of the parameter
// array is the host's last argument.
TzidRibbonCallbackArgs Unpack(const TzidRibbonCallback &Callback, DISPPARAMS *Params,
                              TCancelDefaultTarget &Cancel) {
    const UINT count = Params != nullptr ? Params->cArgs : 0;
    if (count != Callback.ArgumentCount || (count > 0 && Params->rgvarg == nullptr))
        throw TArgumentError{DISP_E_BADPARAMCOUNT, 0};
    if (Params->cNamedArgs != 0)
        throw TArgumentError{DISP_E_NONAMEDARGS, 0};
    TzidRibbonCallbackArgs args;
    for (UINT i = 0; i < count; ++i) {
        const UINT position = count - 1 - i;
        VARIANT &value = Params->rgvarg[position];
        switch (Callback.Arguments[i]) {
        case A::Control:
            args.Control = ObjectArgument<IRibbonControl>(value, position);
            break;
        case A::Ribbon:
            args.Ribbon = ObjectArgument<IRibbonUI>(value, position);
            break;
        case A::Text:
            args.Text = classlib::BStrToString(Coerced(value, VT_BSTR, position).Var().bstrVal);
            break;
        case A::Index:
            args.Index = Coerced(value, VT_I4, position).Var().lVal;
            break;
        case A::Pressed:
            args.Pressed = Coerced(value, VT_BOOL, position).Var().boolVal != VARIANT_FALSE;
            break;
        case A::CancelDefault:
            args.CancelDefault = CancelDefaultArgument(value, position, Cancel);
            break;
        case A::Context:
            break; // the Backstage bodies do not look at it
        }
    }
    return args;
}

void WriteBack(const TCancelDefaultTarget &Target, bool CancelDefault) {
    const VARIANT_BOOL value = CancelDefault ? VARIANT_TRUE : VARIANT_FALSE;
    if (Target.Flag != nullptr) {
        *Target.Flag = value;
    } else if (Target.Variant != nullptr) {
        VariantClear(Target.Variant);
        Target.Variant->vt = VT_BOOL;
        Target.Variant->boolVal = value;
    }
}

// What the caller of a failed callback learns: the add-in's ProgID and the message.
void FillExceptionInfo(EXCEPINFO *Info, const wchar_t *Source, const std::wstring &Message,
                       HRESULT Code) noexcept {
    if (Info == nullptr)
        return;
    *Info = EXCEPINFO{};
    Info->scode = Code;
    Info->bstrSource = SysAllocString(Source != nullptr ? Source : L"");
    Info->bstrDescription = SysAllocStringLen(Message.data(), static_cast<UINT>(Message.size()));
}

// A callback is an entry of its own: the host learns of a failure through EXCEPINFO, which the add-in
// object's guard does not fill, so what the callback raises is answered here.
HRESULT InvokeCallback(TzidRibbonEngine &Ribbon, const TzidRibbonCallback &Callback, DISPPARAMS *Params,
                       VARIANT *Result, EXCEPINFO *ExcepInfo, UINT *ArgErr) noexcept {
    const classlib::TComEntry entry{L"Ribbon", Callback.Name};
    try {
        TCancelDefaultTarget cancel;
        TzidRibbonCallbackArgs args = Unpack(Callback, Params, cancel);
        OleVariant answer = RunRibbonCallback(Ribbon, Callback.Id, args);
        if (Callback.Id == rcbOnActionCommonRepurposed || Callback.Id == rcbOnActionStateRepurposed)
            WriteBack(cancel, args.CancelDefault);
        if (Result != nullptr)
            *Result = answer.Detach();
        return S_OK;
    } catch (const TArgumentError &e) {
        classlib::TraceHResult(L"Ribbon", Callback.Name, e.Code);
        if (ArgErr != nullptr && e.Code == DISP_E_TYPEMISMATCH)
            *ArgErr = e.Position;
        return e.Code;
    } catch (...) {
        const wchar_t *source = Ribbon.AddIn().ErrorSource();
        HRESULT code = classlib::HResultFromCurrentException(entry, source);
        FillExceptionInfo(ExcepInfo, source, classlib::CurrentExceptionMessage(), code);
        return DISP_E_EXCEPTION;
    }
}

// The bit of a place in the callback table or of an id counted from the first.
constexpr unsigned long long CallbackBit(std::ptrdiff_t Place) noexcept {
    return 1ull << Place;
}
static_assert(std::size(Callbacks) <= 64 && rcbGetStyle - rcbRibbonLoaded < 64, "a bit per callback");

} // namespace

const TzidRibbonCallback *FindRibbonCallback(const wchar_t *Name) noexcept {
    if (Name == nullptr)
        return nullptr;
    for (const TzidRibbonCallback &callback : Callbacks)
        if (std::wcscmp(callback.Name, Name) == 0)
            return &callback;
    return nullptr;
}

const TzidRibbonCallback *RibbonCallbackOf(DISPID Id) noexcept {
    for (const TzidRibbonCallback &callback : Callbacks)
        if (callback.Id == Id)
            return &callback;
    return nullptr;
}

// The add-in object's type library is asked through the object's base, whose GetIDsOfNames and Invoke
// answer only the library's members: the call does not come back here.
HRESULT TzidRibbonEngine::GetIDsOfNames(REFIID riid, LPOLESTR *Names, UINT Count, LCID Locale,
                                        DISPID *DispIds) {
    return addIn_.Guard({L"Ribbon", L"GetIDsOfNames"}, [&]() -> HRESULT {
        const TzidRibbonCallback *callback = Names != nullptr && Count > 0 && IsEqualIID(riid, IID_NULL)
                                                 ? FindRibbonCallback(Names[0])
                                                 : nullptr;
        const unsigned long long bit = callback != nullptr ? CallbackBit(callback - Callbacks) : 0;
        if ((callbackNamesOutsideTypeLib_ & bit) == 0) {
            HRESULT hr = addIn_.TdivAzore::Inherited::GetIDsOfNames(riid, Names, Count, Locale, DispIds);
            if (SUCCEEDED(hr) || callback == nullptr || DispIds == nullptr)
                return hr;
            if (hr == DISP_E_UNKNOWNNAME && Count == 1)
                callbackNamesOutsideTypeLib_ |= bit;
        } else if (DispIds == nullptr) {
            return E_POINTER;
        }
        // A callback takes its arguments by place only: any name after its own is unknown.
        DispIds[0] = callback->Id;
        std::fill_n(DispIds + 1, Count - 1, DISPID_UNKNOWN);
        return Count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    });
}

HRESULT TzidRibbonEngine::Invoke(DISPID DispId, REFIID riid, LCID Locale, WORD Flags, DISPPARAMS *Params,
                                 VARIANT *Result, EXCEPINFO *ExcepInfo, UINT *ArgErr) {
    const TzidRibbonCallback *callback = IsEqualIID(riid, IID_NULL) ? RibbonCallbackOf(DispId) : nullptr;
    const unsigned long long bit = callback != nullptr ? CallbackBit(DispId - rcbRibbonLoaded) : 0;
    if ((callbackIdsOutsideTypeLib_ & bit) == 0) {
        HRESULT hr = addIn_.TdivAzore::Inherited::Invoke(DispId, riid, Locale, Flags, Params, Result,
                                                         ExcepInfo, ArgErr);
        if (SUCCEEDED(hr) || callback == nullptr)
            return hr;
        if (hr == DISP_E_MEMBERNOTFOUND)
            callbackIdsOutsideTypeLib_ |= bit;
    }
    // A callback is a method: the host calls it so, at times also as a property get; a property put,
    // or a call with no kind at all, is no call of it.
    if ((Flags & DISPATCH_METHOD) == 0)
        return DISP_E_MEMBERNOTFOUND;
    // The host's object may let go of the add-in inside a handler, or a handler unload it: the object
    // and its module live until the call returns.
    return addIn_.EntryCall({L"Ribbon", callback->Name}, [&] {
        return InvokeCallback(*this, *callback, Params, Result, ExcepInfo, ArgErr);
    });
}

} // namespace framework
