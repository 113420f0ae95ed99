// A command-bar button (_CommandBarButton), source of _CommandBarButtonEvents (Click).
#pragma once
#include "hostsim/CommandBarControlCore.h"

namespace hostsim {

class CommandBarButtonObject : public CommandBarControlImpl<_CommandBarButton> {
public:
    CommandBarButtonObject(SimWorld &world, std::shared_ptr<CommandBarHost> host, SetRef set,
                           ControlRef control);

    STDMETHODIMP get_BuiltInFace(VARIANT_BOOL *out) override;
    STDMETHODIMP put_BuiltInFace(VARIANT_BOOL value) override;
    STDMETHODIMP CopyFace() override;
    STDMETHODIMP get_FaceId(long *out) override;
    STDMETHODIMP put_FaceId(long value) override;
    STDMETHODIMP PasteFace() override;
    STDMETHODIMP get_ShortcutText(BSTR *out) override;
    STDMETHODIMP put_ShortcutText(BSTR value) override;
    STDMETHODIMP get_State(MsoButtonState *out) override;
    STDMETHODIMP put_State(MsoButtonState value) override;
    STDMETHODIMP get_Style(MsoButtonStyle *out) override;
    STDMETHODIMP put_Style(MsoButtonStyle value) override;
    STDMETHODIMP get_HyperlinkType(MsoCommandBarButtonHyperlinkType *out) override;
    STDMETHODIMP put_HyperlinkType(MsoCommandBarButtonHyperlinkType value) override;
    STDMETHODIMP get_Picture(IPictureDisp **out) override;
    STDMETHODIMP put_Picture(IPictureDisp *value) override;
    STDMETHODIMP get_Mask(IPictureDisp **out) override;
    STDMETHODIMP put_Mask(IPictureDisp *value) override;
    STDMETHODIMP get_InstanceIdPtr(VARIANT *out) override;
};

} // namespace hostsim
