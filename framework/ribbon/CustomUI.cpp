// GetCustomUI: the document of one ribbon id, from the module's tabs.
#include <vector>

#include "classlib/OleString.h"
#include "classlib/Trace.h"
#include "framework/core/AddInModule.h"
#include "framework/core/HandlerCall.h"
#include "framework/ribbon/CustomUIWriter.h"
#include "framework/ribbon/HostVersion.h"
#include "framework/ribbon/RibbonCommands.h"
#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/RibbonControls.h"
#include "framework/ribbon/RibbonEngine.h"
#include "framework/ribbon/RibbonTab.h"
#include "framework/ribbon/backstage/BackstageWriter.h"

namespace framework {

namespace {

[[noreturn]] void NotConnected() {
    throw classlib::EOleSysError(L"The add-in is not connected to a host.", E_UNEXPECTED);
}

// The host a ribbon id belongs to; the first text found anywhere in the id decides.
bool HostOfRibbonId(const std::wstring &RibbonID, TzidOfficeHostApp &Host) {
    static const struct {
        const wchar_t *Text;
        TzidOfficeHostApp Host;
    } hosts[] = {
        {L"Microsoft.Access.", ohaAccess},         {L"Microsoft.Excel.", ohaExcel},
        {L"Microsoft.PowerPoint.", ohaPowerPoint}, {L"Microsoft.Word.", ohaWord},
        {L"Microsoft.InfoPath.", ohaInfoPath},     {L"Microsoft.Publisher.", ohaPublisher},
        {L"Microsoft.Project.", ohaProject},       {L"Microsoft.Visio.", ohaVisio},
        {L"Microsoft.Outlook.", ohaOutlook},       {L"Microsoft.OMS.MMS", ohaOutlook},
        {L"Microsoft.OMS.SMS", ohaOutlook},
    };
    for (const auto &entry : hosts)
        if (RibbonID.find(entry.Text) != std::wstring::npos) {
            Host = entry.Host;
            return true;
        }
    return false;
}

// Every Outlook window kind: one Outlook process shows all of them, whichever asked first.
bool ForAnyOutlookWindow(TzidRibbons Ribbons, TzidRibbons2010 Ribbons2010) {
    for (int kind = msrOutlookMailRead; kind <= msrOutlookExplorer; ++kind)
        if (Ribbons.Contains(static_cast<TzidRibbon>(kind)))
            return true;
    for (int kind = msrOutlookExplorer2010; kind <= msrOutlookMMSCompose2010; ++kind)
        if (Ribbons2010.Contains(static_cast<TzidRibbon2010>(kind)))
            return true;
    return false;
}

// Later callbacks find only what this host can show.
void PruneRibbonIds(TzidCOMAddInModule &Module, const std::wstring &RibbonID) {
    classlib::TStringList &ids = Module.RibbonIds();
    const bool outlook = Module.HostType() == ohaOutlook;
    for (int i = ids.Count() - 1; i >= 0; --i) {
        TzidRibbons ribbons;
        TzidRibbons2010 ribbons2010;
        if (IzidRibbonControlInternal *node = AsRibbonNode(ids.Objects(i))) {
            ribbons = node->Ribbons();
            ribbons2010 = node->Ribbons2010();
        }
        bool keep =
            outlook ? ForAnyOutlookWindow(ribbons, ribbons2010) : IsForRibbon(RibbonID, ribbons, ribbons2010);
        if (!keep)
            ids.Delete(i);
    }
}

// Whether the document needs what only the 2009 namespace has: a separator in a button group, or a
// group that scales or centres its controls.
bool NeedsNamespace2009(TzidCOMAddInModule &Module, const std::wstring &RibbonID) {
    const classlib::TStringList &ids = Module.RibbonIds();
    for (int i = 0; i < ids.Count(); ++i) {
        classlib::TObject *object = ids.Objects(i);
        if (auto *separator = dynamic_cast<TzidRibbonSeparator *>(object)) {
            if (dynamic_cast<TzidRibbonButtonGroup *>(separator->ParentControl()) != nullptr &&
                IsForRibbon(RibbonID, separator->Ribbons(), separator->Ribbons2010()))
                return true;
        } else if (auto *group = dynamic_cast<TzidRibbonGroup *>(object)) {
            if ((group->AutoScale() || group->CenterVertically()) &&
                IsForRibbon(RibbonID, group->Ribbons(), group->Ribbons2010()))
                return true;
        }
    }
    return false;
}

// Hosts from version 14 on read both namespaces; the 2006 one is taken unless the document needs
// more (a Backstage view exists in the 2009 one only), so that it reads the same in every ribbon host.
void ChooseNamespace(TzidCOMAddInModule &Module, const std::wstring &RibbonID) {
    int version = Module.OfficeVersion();
    if (version == 12)
        Module.SetCustomUINamespace(zidCustomUINamespace2006);
    else if (version >= 14)
        Module.SetCustomUINamespace(NeedsNamespace2009(Module, RibbonID) || WritesBackstage(Module, RibbonID)
                                        ? zidCustomUINamespace2009
                                        : zidCustomUINamespace2006);
}

// Opens the "ribbon" element on first need.
class TRibbonElement {
public:
    TRibbonElement(TzidXMLHelper &Writer, bool StartFromScratch)
        : writer_(Writer), scratch_(StartFromScratch) {}
    void Open() {
        if (open_)
            return;
        writer_.OpenElement(L"ribbon");
        if (scratch_)
            writer_.AddAttribute(L"startFromScratch", L"true");
        open_ = true;
    }
    void Close() {
        if (open_)
            writer_.CloseElement(L"ribbon");
    }

private:
    TzidXMLHelper &writer_;
    bool scratch_;
    bool open_ = false;
};

void WriteTabs(TzidCOMAddInModule &Module, TzidXMLHelper &Writer, const std::wstring &RibbonID) {
    bool opened = false;
    for (TzidRibbonTab *tab : Module.RibbonTabs()) {
        if (!opened && IsForRibbon(RibbonID, tab->Ribbons(), tab->Ribbons2010())) {
            Writer.OpenElement(L"tabs");
            opened = true;
        }
        WriteRibbonControl(Module, Writer, *tab, RibbonID, 0);
    }
    if (opened)
        Writer.CloseElement(L"tabs");
}

// The tab set's idMso is the Context without its host prefix ("Word.TabSetTableTools").
std::wstring TabSetId(const std::wstring &Context) {
    size_t dot = Context.find(L'.');
    return dot == std::wstring::npos ? Context : Context.substr(dot + 1);
}

void WriteContextualTabs(TzidCOMAddInModule &Module, TzidXMLHelper &Writer, const std::wstring &RibbonID) {
    std::vector<TzidRibbonTab *> tabs;
    for (TzidRibbonTab *tab : Module.ContextualTabs()) {
        if (IsForRibbon(RibbonID, tab->Ribbons(), tab->Ribbons2010()))
            tabs.push_back(tab);
    }
    if (tabs.empty())
        return;
    Writer.OpenElement(L"contextualTabs");
    std::vector<bool> written(tabs.size(), false);
    for (size_t first = 0; first < tabs.size(); ++first) {
        if (written[first])
            continue;
        const std::wstring context = tabs[first]->Context();
        Writer.OpenElement(L"tabSet");
        Writer.AddAttribute(L"idMso", TabSetId(context));
        for (size_t i = first; i < tabs.size(); ++i)
            if (!written[i] && tabs[i]->Context() == context) {
                WriteRibbonControl(Module, Writer, *tabs[i], RibbonID, 0);
                written[i] = true;
            }
        Writer.CloseElement(L"tabSet");
    }
    Writer.CloseElement(L"contextualTabs");
}

// Both sets empty: never. Otherwise the ribbon ids the sets name, also when only one of them holds
// members (the explorer is kept in both by the module's setters).
bool StartsFromScratch(TzidCOMAddInModule &Module, const std::wstring &RibbonID) {
    return IsForRibbon(RibbonID, Module.StartFromScratch(), Module.StartFromScratch2010());
}

} // namespace

std::wstring BuildCustomUI(TzidCOMAddInModule &Module, const std::wstring &RibbonID) {
    Module.SetOfficeVersion(HostMajorVersion());
    TzidOfficeHostApp host;
    if (HostOfRibbonId(RibbonID, host))
        Module.SetHostType(host);
    Module.SetUsesRibbon(true);
    // A handler that unloads the add-in ends the document: the module it was for is no one's any more.
    const TdivAzore *addIn = Module.AddIn();
    auto fire = [&](const std::function<void()> &Event) {
        RunHandler(&Module, nullptr, Event);
        if (Module.AddIn() != addIn)
            NotConnected();
    };
    if (Module.OnRibbonBeforeCreate)
        fire([&] { Module.OnRibbonBeforeCreate(&Module, RibbonID); });
    PruneRibbonIds(Module, RibbonID);

    TzidXMLHelper writer;
    // A control's line takes some 400 characters: room for all of them at once keeps the document from
    // being moved again and again while it grows.
    writer.Reserve(static_cast<size_t>(Module.RibbonIds().Count()) * 512);
    writer.OpenElement(L"customUI");
    ChooseNamespace(Module, RibbonID);
    AddNamespaceAttributes(Module, writer);
    writer.AddAttribute(L"onLoad", L"RibbonLoaded_Callback");
    writer.AddAttribute(L"loadImage", L"GetImages_Callback");

    TRibbonElement ribbon(writer, StartsFromScratch(Module, RibbonID));
    if (Module.RibbonTabs().Count() > 0) {
        ribbon.Open();
        WriteTabs(Module, writer, RibbonID);
    }
    if (Module.ContextualTabs().Count() > 0) {
        ribbon.Open();
        WriteContextualTabs(Module, writer, RibbonID);
    }
    ribbon.Close();
    WriteBackstage(Module, writer, RibbonID);
    writer.CloseElement(L"customUI");

    std::wstring result = writer.TakeXml();
    if (Module.OnRibbonBeforeLoad)
        fire([&] { Module.OnRibbonBeforeLoad(&Module, RibbonID, result); });
    return result;
}

HRESULT TzidRibbonEngine::GetCustomUI(BSTR RibbonID, BSTR *RibbonXml) {
    return addIn_.EntryCall({L"Ribbon", L"GetCustomUI"}, [&] {
        if (RibbonXml == nullptr)
            return E_POINTER;
        *RibbonXml = nullptr;
        TzidCOMAddInModule *module = Module();
        if (module == nullptr)
            NotConnected();
        std::wstring xml = BuildCustomUI(*module, classlib::BStrToString(RibbonID));
        *RibbonXml = classlib::AllocBStr(xml);
        return S_OK;
    });
}

} // namespace framework
