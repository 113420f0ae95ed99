// The generated C++ header: usable beside the platform headers, and laid out as the type library and a
// real Office are.
#include <windows.h>

#include <ole2.h>

#include "office/office.h"
#include "tests/office/TypeLibCheck.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

using namespace office_test;

namespace {

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

// Each interface's first and last own member and a few the framework calls: a missing or extra member
// anywhere before them moves them.
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

// The ids the header defines name the same interfaces in the type library.
TEST(OfficeHeader, InterfaceIdsOfTheHeaderMatchTheTypeLibrary) {
    ITypeLib *lib = OfficeTypeLib();
    ASSERT_NE(lib, nullptr);
    struct {
        const IID &iid;
        const char *name;
    } const faces[] = {
        {IID_IDTExtensibility2, "IDTExtensibility2"},
        {IID__CommandBars, "_CommandBars"},
        {IID_CommandBarPopup, "CommandBarPopup"},
        {DIID__CommandBarButtonEvents, "_CommandBarButtonEvents"},
        {DIID_OutlookExplorer, "OutlookExplorer"},
        {DIID_OutlookApplicationEvents_11, "OutlookApplicationEvents_11"},
        {DIID_WordApplication, "WordApplication"},
        {DIID_InfoPathApplication, "InfoPathApplication"},
    };
    for (const auto &face : faces) {
        ITypeInfo *info = nullptr;
        ASSERT_HRESULT_SUCCEEDED(lib->GetTypeInfoOfGuid(face.iid, &info)) << face.name;
        EXPECT_EQ(info, TypeInfoNamed(face.name)) << face.name;
        info->Release();
    }
    EXPECT_TRUE(IsEqualIID(__uuidof(CommandBarControl), IID_CommandBarControl));
    EXPECT_TRUE(IsEqualIID(__uuidof(OutlookApplication), DIID_OutlookApplication));
}
