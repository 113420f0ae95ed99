// office.tlb and the header widl makes of the same declarations, against what the framework relies on:
// the dispatch ids it calls the hosts with (office/HostDispIds.h) and the early-bound slots.
#include "classlib/ComPtr.h"
#include "classlib/TypeAttrs.h"
#include "office/HostDispIds.h"
#include "office/office.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

using classlib::ComPtr;

namespace {

ITypeLib *OfficeTypeLib() {
    static ITypeLib *lib = [] {
        wchar_t path[MAX_PATH];
        std::wstring file(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
        file = file.substr(0, file.find_last_of(L'\\') + 1) + L"office.tlb";
        ITypeLib *loaded = nullptr;
        return SUCCEEDED(LoadTypeLibEx(file.c_str(), REGKIND_NONE, &loaded)) ? loaded : nullptr;
    }();
    return lib;
}

ComPtr<ITypeInfo> InfoOf(REFIID iid) {
    ComPtr<ITypeInfo> info;
    if (OfficeTypeLib())
        OfficeTypeLib()->GetTypeInfoOfGuid(iid, info.Put());
    return info;
}

std::string NameOf(ITypeInfo *info, MEMBERID member = MEMBERID_NIL) {
    BSTR name = nullptr;
    info->GetDocumentation(member, &name, nullptr, nullptr, nullptr);
    std::string narrow(name, name + SysStringLen(name)); // the library's names are ASCII
    SysFreeString(name);
    return narrow;
}

// The id the type library gives a member (any kind) of a dispinterface, or DISPID_UNKNOWN.
DISPID IdIn(ITypeInfo *info, const std::string &member) {
    std::wstring wide(member.begin(), member.end());
    LPOLESTR names[] = {wide.data()};
    DISPID id = DISPID_UNKNOWN;
    return SUCCEEDED(info->GetIDsOfNames(names, 1, &id)) ? id : DISPID_UNKNOWN;
}

struct Declared {
    const IID &iid;
    std::vector<std::pair<const char *, DISPID>> members;
};

// The vtable slot of a virtual member function. g++ represents a pointer to a virtual member as the
// member's byte offset in the vtable plus one, followed by the this-adjustment.
template <class Member> int SlotOf(Member member) {
    struct {
        std::uintptr_t offsetPlusOne;
        std::ptrdiff_t adjust;
    } representation;
    static_assert(sizeof(representation) == sizeof(member));
    std::memcpy(&representation, &member, sizeof(member));
    return static_cast<int>((representation.offsetPlusOne - 1) / sizeof(void *));
}

} // namespace

// A fault of widl 7 writes another library id when a dispinterface precedes an interface.
TEST(OfficeTypeLib, LoadsWithTheLibraryIdOfTheHeader) {
    ITypeLib *lib = OfficeTypeLib();
    ASSERT_NE(lib, nullptr) << "office.tlb beside the test program";
    EXPECT_TRUE(IsEqualGUID(classlib::TLibAttrHolder(lib)->guid, LIBID_TessaryOffice));
}

// The framework calls the hosts late-bound with its own copy of the ids; the simulated hosts answer
// with the type library's.
TEST(OfficeTypeLib, TheFrameworksDispatchIdsAreTheTypeLibrarys) {
    using namespace office::dispid;
#define ID(ns, member)                                                                                       \
    { #member, ns::member }
    const Declared declared[] = {
        {DIID_OutlookApplication,
         {ID(outlook_object, Class), ID(outlook_object, Parent), ID(outlook_application, Version),
          ID(outlook_application, GetNamespace), ID(outlook_application, ActiveExplorer),
          ID(outlook_application, ActiveInspector), ID(outlook_application, Quit),
          ID(outlook_application, Explorers), ID(outlook_application, Inspectors),
          ID(outlook_application, ActiveWindow)}},
        {DIID_OutlookExplorers, {ID(outlook_collection, Count), ID(outlook_collection, Item)}},
        {DIID_OutlookSelection, {ID(outlook_collection, Count), ID(outlook_collection, Item)}},
        {DIID_OutlookExplorer,
         {ID(outlook_object, Class), ID(outlook_window, CommandBars), ID(outlook_window, CurrentFolder),
          ID(outlook_window, Close), ID(outlook_window, Caption), ID(outlook_window, Activate)}},
        {DIID_OutlookInspector,
         {ID(outlook_window, CommandBars), ID(outlook_window, CurrentItem), ID(outlook_window, Close),
          ID(outlook_window, Caption), ID(outlook_window, Activate)}},
        {DIID_OutlookMAPIFolder,
         {ID(outlook_object, Parent), ID(outlook_folder, Name), ID(outlook_folder, DefaultItemType),
          ID(outlook_folder, FolderPath)}},
        {DIID_OutlookMailItem, {ID(outlook_object, Class), ID(outlook_item, MessageClass)}},
        {DIID_OutlookNoteItem, {ID(outlook_item, MessageClass)}},
        {DIID_OutlookApplicationEvents_11,
         {ID(outlook_application_events, ItemSend), ID(outlook_application_events, NewMail),
          ID(outlook_application_events, Reminder), ID(outlook_application_events, OptionsPagesAdd),
          ID(outlook_application_events, Startup), ID(outlook_application_events, Quit)}},
        {DIID_OutlookNameSpaceEvents, {ID(outlook_namespace_events, OptionsPagesAdd)}},
        {DIID_OutlookExplorersEvents, {{"NewExplorer", outlook_collection_events::NewWindow}}},
        {DIID_OutlookInspectorsEvents, {{"NewInspector", outlook_collection_events::NewWindow}}},
        {DIID_OutlookExplorerEvents_10,
         {ID(outlook_window_events, Activate), ID(outlook_window_events, FolderSwitch),
          ID(outlook_window_events, BeforeFolderSwitch), ID(outlook_window_events, ViewSwitch),
          ID(outlook_window_events, BeforeViewSwitch), ID(outlook_window_events, Deactivate),
          ID(outlook_window_events, SelectionChange), ID(outlook_window_events, Close)}},
        {DIID_OutlookInspectorEvents_10,
         {ID(outlook_window_events, Activate), ID(outlook_window_events, Deactivate),
          ID(outlook_window_events, Close)}},
        {DIID_WordApplication,
         {ID(word_application, Windows), ID(word_application, ActiveDocument),
          ID(word_application, ActiveWindow), ID(word_application, Documents),
          ID(word_application, NormalTemplate), ID(word_application, Version),
          ID(word_application, CommandBars), ID(word_application, Templates),
          ID(word_application, OrganizerDelete), ID(word_application, ShowWindowsInTaskbar),
          ID(word_application, Quit)}},
        {DIID_WordDocuments, {ID(word_collection, Item), ID(word_collection, Count)}},
        {DIID_WordWindows, {ID(word_collection, Item), ID(word_collection, Count)}},
        {DIID_WordTemplates, {ID(word_collection, Item), {"Count", word_collection::TemplatesCount}}},
        {DIID_WordDocument,
         {ID(word_document, Name), ID(word_document, FullName), ID(word_document, ActiveWindow),
          ID(word_document, CommandBars)}},
        {DIID_WordTemplate, {ID(word_template, Name), ID(word_template, FullName)}},
        {DIID_WordApplicationEvents4,
         {ID(word_application_events, Startup), ID(word_application_events, Quit),
          ID(word_application_events, DocumentChange), ID(word_application_events, DocumentOpen),
          ID(word_application_events, NewDocument), ID(word_application_events, WindowActivate)}},
        {DIID_ExcelApplication,
         {ID(excel_application, Version), ID(excel_application, ActiveWindow),
          ID(excel_application, CommandBars)}},
        {DIID_ExcelAppEvents,
         {ID(excel_application_events, SheetActivate), ID(excel_application_events, WorkbookActivate)}},
        {DIID_PowerPointApplication,
         {ID(powerpoint_application, Windows), ID(powerpoint_application, ActiveWindow),
          ID(powerpoint_application, CommandBars), ID(powerpoint_application, Version)}},
        {DIID_PowerPointDocumentWindows, {ID(powerpoint_windows, Item), ID(powerpoint_windows, Count)}},
        {DIID_PowerPointEApplication, {ID(powerpoint_application_events, WindowActivate)}},
        {DIID_AccessApplication,
         {ID(access_application, CommandBars), ID(access_application, CurrentProject),
          ID(access_application, Version)}},
        {DIID_AccessCurrentProject,
         {ID(access_project, Name), ID(access_project, FullName), ID(access_project, IsConnected)}},
        {DIID_ProjectApplication,
         {ID(project_application, ActiveWindow), ID(project_application, Version),
          ID(project_application, CommandBars)}},
        {DIID_VisioApplication,
         {ID(visio_application, ActiveWindow), ID(visio_application, Version),
          ID(visio_application, CommandBars)}},
        {DIID_VisioEApplication, {ID(visio_application_events, WindowActivated)}},
        {DIID_InfoPathApplicationEvents,
         {ID(infopath_application_events, WindowActivate), ID(infopath_application_events, NewXDocument),
          ID(infopath_application_events, XDocumentOpen)}},
    };
#undef ID
    for (const Declared &face : declared) {
        ComPtr<ITypeInfo> info = InfoOf(face.iid);
        ASSERT_TRUE(info);
        for (const auto &[member, id] : face.members)
            EXPECT_EQ(IdIn(info.Get(), member), id) << NameOf(info.Get()) << "." << member;
    }
}

// The event interfaces of earlier versions keep the later ids, so one sink table serves every version.
TEST(OfficeTypeLib, EarlierEventInterfacesAreSubsetsOfTheLaterOnes) {
    const std::pair<const IID &, const IID &> versions[] = {
        {DIID_OutlookApplicationEvents, DIID_OutlookApplicationEvents_11},
        {DIID_OutlookApplicationEvents_10, DIID_OutlookApplicationEvents_11},
        {DIID_OutlookExplorerEvents, DIID_OutlookExplorerEvents_10},
        {DIID_OutlookInspectorEvents, DIID_OutlookInspectorEvents_10},
        {DIID_WordApplicationEvents2, DIID_WordApplicationEvents4},
        {DIID_WordApplicationEvents3, DIID_WordApplicationEvents4},
    };
    for (const auto &[earlier, later] : versions) {
        ComPtr<ITypeInfo> old = InfoOf(earlier), now = InfoOf(later);
        ASSERT_TRUE(old && now);
        classlib::TTypeAttrHolder attr(old.Get());
        EXPECT_GT(attr->cFuncs, 2);
        for (UINT i = 0; i < attr->cFuncs; ++i) {
            FUNCDESC *desc = nullptr;
            ASSERT_HRESULT_SUCCEEDED(old->GetFuncDesc(i, &desc));
            std::string name = NameOf(old.Get(), desc->memid);
            EXPECT_EQ(IdIn(now.Get(), name), desc->memid) << NameOf(old.Get()) << "." << name;
            old->ReleaseFuncDesc(desc);
        }
    }
}

// Each early-bound interface's first and last own member and a few the framework calls: a missing or
// extra member anywhere before them moves them.
TEST(OfficeHeader, EarlyBoundMembersSitInThePublishedSlots) {
    EXPECT_EQ(SlotOf(&IDTExtensibility2::OnConnection), 7);
    EXPECT_EQ(SlotOf(&IDTExtensibility2::OnBeginShutdown), 11);
    EXPECT_EQ(SlotOf(&IRibbonExtensibility::GetCustomUI), 7);
    EXPECT_EQ(SlotOf(&IRibbonControl::get_Tag), 9);
    EXPECT_EQ(SlotOf(&IRibbonUI::ActivateTabQ), 12);
    EXPECT_EQ(SlotOf(&ICustomTaskPaneConsumer::CTPFactoryAvailable), 7);
    EXPECT_EQ(SlotOf(&ICTPFactory::CreateCTP), 7);
    EXPECT_EQ(SlotOf(&_CustomTaskPane::put_DockPositionRestrict), 20);
    EXPECT_EQ(SlotOf(&_CustomTaskPane::Delete), 21);
    EXPECT_EQ(SlotOf(&COMAddIn::put_Object), 16);
    EXPECT_EQ(SlotOf(&COMAddIn::get_Parent), 17);
    EXPECT_EQ(SlotOf(&_CommandBars::get_ActionControl), 9);
    EXPECT_EQ(SlotOf(&_CommandBars::FindControl), 17);
    EXPECT_EQ(SlotOf(&_CommandBars::get_Item), 18);
    EXPECT_EQ(SlotOf(&_CommandBars::CommitRenderingTransaction), 46);
    // After IAccessible's 21 slots and the second Application and Creator.
    EXPECT_EQ(SlotOf(&CommandBar::get_BuiltIn), 30);
    EXPECT_EQ(SlotOf(&CommandBar::get_NameLocal), 46);
    EXPECT_EQ(SlotOf(&CommandBar::get_InstanceIdPtr), 67);
    EXPECT_EQ(SlotOf(&CommandBarControls::Add), 9);
    EXPECT_EQ(SlotOf(&CommandBarControls::get_Parent), 13);
    EXPECT_EQ(SlotOf(&CommandBarControl::get_BeginGroup), 30);
    EXPECT_EQ(SlotOf(&CommandBarControl::put_Tag), 66);
    EXPECT_EQ(SlotOf(&CommandBarControl::Reserved7), 82);
    EXPECT_EQ(SlotOf(&_CommandBarButton::get_BuiltInFace), 83);
    EXPECT_EQ(SlotOf(&_CommandBarButton::PasteFace), 88);
    EXPECT_EQ(SlotOf(&_CommandBarButton::get_InstanceIdPtr), 101);
    EXPECT_EQ(SlotOf(&_CommandBarComboBox::AddItem), 83);
    EXPECT_EQ(SlotOf(&_CommandBarComboBox::put_Text), 100);
    EXPECT_EQ(SlotOf(&CommandBarPopup::get_Controls), 84);
    EXPECT_EQ(SlotOf(&CommandBarPopup::get_InstanceIdPtr), 87);
}
