// InfoPath's Application. Its events come from a separate object, the one its Events property
// answers, and the framework reaches that property by name or through the interface's method table
// (the 27th entry, counting IUnknown's and IDispatch's seven); so the object QueryInterface answers
// for InfoPath's _Application3 {096CD72E-...} carries _Application3's method table, in its
// published order. The entries the simulation has no use for answer E_NOTIMPL.
#pragma once
#include <oaidl.h>

#include "hostsim/OtherHosts.h"

namespace hostsim {

// _Application3's method table: _Application, then _Application2, then its own.
struct IInfoPathApplication3 : public IDispatch {
    virtual HRESULT STDMETHODCALLTYPE get_Name(BSTR *name) = 0;                       // 7
    virtual HRESULT STDMETHODCALLTYPE get_Windows(IDispatch **windows) = 0;           // 8
    virtual HRESULT STDMETHODCALLTYPE get_XDocuments(IDispatch **documents) = 0;      // 9
    virtual HRESULT STDMETHODCALLTYPE get_ActiveWindow(IDispatch **window) = 0;       // 10
    virtual HRESULT STDMETHODCALLTYPE get_Version(BSTR *version) = 0;                 // 11
    virtual HRESULT STDMETHODCALLTYPE get_LanguageSettings(IDispatch **settings) = 0; // 12
    virtual HRESULT STDMETHODCALLTYPE FormatString(VARIANT input, BSTR category, BSTR options,
                                                   BSTR *result) = 0;                     // 13
    virtual HRESULT STDMETHODCALLTYPE Quit(VARIANT_BOOL force) = 0;                       // 14
    virtual HRESULT STDMETHODCALLTYPE NewADODBRecordset(IDispatch **recordset) = 0;       // 15
    virtual HRESULT STDMETHODCALLTYPE NewADODBConnection(IDispatch **connection) = 0;     // 16
    virtual HRESULT STDMETHODCALLTYPE get_User(IDispatch **user) = 0;                     // 17
    virtual HRESULT STDMETHODCALLTYPE RegisterSolution(BSTR solution, BSTR behavior) = 0; // 18
    virtual HRESULT STDMETHODCALLTYPE UnregisterSolution(BSTR solution) = 0;              // 19
    virtual HRESULT STDMETHODCALLTYPE CacheSolution(BSTR solution) = 0;                   // 20
    virtual HRESULT STDMETHODCALLTYPE get_MachineOnlineState(long *state) = 0;            // 21
    virtual HRESULT STDMETHODCALLTYPE IsDestinationReachable(BSTR destination,
                                                             VARIANT_BOOL *reachable) = 0; // 22
    virtual HRESULT STDMETHODCALLTYPE get_UsableWidth(long *width) = 0;                    // 23
    virtual HRESULT STDMETHODCALLTYPE get_UsableHeight(long *height) = 0;                  // 24
    virtual HRESULT STDMETHODCALLTYPE get_COMAddIns(IDispatch **addIns) = 0;               // 25
    virtual HRESULT STDMETHODCALLTYPE get_Events(IDispatch **events) = 0;                  // 26
    virtual HRESULT STDMETHODCALLTYPE GetSolutionURI(BSTR solution, BSTR *uri) = 0;        // 27
};

} // namespace hostsim

__CRT_UUID_DECL(hostsim::IInfoPathApplication3, 0x096CD72E, 0x0786, 0x11D1, 0x95, 0xFA, 0x00, 0x80, 0xC7,
                0x8E, 0xE3, 0xBB)

namespace hostsim {

// The object InfoPath's Events property answers: the source of its application events.
class SimInfoPathEvents : public SimDispObject<> {
public:
    explicit SimInfoPathEvents(SimWorld &world);
};

// Its identity is the method table: IUnknown, IDispatch and _Application3 answer the same pointer.
class SimInfoPathApplication : public SimUnknown<IInfoPathApplication3> {
public:
    SimInfoPathApplication(SimWorld &world, OtherHost &host, SimInfoPathEvents *events);

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo **info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID lcid,
                                            DISPID *ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                                     VARIANT *result, EXCEPINFO *excepInfo, UINT *argErr) override;

    HRESULT STDMETHODCALLTYPE get_Name(BSTR *name) override;
    HRESULT STDMETHODCALLTYPE get_Windows(IDispatch **windows) override;
    HRESULT STDMETHODCALLTYPE get_XDocuments(IDispatch **documents) override;
    HRESULT STDMETHODCALLTYPE get_ActiveWindow(IDispatch **window) override;
    HRESULT STDMETHODCALLTYPE get_Version(BSTR *version) override;
    HRESULT STDMETHODCALLTYPE get_LanguageSettings(IDispatch **settings) override;
    HRESULT STDMETHODCALLTYPE FormatString(VARIANT input, BSTR category, BSTR options, BSTR *result) override;
    HRESULT STDMETHODCALLTYPE Quit(VARIANT_BOOL force) override;
    HRESULT STDMETHODCALLTYPE NewADODBRecordset(IDispatch **recordset) override;
    HRESULT STDMETHODCALLTYPE NewADODBConnection(IDispatch **connection) override;
    HRESULT STDMETHODCALLTYPE get_User(IDispatch **user) override;
    HRESULT STDMETHODCALLTYPE RegisterSolution(BSTR solution, BSTR behavior) override;
    HRESULT STDMETHODCALLTYPE UnregisterSolution(BSTR solution) override;
    HRESULT STDMETHODCALLTYPE CacheSolution(BSTR solution) override;
    HRESULT STDMETHODCALLTYPE get_MachineOnlineState(long *state) override;
    HRESULT STDMETHODCALLTYPE IsDestinationReachable(BSTR destination, VARIANT_BOOL *reachable) override;
    HRESULT STDMETHODCALLTYPE get_UsableWidth(long *width) override;
    HRESULT STDMETHODCALLTYPE get_UsableHeight(long *height) override;
    HRESULT STDMETHODCALLTYPE get_COMAddIns(IDispatch **addIns) override;
    HRESULT STDMETHODCALLTYPE get_Events(IDispatch **events) override;
    HRESULT STDMETHODCALLTYPE GetSolutionURI(BSTR solution, BSTR *uri) override;

private:
    void OnDisconnect() noexcept override;
    HRESULT Object(const wchar_t *member, SimObject *object, IDispatch **result);

    OtherHost *host_;
    SimInfoPathEvents *events_;
    SimDispatchTable table_; // its members by name: the library has no ids for them
};

} // namespace hostsim
