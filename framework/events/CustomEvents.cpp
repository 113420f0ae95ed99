#include "framework/events/CustomEvents.h"

#include "classlib/Classes.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidCustomEvents, classlib::TComponent)

void TzidCustomEvents::ConnectToVersion(IUnknown *Source, const std::wstring & /*HostVersion*/) {
    ConnectTo(Source);
}

void TzidCustomEvents::DoInvoke(DISPID /*DispID*/, std::vector<classlib::OleVariant> & /*Params*/) {}

} // namespace framework
