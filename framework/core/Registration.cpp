#include "framework/core/Registration.h"

#include "classlib/ComServer.h"
#include "classlib/Format.h"
#include "classlib/IniFile.h"
#include "classlib/OleString.h"
#include "classlib/TypeAttrs.h"

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

} // namespace

bool IsPerUserRegistration() {
    const std::wstring iniName = ChangeFileExt(classlib::ComServer().ServerFileName(), L".ini");
    if (GetFileAttributesW(iniName.c_str()) == INVALID_FILE_ATTRIBUTES)
        return false;
    classlib::TIniFile ini(iniName);
    return classlib::UpperCase(ini.ReadString(L"CONFIG", L"PRIVILEGES", L"")) == L"USER";
}

void UpdateFactoryRegistry(classlib::TComObjectFactory &Factory, bool Register) {
    if (Factory.Instancing() == classlib::ciInternal)
        return;
    auto *typed = dynamic_cast<classlib::TTypedComObjectFactory *>(&Factory);
    auto *addIn = dynamic_cast<TzidFactory *>(&Factory);
    if (Register) {
        UpdateClassKeysPerUser(Factory, true);
        if (typed)
            UpdateTypeLibKeysPerUser(*typed, true);
        if (addIn)
            addIn->UpdateRegistry(true);
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

} // namespace framework
