// One add-in's ribbon as Office runs it. Office asks for the document of a ribbon kind (an id such
// as "Microsoft.Outlook.Mail.Read") once, when the first window of that kind opens, and hands the
// document's onLoad callback that kind's IRibbonUI; then, for every window of the kind, it asks
// every get callback of every control, with an IRibbonControl that carries the control's id and
// tag and the window as its Context. A click calls onAction. When the add-in invalidates controls
// through its IRibbonUI, Office asks their callbacks again.
#pragma once
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "classlib/OleVariant.h"
#include "hostsim/RibbonControlObject.h"
#include "hostsim/RibbonUIObject.h"
#include "officesim/AddIn.h"
#include "officesim/HostDriver.h"
#include "officesim/RibbonDocument.h"

namespace officesim {

class AddInRibbon {
public:
    AddInRibbon(AddIn &addIn, hostsim::SimWorld &world, int version, Transcript &transcript);
    AddInRibbon(const AddInRibbon &) = delete;
    AddInRibbon &operator=(const AddInRibbon &) = delete;

    // GetCustomUI, the document's check, onLoad and loadImage; once per ribbon kind.
    void Load(const std::wstring &ribbonId);
    bool Loaded(const std::wstring &ribbonId) const { return kinds_.count(ribbonId) != 0; }
    // Every get callback of the kind's document for window.
    void Query(const HostWindow &window);
    // The window closed: its controls go.
    void Forget(const std::wstring &windowName);
    // Whether window's document (with the dynamic menus fetched so far) has a control of that id.
    bool Has(const std::wstring &ribbonId, const std::wstring &controlId) const;
    // A user's click on a control of window; raises EScriptError for a control no user can click.
    void Click(const HostWindow &window, const std::wstring &controlId);
    // Answers what the add-in asked of its IRibbonUI objects since the last time: the callbacks of
    // the invalidated controls are asked again in every open window of the kind.
    void Refresh(const std::vector<HostWindow> &open);

private:
    struct Kind {
        std::optional<RibbonDocument> document;
        hostsim::RibbonUIObject *ui = nullptr;
        std::map<std::wstring, RibbonDocument> menus; // dynamic menus' content, by the menu's id
    };

    // One callback call, written to the transcript; the answer when it succeeded.
    std::optional<classlib::OleVariant> Ask(const std::wstring &label, const std::wstring &callback,
                                            const std::vector<classlib::OleVariant> &args);
    // false when the control names no get callback.
    bool QueryControl(const HostWindow &window, Kind &kind, const RibbonControl &control, int depth);
    void QueryItems(const HostWindow &window, const RibbonControl &control, IDispatch *ribbonControl,
                    int count);
    void QueryContent(const HostWindow &window, Kind &kind, const RibbonControl &control,
                      IDispatch *ribbonControl, int depth);
    IDispatch *ControlObject(const HostWindow &window, const RibbonControl &control);
    const RibbonControl *FindControl(const Kind &kind, const std::wstring &controlId) const;
    void RequeryAll(const std::vector<HostWindow> &open, const std::wstring &ribbonId, Kind &kind,
                    const std::vector<std::wstring> &ids, bool all);

    AddIn &addIn_;
    hostsim::SimWorld &world_;
    int version_;
    Transcript &transcript_;
    std::map<std::wstring, Kind> kinds_;
    // By "window|control": the control objects handed out, and the answers of getPressed,
    // getEnabled and getVisible (a user cannot click a disabled or hidden control).
    std::map<std::wstring, hostsim::RibbonControlObject *> controls_;
    std::map<std::wstring, bool> pressed_, enabled_, visible_;
};

} // namespace officesim
