// Ribbon actions whose handler frees what it was called for: the control itself (with a failure
// raised after it, which the module still hears) or the whole add-in through COMAddIn.Connect =
// False. This program runs under Wine's heap checking; each test ends with every heap validated.
#include "CallbackFixture.h"
#include "HandlerKit.h"
#include "hostsim/ComAddInObject.h"

namespace callbacktest {
namespace {

class RibbonHandlerFrees : public CallbackTest {
protected:
    void TearDown() override {
        CallbackTest::TearDown();
        EXPECT_HEAPS_VALID();
    }
    // The button cbReply runs Body instead of the form's handler.
    void OnReply(std::function<void(classlib::TObject *)> Body) {
        click_.Body = [Body](classlib::TObject *Sender, IRibbonControl *) { Body(Sender); };
        dynamic_cast<framework::TzidRibbonButton *>(AddIn().FindRibbonControl(L"cbReply"))->OnClick =
            click_.Event();
    }

    testsupport::TTestHandler<void(classlib::TObject *, IRibbonControl *)> click_;
};

TEST_F(RibbonHandlerFrees, AnActionWhoseHandlerDeletesItsControlOrUnloadsTheAddIn) {
    int clicks = 0;
    OnReply([&](classlib::TObject *Sender) {
        ++clicks;
        EXPECT_TRUE(dynamic_cast<framework::TzidRibbonButton *>(Sender)->InAction());
        delete Sender;
        throw classlib::Exception(L"after the delete");
    });
    EXPECT_EQ(Call(L"OnActionCommon_Callback", {Control(L"cbReply")}), S_OK);
    EXPECT_HEAPS_VALID();
    EXPECT_EQ(Call(L"OnActionCommon_Callback", {Control(L"cbReply")}), S_OK);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(AddIn().FindRibbonControl(L"cbReply"), nullptr);
    EXPECT_EQ(Module().Log, std::vector<std::wstring>{L"Error:after the delete"});
    Module().Log.clear();

    // Office's entry for the add-in: Connect = False disconnects it and lets go of it.
    auto *entry = world_.Create<hostsim::ComAddInObject>(L"CallbackTest", L"{}", L"");
    entry->SetConnected(true);
    entry->SetConnectHandler([this](bool Connect) {
        SAFEARRAY *custom = nullptr;
        if (!Connect && addIn_) {
            EXPECT_EQ(addIn_.As<IDTExtensibility2>()->OnDisconnection(ext_dm_UserClosed, &custom), S_OK);
        }
        addIn_ = nullptr;
    });
    Module().SetCOMAddIn(classlib::ComPtr<::COMAddIn>::Copy(static_cast<::COMAddIn *>(entry)));
    click_.Body = [&](classlib::TObject *Sender, IRibbonControl *) {
        ++clicks;
        dynamic_cast<framework::TzidRibbonButton *>(Sender)->Module()->COMAddIn()->put_Connect(VARIANT_FALSE);
    };
    dynamic_cast<framework::TzidRibbonButton *>(AddIn().FindRibbonControl(L"cbBroken"))->OnClick =
        click_.Event();
    // The host's last reference goes inside the call.
    EXPECT_EQ(Call(L"OnActionCommon_Callback", {Control(L"cbBroken")}), S_OK);
    EXPECT_HEAPS_VALID();
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(addIn_);
}

} // namespace
} // namespace callbacktest
