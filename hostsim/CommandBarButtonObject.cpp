#include "hostsim/CommandBarButtonObject.h"

#include "hostsim/CommandBarControlRules.h"
#include "hostsim/CommandBarFace.h"
#include "hostsim/SimConnectionPoints.h"

namespace hostsim {

using namespace call;

CommandBarButtonObject::CommandBarButtonObject(SimWorld &world, std::shared_ptr<CommandBarHost> host,
                                               SetRef set, ControlRef control)
    : CommandBarControlImpl(world, L"Button#" + std::to_wstring(control->instanceId), std::move(host), set,
                            control) {
    Events().Add(DIID__CommandBarButtonEvents);
}

HRESULT CommandBarButtonObject::get_BuiltInFace(VARIANT_BOOL *out) {
    return core_.Run(L"BuiltInFace", {}, [&](ControlModel &c) { SetOut(out, c.HasBuiltInFace()); });
}

HRESULT CommandBarButtonObject::put_BuiltInFace(VARIANT_BOOL value) {
    return core_.Run(L"BuiltInFace", Flag(value),
                     [&](ControlModel &c) { rules::SetBuiltInFace(c, value != VARIANT_FALSE); });
}

HRESULT CommandBarButtonObject::CopyFace() {
    return core_.Run(L"CopyFace", {}, [&](ControlModel &c) { face::CopyToClipboard(c); });
}

HRESULT CommandBarButtonObject::get_FaceId(long *out) {
    return core_.Get(L"FaceId", &ControlProps::faceId, out);
}

HRESULT CommandBarButtonObject::put_FaceId(long value) {
    return core_.Run(L"FaceId", Number(value), [&](ControlModel &c) { rules::SetFaceId(c, value); });
}

HRESULT CommandBarButtonObject::PasteFace() {
    return core_.Run(L"PasteFace", {}, [&](ControlModel &c) {
        classlib::ComPtr<IPictureDisp> pasted = face::PasteFromClipboard();
        rules::SetPicture(c, pasted.Get());
        rules::SetMask(c, nullptr);
    });
}

HRESULT CommandBarButtonObject::get_ShortcutText(BSTR *out) {
    return core_.Get(L"ShortcutText", &ControlProps::shortcutText, out);
}

HRESULT CommandBarButtonObject::put_ShortcutText(BSTR value) {
    return core_.Put(L"ShortcutText", &ControlProps::shortcutText, value);
}

HRESULT CommandBarButtonObject::get_State(MsoButtonState *out) {
    return core_.Run(L"State", {},
                     [&](ControlModel &c) { *Out(out) = static_cast<MsoButtonState>(c.props.state); });
}

HRESULT CommandBarButtonObject::put_State(MsoButtonState value) {
    return core_.Run(L"State", Number(value), [&](ControlModel &c) { rules::SetState(c, value); });
}

HRESULT CommandBarButtonObject::get_Style(MsoButtonStyle *out) {
    return core_.Run(L"Style", {},
                     [&](ControlModel &c) { *Out(out) = static_cast<MsoButtonStyle>(c.props.style); });
}

HRESULT CommandBarButtonObject::put_Style(MsoButtonStyle value) {
    return core_.Run(L"Style", Number(value), [&](ControlModel &c) { rules::SetButtonStyle(c, value); });
}

HRESULT CommandBarButtonObject::get_HyperlinkType(MsoCommandBarButtonHyperlinkType *out) {
    return core_.Run(L"HyperlinkType", {}, [&](ControlModel &c) {
        *Out(out) = static_cast<MsoCommandBarButtonHyperlinkType>(c.props.hyperlinkType);
    });
}

HRESULT CommandBarButtonObject::put_HyperlinkType(MsoCommandBarButtonHyperlinkType value) {
    return core_.Run(L"HyperlinkType", Number(value),
                     [&](ControlModel &c) { rules::SetHyperlinkType(c, value); });
}

HRESULT CommandBarButtonObject::get_Picture(IPictureDisp **out) {
    Clear(out);
    return core_.Run(L"Picture", {}, [&](ControlModel &c) { face::Picture(c).CopyTo(Out(out)); });
}

HRESULT CommandBarButtonObject::put_Picture(IPictureDisp *value) {
    return core_.Run(L"Picture", Object(value),
                     [&](ControlModel &c) { rules::SetPicture(c, face::Copy(value).Get()); });
}

HRESULT CommandBarButtonObject::get_Mask(IPictureDisp **out) {
    Clear(out);
    return core_.Run(L"Mask", {}, [&](ControlModel &c) { face::Mask(c).CopyTo(Out(out)); });
}

HRESULT CommandBarButtonObject::put_Mask(IPictureDisp *value) {
    return core_.Run(L"Mask", Object(value),
                     [&](ControlModel &c) { rules::SetMask(c, face::Copy(value).Get()); });
}

HRESULT CommandBarButtonObject::get_InstanceIdPtr(VARIANT *out) {
    if (out)
        VariantInit(out);
    return core_.NotImplemented(L"InstanceIdPtr");
}

} // namespace hostsim
