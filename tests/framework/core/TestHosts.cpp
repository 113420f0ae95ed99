#include "TestHosts.h"

#include "classlib/OleString.h"

using classlib::OleVariant;

namespace coretest {

SimBareApplication::SimBareApplication(hostsim::SimWorld &world, REFIID diid, std::wstring version)
    : SimDispObject(world, L"Application", diid), version_(std::move(version)) {
    try {
        OnGet(L"Version", [this] { return OleVariant(version_); });
    } catch (const classlib::EOleSysError &) {
        OnExtra(0x7F000100, L"Version", DISPATCH_PROPERTYGET, {}, 0,
                [this](hostsim::DispArgs &) { return OleVariant(version_); });
    }
    if (IsEqualIID(diid, DIID_AccessApplication))
        OnGet(L"CurrentProject", [this] { return hostsim::DispatchOf(project_); });
}

void SimBareApplication::AddObjectMethod(const std::wstring &name) {
    OnExtra(nextExtra_++, name, DISPATCH_METHOD, {VT_DISPATCH}, 1, [](hostsim::DispArgs &) { return OleVariant(); });
}

SimAccessProject::SimAccessProject(hostsim::SimWorld &world)
    : SimDispObject(world, L"CurrentProject", DIID_AccessCurrentProject) {
    OnGet(L"IsConnected", [this] { return OleVariant(IsConnected); });
    OnGet(L"Name", [this] { return OleVariant(ProjectName); });
}

SimCOMAddIn::SimCOMAddIn(hostsim::SimWorld &world) : SimDualObject(world, L"COMAddIn") {}

HRESULT SimCOMAddIn::get_Application(IDispatch **Application) {
    return Call(L"Application", {}, [&] { *Application = nullptr; });
}

HRESULT SimCOMAddIn::get_Creator(LONG *Creator) {
    return Call(L"Creator", {}, [&] { *Creator = 0x4D534F20; });
}

HRESULT SimCOMAddIn::get_Description(BSTR *Description) {
    return Call(L"Description", {}, [&] { *Description = classlib::AllocBStr(L"Test add-in"); });
}

HRESULT SimCOMAddIn::put_Description(BSTR) {
    return Call(L"Description", L"put", [] {});
}

HRESULT SimCOMAddIn::get_ProgId(BSTR *ProgId) {
    return Call(L"ProgId", {}, [&] { *ProgId = classlib::AllocBStr(L"TessaryCoreTest.CoreTestAddIn"); });
}

HRESULT SimCOMAddIn::get_Guid(BSTR *Guid) {
    return Call(L"Guid", {}, [&] { *Guid = classlib::AllocBStr(L""); });
}

HRESULT SimCOMAddIn::get_Connect(VARIANT_BOOL *Connect) {
    return Call(L"Connect", {}, [&] { *Connect = connect_ ? VARIANT_TRUE : VARIANT_FALSE; });
}

HRESULT SimCOMAddIn::put_Connect(VARIANT_BOOL Connect) {
    return Call(L"Connect", L"put", [&] { connect_ = Connect != VARIANT_FALSE; });
}

HRESULT SimCOMAddIn::get_Object(IDispatch **Object) {
    return Call(L"Object", {}, [&] { object_.CopyTo(Object); });
}

HRESULT SimCOMAddIn::put_Object(IDispatch *Object) {
    return Call(L"Object", L"put", [&] { object_ = Object; });
}

HRESULT SimCOMAddIn::get_Parent(IDispatch **Parent) {
    return Call(L"Parent", {}, [&] { *Parent = nullptr; });
}

} // namespace coretest
