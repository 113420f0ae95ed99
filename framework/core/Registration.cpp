#include "framework/core/Registration.h"

#include <algorithm>
#include <cstring>

#include "classlib/ComGuard.h"
#include "classlib/ComServer.h"
#include "classlib/Format.h"
#include "classlib/IniFile.h"
#include "classlib/OleString.h"
#include "classlib/Registry.h"
#include "classlib/Trace.h"
#include "classlib/TypeAttrs.h"
#include "framework/core/ModuleErrors.h"
#include "framework/support/KernelHandles.h"

namespace framework {

namespace {

const classlib::TClassesRoot &PerUserClasses() {
    static const classlib::TClassesRoot root(HKEY_CURRENT_USER, L"Software\\Classes");
    return root;
}

std::wstring ClassKey(const classlib::TComObjectFactory &factory) {
    return L"CLSID\\" + classlib::GUIDToString(factory.ClassID());
}

std::wstring ChangeFileExt(const std::wstring &fileName, const std::wstring &extension) {
    size_t dot = fileName.find_last_of(L".\\:");
    if (dot == std::wstring::npos || fileName[dot] != L'.')
        return fileName + extension;
    return fileName.substr(0, dot) + extension;
}

// A server path with a blank is written in its short form, for hosts that split the value at blanks.
std::wstring InprocServerPath(const std::wstring &fileName) {
    if (fileName.find(L' ') == std::wstring::npos)
        return fileName;
    std::wstring shortName(MAX_PATH, L'\0');
    DWORD length =
        GetShortPathNameW(fileName.c_str(), shortName.data(), static_cast<DWORD>(shortName.size()));
    if (length > shortName.size()) {
        shortName.resize(length);
        length = GetShortPathNameW(fileName.c_str(), shortName.data(), length);
    }
    if (length == 0 || length > shortName.size())
        return fileName; // no short names on this volume: the long one is still valid
    shortName.resize(length);
    return shortName;
}

// The first bytes of a file (none when it cannot be read).
std::string FileStart(const std::wstring &fileName) {
    TKernelHandle file(CreateFileW(fileName.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes(0x10000, '\0');
    DWORD read = 0;
    if (!file || !ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        read = 0;
    bytes.resize(read);
    return bytes;
}

// True for an ini line "PRIVILEGES = ...", in any letter case.
bool SetsPrivileges(const std::string &line) {
    const char *key = "PRIVILEGES";
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || _strnicmp(line.c_str() + start, key, strlen(key)) != 0)
        return false;
    const size_t equals = line.find_first_not_of(" \t", start + strlen(key));
    return equals != std::string::npos && line[equals] == '=';
}

// What in an ini file keeps the profile reader from seeing what its author meant, for the trace of an
// ini file that did not ask for a per-user registration.
std::wstring IniFileHints(const std::wstring &iniName) {
    const std::string bytes = FileStart(iniName);
    std::wstring hints;
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0)
        hints += L"; it starts with a UTF-8 byte-order mark";
    const bool utf16 = bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0;
    auto control = [](unsigned char c) { return c < 0x20 && c != '\t' && c != '\r' && c != '\n'; };
    if (!utf16 && std::any_of(bytes.begin(), bytes.end(), control))
        hints += L"; it holds binary content";
    int settings = 0;
    for (size_t line = 0; line < bytes.size();) {
        const size_t end = std::min(bytes.find('\n', line), bytes.size());
        if (SetsPrivileges(bytes.substr(line, end - line)))
            ++settings;
        line = end + 1;
    }
    if (settings > 1)
        hints += classlib::Format(L"; it sets PRIVILEGES %d times, and the first one counts", {settings});
    return hints;
}

// A value no ini line can hold: what the profile reader answers for a key that is not there.
constexpr const wchar_t *kNoValue = L"\n";

} // namespace

bool IsPerUserRegistration() {
    const std::wstring iniName = ChangeFileExt(classlib::ComServer().ServerFileName(), L".ini");
    if (GetFileAttributesW(iniName.c_str()) == INVALID_FILE_ATTRIBUTES) {
        classlib::Trace(L"Registration", L"Registering machine-wide: there is no " + iniName);
        return false;
    }
    classlib::TIniFile ini(iniName);
    const std::wstring value = ini.ReadString(L"CONFIG", L"PRIVILEGES", kNoValue);
    const bool perUser = classlib::UpperCase(value) == L"USER";
    if (perUser)
        classlib::Trace(L"Registration", L"Registering per user, as " + iniName + L" asks");
    else
        classlib::Trace(L"Registration",
                        L"Registering machine-wide: " + iniName +
                            (value == kNoValue ? L" has no PRIVILEGES in its [CONFIG] section"
                                               : L" gives [CONFIG] PRIVILEGES '" + value + L"', not USER") +
                            IniFileHints(iniName));
    return perUser;
}

HRESULT UpdateServerRegistry(bool Register) noexcept {
    bool perUser = false;
    try {
        perUser = IsPerUserRegistration();
    } catch (...) {
        classlib::TraceException(L"Registration", L"Reading the ini file beside the library");
    }
    if (perUser) {
        PerUserRegistration = true;
        HRESULT hr = classlib::ComGuard([Register] {
            for (classlib::TComObjectFactory *factory : classlib::ComServer().Factories())
                UpdateFactoryRegistry(*factory, Register);
        });
        if (SUCCEEDED(hr) || !Register || hr == ZidErrorHResult(zidErrRegistrationCanceled))
            return hr;
        // Machine-wide, the class keys too: with the flag left set they would be skipped.
        PerUserRegistration = false;
        classlib::TraceHResult(L"Registration", L"The per-user registration failed, registering machine-wide",
                               hr);
    }
    return Register ? classlib::ComServerRegister() : classlib::ComServerUnregister();
}

void UpdateFactoryRegistry(classlib::TComObjectFactory &Factory, bool Register) {
    if (Factory.Instancing() == classlib::ciInternal)
        return;
    auto *typed = dynamic_cast<classlib::TTypedComObjectFactory *>(&Factory);
    auto *addIn = dynamic_cast<TzidFactory *>(&Factory);
    if (Register) {
        // A Cancel of the close-hosts question leaves nothing written, not even the class keys.
        if (addIn)
            addIn->AskToCloseHosts();
        UpdateClassKeysPerUser(Factory, true);
        if (typed)
            UpdateTypeLibKeysPerUser(*typed, true);
        if (addIn)
            addIn->UpdateRegistryKeys(true);
    } else {
        if (addIn)
            addIn->UpdateRegistry(false);
        if (typed)
            UpdateTypeLibKeysPerUser(*typed, false);
        UpdateClassKeysPerUser(Factory, false);
    }
}

void UpdateClassKeysPerUser(classlib::TComObjectFactory &Factory, bool Register) {
    const classlib::TClassesRoot &root = PerUserClasses();
    const std::wstring classKey = ClassKey(Factory);
    const std::wstring &progID = Factory.ProgID();
    if (Register) {
        root.WriteString(classKey, L"", Factory.Description());
        const std::wstring serverKey = classKey + L"\\InprocServer32";
        root.WriteString(serverKey, L"", InprocServerPath(Factory.ComServer().ServerFileName()));
        if (Factory.ThreadingModel() != classlib::tmSingle)
            root.WriteString(serverKey, L"ThreadingModel", Factory.ThreadingModelName());
        if (!progID.empty()) {
            root.WriteString(progID, L"", Factory.Description());
            root.WriteString(progID + L"\\Clsid", L"", classlib::GUIDToString(Factory.ClassID()));
            root.WriteString(classKey + L"\\ProgID", L"", progID);
        }
    } else {
        if (!progID.empty()) {
            root.DeleteKey(classKey + L"\\ProgID");
            root.DeleteKey(progID + L"\\Clsid");
            root.DeleteKey(progID);
        }
        root.DeleteKey(classKey + L"\\InprocServer32");
        root.DeleteKey(classKey);
    }
}

void UpdateTypeLibKeysPerUser(classlib::TTypedComObjectFactory &Factory, bool Register) {
    const classlib::TClassesRoot &root = PerUserClasses();
    const std::wstring classKey = ClassKey(Factory);
    if (!Register) {
        root.DeleteKey(classKey + L"\\TypeLib");
        root.DeleteKey(classKey + L"\\Version");
        return;
    }
    ITypeLib *typeLib = Factory.ComServer().TypeLib();
    classlib::TLibAttrHolder attr(typeLib);
    root.WriteString(classKey + L"\\Version", L"",
                     classlib::Format(L"%d.%d", {static_cast<int>(attr->wMajorVerNum),
                                                 static_cast<int>(attr->wMinorVerNum)}));
    root.WriteString(classKey + L"\\TypeLib", L"", classlib::GUIDToString(attr->guid));
}

void RemovePerUserClassKeys(classlib::TTypedComObjectFactory &Factory) {
    const classlib::TClassesRoot &root = PerUserClasses();
    classlib::TRegistry reg(KEY_READ);
    reg.SetRootKey(root.Root());
    const std::wstring classKey = root.Path(ClassKey(Factory));
    const std::wstring progIDKey = root.Path(Factory.ProgID());
    if (!reg.KeyExists(classKey) && (Factory.ProgID().empty() || !reg.KeyExists(progIDKey)))
        return;
    classlib::Trace(L"Registration", L"Removing the per-user class keys " + classKey + L" and " + progIDKey +
                                         L", which would hide the machine-wide registration");
    UpdateTypeLibKeysPerUser(Factory, false);
    UpdateClassKeysPerUser(Factory, false);
}

} // namespace framework
