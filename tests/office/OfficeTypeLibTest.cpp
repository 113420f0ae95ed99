// office.tlb against the published facts that make a real Office work: interface ids, the vtable slots
// of the early-bound Office interfaces, and dispatch ids.
#include "classlib/TypeAttrs.h"
#include "office/office.h"
#include "tests/office/TypeLibCheck.h"

#include <gtest/gtest.h>

#include <string>

using namespace office_test;

namespace {

enum class Kind { Dual, Dispatch };

struct Identity {
    const char *name;
    const wchar_t *iid;
    Kind kind;
};

// Every interface of the library, with the published id.
const Identity kInterfaces[] = {
    {"IDTExtensibility2", L"{B65AD801-ABAF-11D0-BB8B-00A0C90F2744}", Kind::Dual},
    {"IRibbonExtensibility", L"{000C0396-0000-0000-C000-000000000046}", Kind::Dual},
    {"IRibbonControl", L"{000C0395-0000-0000-C000-000000000046}", Kind::Dual},
    {"IRibbonUI", L"{000C03A7-0000-0000-C000-000000000046}", Kind::Dual},
    {"ICustomTaskPaneConsumer", L"{000C033E-0000-0000-C000-000000000046}", Kind::Dual},
    {"ICTPFactory", L"{000C033D-0000-0000-C000-000000000046}", Kind::Dual},
    {"_CustomTaskPane", L"{000C033B-0000-0000-C000-000000000046}", Kind::Dual},
    {"COMAddIn", L"{000C033A-0000-0000-C000-000000000046}", Kind::Dual},
    {"_IMsoDispObj", L"{000C0300-0000-0000-C000-000000000046}", Kind::Dual},
    {"_IMsoOleAccDispObj", L"{000C0301-0000-0000-C000-000000000046}", Kind::Dual},
    {"IAccessible", L"{618736E0-3C3D-11CF-810C-00AA00389B71}", Kind::Dual},
    {"_CommandBars", L"{000C0302-0000-0000-C000-000000000046}", Kind::Dual},
    {"CommandBar", L"{000C0304-0000-0000-C000-000000000046}", Kind::Dual},
    {"CommandBarControls", L"{000C0306-0000-0000-C000-000000000046}", Kind::Dual},
    {"CommandBarControl", L"{000C0308-0000-0000-C000-000000000046}", Kind::Dual},
    {"_CommandBarButton", L"{000C030E-0000-0000-C000-000000000046}", Kind::Dual},
    {"_CommandBarComboBox", L"{000C030C-0000-0000-C000-000000000046}", Kind::Dual},
    {"CommandBarPopup", L"{000C030A-0000-0000-C000-000000000046}", Kind::Dual},
    {"_CustomTaskPaneEvents", L"{000C033C-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"_CommandBarsEvents", L"{000C0352-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"_CommandBarButtonEvents", L"{000C0351-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"_CommandBarComboBoxEvents", L"{000C0354-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookApplication", L"{00063001-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookNameSpace", L"{00063002-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookMAPIFolder", L"{00063006-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookExplorers", L"{0006300A-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookExplorer", L"{00063003-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookInspectors", L"{00063008-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookInspector", L"{00063005-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookMailItem", L"{00063034-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookNoteItem", L"{00063025-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookSelection", L"{00063087-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookBarShortcut", L"{00063075-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookReminders", L"{000630B1-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookApplicationEvents", L"{0006304E-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookApplicationEvents_10", L"{0006300E-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookApplicationEvents_11", L"{0006302C-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookExplorersEvents", L"{00063078-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookExplorerEvents", L"{0006304F-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookExplorerEvents_10", L"{0006300F-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookInspectorsEvents", L"{00063079-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookInspectorEvents", L"{0006307D-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookInspectorEvents_10", L"{0006302A-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookNameSpaceEvents", L"{0006308C-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"OutlookReminderCollectionEvents", L"{000630B2-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"WordApplication", L"{00020970-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"WordDocuments", L"{0002096C-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"WordDocument", L"{0002096B-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"WordWindows", L"{00020961-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"WordWindow", L"{00020962-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"WordTemplates", L"{000209A2-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"WordTemplate", L"{0002096A-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"WordSelection", L"{00020975-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"WordApplicationEvents2", L"{000209FE-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"WordApplicationEvents3", L"{00020A00-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"WordApplicationEvents4", L"{00020A01-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"ExcelApplication", L"{000208D5-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"PowerPointApplication", L"{91493442-5A91-11CF-8700-00AA0060263B}", Kind::Dispatch},
    {"PowerPointDocumentWindows", L"{91493455-5A91-11CF-8700-00AA0060263B}", Kind::Dispatch},
    {"AccessApplication", L"{68CCE6C0-6129-101B-AF4E-00AA003F0F07}", Kind::Dispatch},
    {"AccessCurrentProject", L"{9212BA71-3E79-11D1-98BD-006008197D41}", Kind::Dispatch},
    {"ProjectApplication", L"{00020AFF-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"FrontPageApplication", L"{04DF1014-7007-11D1-83BC-006097ABE675}", Kind::Dispatch},
    {"MapPointApplication", L"{D6D389CE-1781-47A0-8984-4349687F65D6}", Kind::Dispatch},
    {"VisioApplication", L"{000D0700-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"PublisherApplication", L"{0002123E-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"InfoPathApplication", L"{096CD72E-0786-11D1-95FA-0080C78EE3BB}", Kind::Dispatch},
    {"ExcelAppEvents", L"{00024413-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"PowerPointEApplication", L"{914934C2-5A91-11CF-8700-00AA0060263B}", Kind::Dispatch},
    {"ProjectEProjectApp", L"{7B7597D0-0C9F-11D0-8C43-00A0C904DCD4}", Kind::Dispatch},
    {"ProjectEProjectApp2", L"{5066D7C4-1ED7-48C4-ACE7-299E109D368C}", Kind::Dispatch},
    {"FrontPageApplicationEvents", L"{F5D15700-E9D8-11D1-B0DF-00C04FA30A8B}", Kind::Dispatch},
    {"MapPointApplicationEvents", L"{91848759-5033-4956-8E9C-B840F11C6045}", Kind::Dispatch},
    {"VisioEApplication", L"{000D0B00-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"PublisherApplicationEvents", L"{00021240-0000-0000-C000-000000000046}", Kind::Dispatch},
    {"InfoPathApplicationEvents", L"{096CD72D-0786-11D1-95FA-0080C78EE3BB}", Kind::Dispatch},
};

std::string NameOfTypeInfo(ITypeInfo *info) {
    BSTR name = nullptr;
    info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr);
    std::string result;
    for (UINT i = 0; name && i < SysStringLen(name); ++i)
        result += static_cast<char>(name[i]);
    SysFreeString(name);
    return result;
}

} // namespace

// A fault of widl 7 writes another library id when a dispinterface precedes an interface.
TEST(OfficeTypeLib, LoadsWithTheLibraryIdOfTheHeader) {
    ITypeLib *lib = OfficeTypeLib();
    ASSERT_NE(lib, nullptr) << "office.tlb beside the test program";
    EXPECT_TRUE(IsEqualGUID(classlib::TLibAttrHolder(lib)->guid, LIBID_TessaryOffice));
}

TEST(OfficeTypeLib, EveryInterfaceHasThePublishedIdAndKind) {
    ITypeLib *lib = OfficeTypeLib();
    ASSERT_NE(lib, nullptr);
    for (const Identity &face : kInterfaces) {
        SCOPED_TRACE(face.name);
        GUID iid{};
        ASSERT_HRESULT_SUCCEEDED(IIDFromString(face.iid, &iid));
        ITypeInfo *info = nullptr;
        ASSERT_HRESULT_SUCCEEDED(lib->GetTypeInfoOfGuid(iid, &info));
        EXPECT_EQ(NameOfTypeInfo(info), face.name);
        {
            classlib::TTypeAttrHolder attr(info);
            EXPECT_EQ(attr->typekind, TKIND_DISPATCH);
            EXPECT_EQ((attr->wTypeFlags & TYPEFLAG_FDUAL) != 0, face.kind == Kind::Dual);
        }
        info->Release();
    }
    UINT interfaces = 0;
    for (UINT i = 0; i < lib->GetTypeInfoCount(); ++i) {
        TYPEKIND kind{};
        lib->GetTypeInfoType(i, &kind);
        interfaces += kind == TKIND_DISPATCH;
    }
    EXPECT_EQ(interfaces, std::size(kInterfaces)) << "an interface of the library is not in the table";
}

TEST(OfficeTypeLib, AddInInterfacesHaveThePublishedSlotsAndIds) {
    ExpectVtable("IDTExtensibility2", 7, 1,
                 "m:OnConnection m:OnDisconnection m:OnAddInsUpdate m:OnStartupComplete m:OnBeginShutdown");
    ExpectVtable("IRibbonExtensibility", 7, 1, "m:GetCustomUI");
    ExpectVtable("IRibbonControl", 7, 1, "g:Id g:Context g:Tag");
    ExpectVtable("IRibbonUI", 7, 1,
                 "m:Invalidate m:InvalidateControl m:InvalidateControlMso m:ActivateTab m:ActivateTabMso "
                 "m:ActivateTabQ");
    ExpectVtable("ICustomTaskPaneConsumer", 7, 1, "m:CTPFactoryAvailable");
    ExpectVtable("ICTPFactory", 7, 1, "m:CreateCTP");
    ExpectVtable("_CustomTaskPane", 7, 0,
                 "g:Title g:Application g:Window g:Visible p:Visible g:ContentControl=4 g:Height=5 p:Height "
                 "g:Width=6 p:Width g:DockPosition=7 p:DockPosition g:DockPositionRestrict=8 "
                 "p:DockPositionRestrict m:Delete=9");
    ExpectVtable("_IMsoDispObj", 7, 0x60020000, "g:Application g:Creator");
    ExpectVtable("COMAddIn", 9, 0,
                 "g:Description p:Description g:ProgId=3 g:Guid=4 g:Connect=6 p:Connect g:Object=7 p:Object "
                 "g:Parent=8");
}

TEST(OfficeTypeLib, CommandBarsHaveThePublishedSlotsAndIds) {
    ExpectVtable(
        "_CommandBars", 9, 0x60030000,
        "g:ActionControl g:ActiveMenuBar m:Add g:Count g:DisplayTooltips p:DisplayTooltips "
        "g:DisplayKeysInTooltips p:DisplayKeysInTooltips m:FindControl g:Item=0 g:LargeButtons "
        "p:LargeButtons g:MenuAnimationStyle p:MenuAnimationStyle g:_NewEnum=-4 g:Parent m:ReleaseFocus "
        "g:IdsString g:TmcGetName g:AdaptiveMenus p:AdaptiveMenus m:FindControls m:AddEx g:DisplayFonts "
        "p:DisplayFonts g:DisableCustomize p:DisableCustomize g:DisableAskAQuestionDropdown "
        "p:DisableAskAQuestionDropdown m:ExecuteMso m:GetEnabledMso m:GetVisibleMso m:GetPressedMso "
        "m:GetLabelMso m:GetScreentipMso m:GetSupertipMso m:GetImageMso m:CommitRenderingTransaction");
    ExpectVtable("_IMsoOleAccDispObj", 28, 0x60030000, "g:Application g:Creator");
    ExpectVtable(
        "CommandBar", 30, 0x60040000,
        "g:BuiltIn g:Context p:Context g:Controls m:Delete g:Enabled p:Enabled m:FindControl g:Height "
        "p:Height g:Index g:InstanceId g:Left p:Left g:Name p:Name g:NameLocal p:NameLocal g:Parent "
        "g:Position p:Position g:RowIndex p:RowIndex g:Protection p:Protection m:Reset m:ShowPopup g:Top "
        "p:Top g:Type g:Visible p:Visible g:Width p:Width g:AdaptiveMenu p:AdaptiveMenu g:Id "
        "g:InstanceIdPtr");
    ExpectVtable("CommandBarControls", 9, 0x60030000, "m:Add g:Count g:Item=0 g:_NewEnum=-4 g:Parent");
    ExpectVtable(
        "CommandBarControl", 30, 0x60040000,
        "g:BeginGroup p:BeginGroup g:BuiltIn g:Caption p:Caption g:Control m:Copy m:Delete "
        "g:DescriptionText p:DescriptionText g:Enabled p:Enabled m:Execute g:Height p:Height "
        "g:HelpContextId p:HelpContextId g:HelpFile p:HelpFile g:Id g:Index g:InstanceId m:Move g:Left "
        "g:OLEUsage p:OLEUsage g:OnAction p:OnAction g:Parent g:Parameter p:Parameter g:Priority "
        "p:Priority m:Reset m:SetFocus g:Tag p:Tag g:TooltipText p:TooltipText g:Top g:Type g:Visible "
        "p:Visible g:Width p:Width g:IsPriorityDropped m:Reserved1 m:Reserved2 m:Reserved3 m:Reserved4 "
        "m:Reserved5 m:Reserved6 m:Reserved7");
    ExpectVtable("_CommandBarButton", 83, 0x60050000,
                 "g:BuiltInFace p:BuiltInFace m:CopyFace g:FaceId p:FaceId m:PasteFace g:ShortcutText "
                 "p:ShortcutText g:State p:State g:Style p:Style g:HyperlinkType p:HyperlinkType g:Picture "
                 "p:Picture g:Mask p:Mask g:InstanceIdPtr");
    ExpectVtable(
        "_CommandBarComboBox", 83, 0x60050000,
        "m:AddItem m:Clear g:DropDownLines p:DropDownLines g:DropDownWidth p:DropDownWidth g:List p:List "
        "g:ListCount g:ListHeaderCount p:ListHeaderCount g:ListIndex p:ListIndex m:RemoveItem g:Style "
        "p:Style g:Text p:Text g:InstanceIdPtr");
    ExpectVtable("CommandBarPopup", 83, 0x60050000,
                 "g:CommandBar g:Controls g:OLEMenuGroup p:OLEMenuGroup g:InstanceIdPtr");
}

TEST(OfficeTypeLib, OfficeEventsHaveThePublishedIds) {
    ExpectDispatch("_CustomTaskPaneEvents", "VisibleStateChange=1 DockPositionStateChange=2");
    ExpectDispatch("_CommandBarsEvents", "OnUpdate=1");
    ExpectDispatch("_CommandBarButtonEvents", "Click=1");
    ExpectDispatch("_CommandBarComboBoxEvents", "Change=1");
}
