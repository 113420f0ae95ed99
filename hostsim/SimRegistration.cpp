#include "hostsim/SimRegistration.h"

#include <winternl.h>

#include <cwctype>
#include <map>

#include "classlib/ComGuard.h"
#include "classlib/Exceptions.h"
#include "classlib/OleString.h"

// The native registry calls the ProgID keys are written with (ntdll has them; the SDK headers here
// declare only NtClose).
extern "C" {
NTSTATUS NTAPI NtCreateKey(PHANDLE key, ACCESS_MASK access, POBJECT_ATTRIBUTES attributes, ULONG titleIndex,
                           PUNICODE_STRING keyClass, ULONG options, PULONG disposition);
NTSTATUS NTAPI NtOpenKey(PHANDLE key, ACCESS_MASK access, POBJECT_ATTRIBUTES attributes);
NTSTATUS NTAPI NtSetValueKey(HANDLE key, PUNICODE_STRING name, ULONG titleIndex, ULONG type, PVOID data,
                             ULONG size);
NTSTATUS NTAPI NtDeleteKey(HANDLE key);
}

namespace hostsim {

using classlib::ComPtr;

namespace {

std::wstring Upper(std::wstring text) {
    for (auto &c : text)
        c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

// A key of the machine's classes, opened past any redirection of the predefined keys.
class MachineClassesKey {
public:
    // path: relative to the classes key ("Word.Application\CLSID").
    MachineClassesKey(const std::wstring &path, bool create) {
        std::wstring full = L"\\Registry\\Machine\\Software\\Classes\\" + path;
        UNICODE_STRING name;
        RtlInitUnicodeString(&name, full.c_str());
        OBJECT_ATTRIBUTES attributes;
        InitializeObjectAttributes(&attributes, &name, OBJ_CASE_INSENSITIVE, nullptr, nullptr);
        ULONG disposition = 0;
        NTSTATUS status =
            create ? NtCreateKey(&handle_, KEY_ALL_ACCESS, &attributes, 0, nullptr, 0, &disposition)
                   : NtOpenKey(&handle_, KEY_ALL_ACCESS, &attributes);
        if (status < 0)
            handle_ = nullptr;
        created_ = disposition == REG_CREATED_NEW_KEY;
    }
    ~MachineClassesKey() {
        if (handle_)
            NtClose(handle_);
    }
    MachineClassesKey(const MachineClassesKey &) = delete;
    MachineClassesKey &operator=(const MachineClassesKey &) = delete;

    bool Open() const noexcept { return handle_ != nullptr; }
    bool Created() const noexcept { return created_; }
    bool SetDefault(const std::wstring &text) {
        UNICODE_STRING name = {0, 0, nullptr};
        return NtSetValueKey(handle_, &name, 0, REG_SZ, const_cast<wchar_t *>(text.c_str()),
                             static_cast<ULONG>((text.size() + 1) * sizeof(wchar_t))) >= 0;
    }
    void Delete() {
        if (handle_)
            NtDeleteKey(handle_);
    }

private:
    HANDLE handle_ = nullptr;
    bool created_ = false;
};

struct KeyUse {
    int count = 0;
    bool created = false; // the ProgID key did not exist before: it goes with the last use
};
std::map<std::wstring, KeyUse> &KeyUses() {
    static std::map<std::wstring, KeyUse> uses;
    return uses;
}

// The class object of one host class: hands out what the registration's creator returns.
class SimClassFactory : public IClassFactory {
public:
    explicit SimClassFactory(ClassRegistration::Creator create) : create_(std::move(create)) {}

    int created = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IClassFactory))
            return E_NOINTERFACE;
        *ppv = static_cast<IClassFactory *>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++refCount_); }
    ULONG STDMETHODCALLTYPE Release() override {
        LONG count = --refCount_;
        if (count == 0)
            delete this;
        return static_cast<ULONG>(count);
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown *outer, REFIID riid, void **ppv) override {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        if (outer != nullptr)
            return CLASS_E_NOAGGREGATION;
        return classlib::ComGuard([&]() -> HRESULT {
            ComPtr<IUnknown> object = create_();
            if (!object)
                return E_FAIL;
            HRESULT hr = object->QueryInterface(riid, ppv);
            if (SUCCEEDED(hr))
                ++created;
            return hr;
        });
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    virtual ~SimClassFactory() = default;
    ClassRegistration::Creator create_;
    LONG refCount_ = 0;
};

} // namespace

