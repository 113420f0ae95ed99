#include "officesim/AddIn.h"

#include "classlib/OleString.h"
#include "classlib/SafeArray.h"
#include "officesim/CrashGuard.h"

using classlib::ComPtr;

namespace officesim {

namespace {

const wchar_t *ModeName(ext_DisconnectMode mode) {
    switch (mode) {
    case ext_dm_HostShutdown:
        return L"ext_dm_HostShutdown";
    case ext_dm_UserClosed:
        return L"ext_dm_UserClosed";
    default:
        return L"ext_dm_?";
    }
}

} // namespace

AddIn::AddIn(AddInEntry entry, Transcript &transcript) : entry_(std::move(entry)), transcript_(transcript) {}

bool AddIn::Report(HRESULT hr, const std::wstring &call, REFIID iid, double milliseconds) {
    if (SUCCEEDED(hr)) {
        transcript_.Line(ProgId() + L": " + call + L" -> " + HResultText(hr) + L" (" + MsText(milliseconds) +
                         L")");
        return true;
    }
    std::wstring text =
        ProgId() + L": " + call + L" returned " +
        CallErrorText(hr, extensibility_ ? static_cast<IUnknown *>(extensibility_.Get()) : nullptr, iid);
    std::wstring note = SeriousExceptionNote();
    if (!note.empty())
        text += L" (" + note + L" inside the call)";
    transcript_.Failure(text);
    return false;
}

bool AddIn::Create() {
    Activity activity(L"creating " + ProgId());
    HRESULT hr = CLSIDFromProgID(ProgId().c_str(), &clsid_);
    if (FAILED(hr)) {
        transcript_.Failure(ProgId() + L": CLSIDFromProgID returned " + HResultText(hr) +
                            L": no class is registered under this ProgID");
        return false;
    }
    const std::wstring classId = classlib::GUIDToString(clsid_);
    dllPath_ = InprocServerPath(clsid_);
    const std::wstring server = dllPath_.empty() ? L"no InprocServer32 entry" : dllPath_;
    Stopwatch watch;
    ComPtr<IUnknown> object;
    hr = CoCreateInstance(clsid_, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.PutVoid());
    if (FAILED(hr)) {
        std::wstring note = SeriousExceptionNote();
        transcript_.Failure(ProgId() + L": CoCreateInstance(" + classId +
                            L", CLSCTX_INPROC_SERVER) returned " + HResultText(hr) + L" (" + server + L")" +
                            (note.empty() ? L"" : L" (" + note + L" inside the call)"));
        return false;
    }
    transcript_.Line(ProgId() + L": created " + classId + L" from " + server + L" (" +
                     MsText(watch.Milliseconds()) + L")");
    extensibility_ = object.TryAs<IDTExtensibility2>();
    if (!extensibility_) {
        transcript_.Failure(ProgId() + L": the object has no IDTExtensibility2, so Office cannot connect it");
        return false;
    }
    ribbon_ = object.TryAs<IRibbonExtensibility>();
    dispatch_ = object.TryAs<IDispatch>(IID_IDispatch);
    return true;
}

bool AddIn::Connect(IDispatch *application, IDispatch *addInInst) {
    Activity activity(L"OnConnection of " + ProgId());
    classlib::TSafeArray custom(VT_VARIANT, 0);
    SAFEARRAY *array = custom.Get();
    SetErrorInfo(0, nullptr);
    Stopwatch watch;
    HRESULT hr = extensibility_->OnConnection(application, ext_cm_Startup, addInInst, &array);
    connected_ = Report(hr, L"OnConnection(Application, ext_cm_Startup, AddInInst, custom)",
                        IID_IDTExtensibility2, watch.Milliseconds());
    return connected_;
}

bool AddIn::StartupComplete() {
    Activity activity(L"OnStartupComplete of " + ProgId());
    classlib::TSafeArray custom(VT_VARIANT, 0);
    SAFEARRAY *array = custom.Get();
    SetErrorInfo(0, nullptr);
    Stopwatch watch;
    HRESULT hr = extensibility_->OnStartupComplete(&array);
    return Report(hr, L"OnStartupComplete(custom)", IID_IDTExtensibility2, watch.Milliseconds());
}

bool AddIn::TaskPaneFactoryAvailable(ICTPFactory *factory) {
    ComPtr<ICustomTaskPaneConsumer> consumer =
        extensibility_ ? extensibility_.TryAs<ICustomTaskPaneConsumer>() : nullptr;
    if (!consumer)
        return true;
    Activity activity(L"CTPFactoryAvailable of " + ProgId());
    SetErrorInfo(0, nullptr);
    Stopwatch watch;
    HRESULT hr = consumer->CTPFactoryAvailable(factory);
    return Report(hr, L"CTPFactoryAvailable(CTPFactoryInst)", __uuidof(ICustomTaskPaneConsumer),
                  watch.Milliseconds());
}

bool AddIn::BeginShutdown() {
    Activity activity(L"OnBeginShutdown of " + ProgId());
    classlib::TSafeArray custom(VT_VARIANT, 0);
    SAFEARRAY *array = custom.Get();
    SetErrorInfo(0, nullptr);
    Stopwatch watch;
    HRESULT hr = extensibility_->OnBeginShutdown(&array);
    return Report(hr, L"OnBeginShutdown(custom)", IID_IDTExtensibility2, watch.Milliseconds());
}

bool AddIn::Disconnect(ext_DisconnectMode mode) {
    Activity activity(L"OnDisconnection of " + ProgId());
    classlib::TSafeArray custom(VT_VARIANT, 0);
    SAFEARRAY *array = custom.Get();
    SetErrorInfo(0, nullptr);
    connected_ = false;
    Stopwatch watch;
    HRESULT hr = extensibility_->OnDisconnection(mode, &array);
    return Report(hr, std::wstring(L"OnDisconnection(") + ModeName(mode) + L", custom)",
                  IID_IDTExtensibility2, watch.Milliseconds());
}

void AddIn::Release() {
    Activity activity(L"releasing " + ProgId());
    connected_ = false;
    dispatch_ = nullptr;
    ribbon_ = nullptr;
    extensibility_ = nullptr;
}

} // namespace officesim
