#include "officesim/RibbonCallbacks.h"

#include <ocidl.h>
#include <olectl.h>

#include "classlib/ComPtr.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "officesim/CrashGuard.h"
#include "officesim/Transcript.h"

using classlib::ComPtr;
using classlib::OleVariant;

namespace officesim {

namespace {

// The callee's own account of a DISP_E_EXCEPTION; the strings are freed here.
std::wstring ExceptionText(EXCEPINFO &info) {
    if (info.pfnDeferredFillIn)
        info.pfnDeferredFillIn(&info);
    HRESULT code = info.scode != 0 ? info.scode : static_cast<HRESULT>(info.wCode);
    std::wstring text = L"; the callback raised " + HResultText(code);
    if (info.bstrDescription && SysStringLen(info.bstrDescription) > 0)
        text += L": " + classlib::BStrToString(info.bstrDescription);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    return text;
}

std::wstring PictureText(IUnknown *object) {
    auto unknown = ComPtr<IUnknown>::Copy(object);
    auto picture = unknown.TryAs<IPicture>();
    if (!picture)
        return L"object";
    SHORT type = PICTYPE_NONE;
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Type(&type);
    picture->get_Width(&width);
    picture->get_Height(&height);
    const wchar_t *kind = type == PICTYPE_BITMAP                                      ? L"bitmap"
                          : type == PICTYPE_ICON                                      ? L"icon"
                          : (type == PICTYPE_METAFILE || type == PICTYPE_ENHMETAFILE) ? L"metafile"
                                                                                      : L"empty";
    // HIMETRIC at the usual 96 pixels per inch.
    return classlib::Format(L"picture (%s %dx%d)", {kind, MulDiv(width, 96, 2540), MulDiv(height, 96, 2540)});
}

} // namespace

OleVariant ByRef(OleVariant &target) {
    OleVariant ref;
    ref.Ptr()->vt = VT_BYREF | VT_VARIANT;
    ref.Ptr()->pvarVal = target.Ptr();
    return ref;
}

CallbackAnswer InvokeCallback(IDispatch *addIn, const std::wstring &name,
                              const std::vector<OleVariant> &args) {
    CallbackAnswer answer;
    if (addIn == nullptr) {
        answer.error = L"the add-in has no IDispatch";
        return answer;
    }
    std::wstring copy = name;
    LPOLESTR names[] = {copy.data()};
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = addIn->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) {
        answer.error = L"GetIDsOfNames(" + Quoted(name) + L") returned " + HResultText(hr);
        return answer;
    }
    std::vector<OleVariant> reversed(args.rbegin(), args.rend());
    DISPPARAMS params{reinterpret_cast<VARIANTARG *>(reversed.data()), nullptr,
                      static_cast<UINT>(reversed.size()), 0};
    EXCEPINFO info{};
    UINT argError = 0;
    SetErrorInfo(0, nullptr);
    hr = addIn->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, answer.value.Put(), &info,
                       &argError);
    if (SUCCEEDED(hr)) {
        answer.ok = true;
        return answer;
    }
    answer.error =
        classlib::Format(L"Invoke of %s (dispatch id %d) returned ", {name, static_cast<int>(id)}) +
        HResultText(hr);
    if (hr == DISP_E_EXCEPTION)
        answer.error += ExceptionText(info);
    else if (hr == DISP_E_TYPEMISMATCH || hr == DISP_E_PARAMNOTFOUND)
        answer.error += classlib::Format(L" for argument %d", {static_cast<int>(args.size() - argError)});
    std::wstring note = SeriousExceptionNote();
    if (!note.empty())
        answer.error += L" (" + note + L" inside the call)";
    answer.value.Clear();
    return answer;
}

std::wstring DescribeValue(const VARIANT &value) {
    const VARIANT &v = value.vt == (VT_BYREF | VT_VARIANT) && value.pvarVal ? *value.pvarVal : value;
    switch (v.vt) {
    case VT_EMPTY:
        return L"(nothing)";
    case VT_NULL:
        return L"Null";
    case VT_BSTR:
        return Quoted(classlib::BStrToString(v.bstrVal));
    case VT_BOOL:
        return v.boolVal ? L"True" : L"False";
    case VT_I1:
    case VT_I2:
    case VT_I4:
    case VT_INT:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_UINT:
        return OleVariant(v).ToString();
    case VT_DISPATCH:
    case VT_UNKNOWN:
        return v.punkVal == nullptr ? L"Nothing" : PictureText(v.punkVal);
    default:
        break;
    }
    try {
        return OleVariant(v).ToString() + L" (" + classlib::VarTypeName(v.vt) + L")";
    } catch (const classlib::Exception &) {
        return L"a value of type " + classlib::VarTypeName(v.vt);
    }
}

} // namespace officesim