const std::vector<SimHostClass> &SimHostClasses() {
    static const std::vector<SimHostClass> classes = {
        {L"Excel.Application",
         {0x755de057, 0xfe57, 0x460d, {0xbd, 0x0b, 0x6e, 0x41, 0x54, 0xca, 0xbc, 0x11}}},
        {L"Word.Application", {0xf850417e, 0x07f8, 0x4981, {0xa3, 0x06, 0x80, 0xe3, 0xa8, 0xc7, 0x01, 0xed}}},
        {L"Outlook.Application",
         {0x0cd70534, 0xa0c7, 0x408f, {0x97, 0x97, 0x29, 0xc3, 0x9a, 0x5a, 0x0c, 0xf0}}},
        {L"PowerPoint.Application",
         {0x80369845, 0xb692, 0x4e23, {0x8e, 0x43, 0x2b, 0xf9, 0x0a, 0xf8, 0xea, 0x77}}},
        {L"Access.Application",
         {0x7d29d5bf, 0x2884, 0x4e38, {0xb4, 0x01, 0x85, 0x3f, 0x27, 0x23, 0x40, 0x6c}}},
        {L"MSProject.Application",
         {0x36d27c48, 0xa1e8, 0x11d3, {0xba, 0x55, 0x00, 0xc0, 0x4f, 0x72, 0xf3, 0x25}}},
        {L"FrontPage.Application",
         {0x775a0665, 0x4ab7, 0x4fe6, {0x9c, 0x59, 0x16, 0x18, 0xe6, 0xa4, 0x95, 0x91}}},
        {L"MapPoint.Application",
         {0xf1181358, 0x3513, 0x4741, {0xbe, 0x0d, 0xbd, 0xee, 0x98, 0x96, 0x84, 0x79}}},
        {L"Visio.Application",
         {0x37f84917, 0x8b92, 0x42db, {0xb7, 0x34, 0x2e, 0xa4, 0x2f, 0x92, 0x99, 0xfe}}},
        {L"Visio.InvisibleApp",
         {0x3fe0a904, 0xb364, 0x4038, {0xb4, 0x41, 0x4d, 0x03, 0x5c, 0xfa, 0xe6, 0x6d}}},
        {L"Publisher.Application",
         {0x2d3b662a, 0x657e, 0x45e8, {0xa0, 0xf7, 0x57, 0x23, 0x10, 0xda, 0x39, 0xd1}}},
        {L"InfoPath.Application",
         {0x7b9ed44d, 0x8f76, 0x4556, {0xab, 0xbe, 0xc7, 0x96, 0x30, 0xce, 0xca, 0xc7}}},
    };
    return classes;
}

const CLSID &SimHostClassID(const std::wstring &progId) {
    for (const auto &c : SimHostClasses())
        if (_wcsicmp(c.progId, progId.c_str()) == 0)
            return c.clsid;
    throw classlib::EOleSysError(L"Not a host ProgID: " + progId, CO_E_CLASSSTRING);
}

ProgIDRegistration::ProgIDRegistration(const std::wstring &progId)
    : progId_(Upper(progId)), clsid_(SimHostClassID(progId)) {
    KeyUse &use = KeyUses()[progId_];
    if (use.count == 0) {
        MachineClassesKey key(progId, true);
        MachineClassesKey clsid(progId + L"\\CLSID", true);
        if (!key.Open() || !clsid.Open() || !clsid.SetDefault(classlib::GUIDToString(clsid_))) {
            if (key.Created()) {
                clsid.Delete();
                key.Delete();
            }
            KeyUses().erase(progId_);
            throw classlib::EOleSysError(L"The ProgID " + progId + L" cannot be registered", E_ACCESSDENIED);
        }
        use.created = key.Created();
    }
    ++use.count;
}

ProgIDRegistration::~ProgIDRegistration() {
    auto found = KeyUses().find(progId_);
    if (found == KeyUses().end() || --found->second.count > 0)
        return;
    if (found->second.created) {
        MachineClassesKey(progId_ + L"\\CLSID", false).Delete();
        MachineClassesKey(progId_, false).Delete();
    }
    KeyUses().erase(found);
}

ClassRegistration::ClassRegistration(const std::wstring &progId, Creator create)
    : keys_(progId), factory_(classlib::ComPtr<IClassFactory>::Copy(new SimClassFactory(std::move(create)))) {
    classlib::OleCheck(CoRegisterClassObject(keys_.Clsid(), factory_.Get(),
                                             CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                                             &cookie_));
}

ClassRegistration::~ClassRegistration() {
    CoRevokeClassObject(cookie_);
}

int ClassRegistration::Created() const noexcept {
    return static_cast<SimClassFactory *>(factory_.Get())->created;
}

ActiveObjectRegistration::ActiveObjectRegistration(const std::wstring &progId, IUnknown *application)
    : keys_(progId) {
    classlib::OleCheck(RegisterActiveObject(application, keys_.Clsid(), ACTIVEOBJECT_STRONG, &cookie_));
}

ActiveObjectRegistration::~ActiveObjectRegistration() {
    RevokeActiveObject(cookie_, nullptr);
}

} // namespace hostsim
