#include "framework/events/WordEvents.h"

#include "classlib/Classes.h"

namespace framework {

ZID_DEFINE_APP_EVENTS(TzidWordAppEvents, ZID_WORD_EVENTS, DIID_WordApplication, DIID_WordApplicationEvents4)

void TzidWordAppEvents::ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) {
    SetEventIID(HostVersion == L"9"    ? DIID_WordApplicationEvents2
                : HostVersion == L"10" ? DIID_WordApplicationEvents3
                                       : DIID_WordApplicationEvents4);
    ConnectTo(Source);
}

} // namespace framework
