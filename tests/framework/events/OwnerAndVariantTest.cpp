// Where an event component may live (a module or an Outlook events component, nothing else), what its
// class's instance count says, and VarIsNothing.
#include "EventsTestSupport.h"

#include "classlib/Classes.h"
#include "classlib/Timer.h"
#include "framework/core/ModuleErrors.h"
#include "framework/events/OfficeAppEvents.h"
#include "framework/events/OleFunctions.h"
#include "framework/events/Outlook2007Application.h"
#include "framework/events/OutlookSinks.h"
#include "framework/events/WordEvents.h"
#include "hostsim/WordHost.h"

#include "HandMadeVariants.h"

using classlib::OleVariant;

namespace eventstest {
namespace {

using OwnerTest = EventsTest;

template <class T> void ExpectRefused(classlib::TComponent *owner, const std::wstring &message) {
    try {
        classlib::Create<T>(owner);
        ADD_FAILURE() << "created";
    } catch (const classlib::EOleSysError &e) {
        EXPECT_EQ(e.ErrorCode(), framework::zidErrWrongEventsOwner);
        EXPECT_EQ(e.HelpContext(), 0);
        EXPECT_EQ(e.Message(), message);
    }
}

TEST_F(OwnerTest, AComponentLivesInAModuleOrAnOutlookEventsComponentOnly) {
    ExpectRefused<framework::TzidWordAppEvents>(
        nullptr, L"The TzidWordAppEvents class cannot be contained in the nil class.");
    ExpectRefused<framework::TzidOutlookExplorerEvents>(
        nullptr, L"The TzidOutlookExplorerEvents class cannot be contained in the nil class.");
    classlib::TTimer *timer = classlib::Create<classlib::TTimer>(module_);
    ExpectRefused<framework::TzidExcelAppEvents>(
        timer, L"The TzidExcelAppEvents class cannot be contained in the TTimer class.");
    EXPECT_EQ(timer->ComponentCount(), 0) << "a refused component leaves its owner";

    auto *app = classlib::Create<framework::TzidOutlookAppEvents>(module_);
    EXPECT_EQ(app->ComponentCount(), 4) << "NameSpace, Explorers, Inspectors, Reminders";
    auto *explorer = classlib::Create<framework::TzidOutlookExplorerEvents>(app);
    EXPECT_EQ(explorer->App(), app);
    // A child under the module itself is allowed, and fires nothing.
    auto *orphan = classlib::Create<framework::TzidOutlookExplorerEvents>(module_);
    EXPECT_EQ(orphan->App(), nullptr);
    framework::TzidEventParams none;
    orphan->DoInvoke(0xF007, none);
    auto *menus = classlib::Create<framework::TzidOutlook2007Application>(app);
    EXPECT_EQ(menus->OwnerModule(), nullptr);
    menus->DoInvoke(0xFBA6, none);
}

TEST_F(OwnerTest, TheInstanceCountFollowsTheComponentsOfAClass) {
    auto *first = classlib::Create<framework::TzidWordAppEvents>(module_);
    framework::TzidServerData &data = first->ServerData();
    const LONG one = data.InstanceCount;
    auto *second = classlib::Create<framework::TzidWordAppEvents>(module_);
    EXPECT_EQ(&second->ServerData(), &data) << "one descriptor per class";
    EXPECT_EQ(data.InstanceCount, one + 1);
    try {
        classlib::Create<framework::TzidWordAppEvents>(nullptr);
    } catch (const classlib::EOleSysError &) {
    }
    EXPECT_EQ(data.InstanceCount, one + 1);
    classlib::Free(second);
    EXPECT_EQ(data.InstanceCount, one);
    EXPECT_EQ(data.Version, 500);
}

TEST(VarIsNothingTest, OnlyEmptyAndNullObjectReferencesAreNothing) {
    EXPECT_TRUE(framework::VarIsNothing(OleVariant()));
    EXPECT_TRUE(framework::VarIsNothing(OleVariant(static_cast<IDispatch *>(nullptr))));
    EXPECT_TRUE(framework::VarIsNothing(OleVariant(static_cast<IUnknown *>(nullptr))));
    IDispatch *none = nullptr;
    EXPECT_TRUE(framework::VarIsNothing(testsupport::Var(VT_BYREF | VT_DISPATCH, &none)));

    EXPECT_FALSE(framework::VarIsNothing(OleVariant(0)));
    EXPECT_FALSE(framework::VarIsNothing(OleVariant(L"")));
    EXPECT_FALSE(framework::VarIsNothing(OleVariant(false)));
    EXPECT_FALSE(framework::VarIsNothing(testsupport::Var(VT_NULL)));
    EXPECT_FALSE(framework::VarIsNothing(OleVariant::Missing()));
    hostsim::WordHost word(L"14.0");
    EXPECT_FALSE(framework::VarIsNothing(OleVariant(word.Application())));
}

} // namespace
} // namespace eventstest
