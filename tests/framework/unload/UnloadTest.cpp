// A handler may unload the add-in (COMAddIn.Connect = False) or free its own object at any point of
// the add-in's life: at start-up, at a later connection, at shutdown, in a task pane's events, in the
// Access tick, in a host-event component, in a ribbon tab's property change, in the ribbon's events
// and in a private-interface call. The add-in object and the module stay until the host's call has
// returned, the sequence that called the handler stops with it, and no freed block is read or
// written: the module and its task-pane collection fault when read after their free, and every heap
// is validated.
#include <algorithm>
#include <functional>

#include "HandlerKit.h"
#include "UnloadFixture.h"
#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "framework/core/AddInInterfaces.h"
#include "hostsim/CommandBarCatalog.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/CommandBarsObject.h"
#include "hostsim/RibbonControlObject.h"
#include "hostsim/RibbonUIObject.h"

using framework::TzidCustomTaskPane;

namespace unloadtest {
namespace {

class UnloadTest : public UnloadFixture {
protected:
    hostsim::TaskPaneFactory *MakeFactory(hostsim::SimWorld &World, IDispatch *Application) {
        auto *factory = World.Create<hostsim::TaskPaneFactory>(Application, nullptr);
        factory->AllowProgId(L"UnloadTest.Pane");
        return factory;
    }
    HRESULT HandOver(ICTPFactory *Factory) {
        return addIn_.As<ICustomTaskPaneConsumer>()->CTPFactoryAvailable(Factory);
    }
    // The host's call of a ribbon callback by name.
    void Callback(const std::wstring &Name, IDispatch *Argument) {
        classlib::DispCall(addIn_.As<IDispatch>().Get(), Name, {classlib::OleVariant(Argument)});
    }
    HRESULT CustomUI() {
        classlib::TBStr id(L"Microsoft.Word.Document");
        BSTR xml = nullptr;
        HRESULT hr = addIn_.As<IRibbonExtensibility>()->GetCustomUI(id.Get(), &xml);
        SysFreeString(xml);
        return hr;
    }
};

// The start-up's own events, a control built at start-up, and Outlook's report of the first of two
// open explorers: nothing of the start-up runs after the unload.
TEST_F(UnloadTest, AStartUpHandlerThatUnloads) {
    for (const wchar_t *event : {L"Initialize", L"Build", L"StartupComplete"}) {
        SCOPED_TRACE(event);
        UnloadAt(event);
        StartWord();
        ExpectUnloaded();
        // The unload's own disconnection fires begin-shutdown and finalize, and nothing else follows.
        const auto &events = Log().Events;
        auto unloaded = std::find(events.begin(), events.end(), std::wstring(event));
        ASSERT_NE(unloaded, events.end());
        EXPECT_EQ(std::vector<std::wstring>(unloaded + 1, events.end()),
                  (std::vector<std::wstring>{L"BeginShutdown", L"Finalize"}))
            << "the start-up went on after the unload";
        Log().Events.clear();
        word_.reset();
    }
    outlook_ = std::make_unique<hostsim::OutlookHost>(L"14.0");
    hostsim::AttachCommandBars(*outlook_);
    outlook_->OpenExplorer(outlook_->DefaultFolder(hostsim::ol::olFolderInbox));
    outlook_->OpenExplorer(outlook_->DefaultFolder(hostsim::ol::olFolderOutbox));
    UnloadAt(L"NewExplorer");
    Start(outlook_->World(), outlook_->Application());
    ExpectUnloaded();
    EXPECT_EQ(Log().Count(L"NewExplorer"), 1) << "the second explorer was followed after the unload";
}

// An add-in connected after the host's start-up runs its start-up inside the connection; the host's
// entry gets no object from an add-in that unloaded there.
TEST_F(UnloadTest, AStartUpHandlerOfALaterConnectionThatUnloads) {
    for (const wchar_t *event : {L"Initialize", L"StartupComplete"}) {
        SCOPED_TRACE(event);
        UnloadAt(event);
        StartWord(1, ext_cm_AfterStartup);
        ExpectUnloaded();
        classlib::ComPtr<IDispatch> object;
        EXPECT_EQ(entry_->get_Object(object.Put()), S_OK);
        EXPECT_FALSE(object) << "the unloaded add-in was handed to the host's entry";
        word_.reset();
    }
}

// Begin-shutdown unloads at the host's shutdown: the shutdown stops there.
TEST_F(UnloadTest, AShutdownHandlerThatUnloads) {
    StartWord();
    UnloadAt(L"BeginShutdown");
    Stop();
    ExpectUnloaded();
    EXPECT_EQ(Log().Count(L"Finalize"), 1);
}

// The definitions are cleared at the disconnection; each pane's BeforeDestroy deletes its definition,
// or clears the definitions, on every call: what is already being destroyed is not destroyed again.
TEST_F(UnloadTest, APaneBeforeDestroyHandlerThatDeletesItsDefinitionOrClearsDuringTheDisconnection) {
    for (bool clears : {false, true}) {
        SCOPED_TRACE(clears ? "clears" : "deletes");
        StartWord(2);
        hostsim::TaskPaneFactory *factory = MakeFactory(word_->World(), word_->Application());
        ASSERT_EQ(HandOver(factory), S_OK);
        ASSERT_EQ(factory->Panes().size(), 4u);
        framework::TzidCustomTaskPanes *panes = &Panes();
        Log().Action = [&](const std::wstring &Event, classlib::TObject *Sender) {
            if (Event != L"PaneBeforeDestroy")
                return;
            if (clears)
                panes->Clear();
            else
                delete static_cast<TzidCustomTaskPane *>(Sender);
        };
        Stop();
        EXPECT_HEAPS_VALID();
        EXPECT_EQ(Log().Count(L"PaneBeforeDestroy"), 4);
        EXPECT_TRUE(factory->Panes().empty()) << "a pane was left in the host";
        EXPECT_EQ(Log().ModulesAlive, 0);
        Log().Action = nullptr;
        Log().Events.clear();
        word_.reset();
    }
}

// A pane made when the host hands over its factory after start-up, and one made at start-up: the
// loop over the definitions and windows stops with the unload.
TEST_F(UnloadTest, APaneHandlerThatUnloadsWhileThePanesAreMade) {
    for (bool atStartUp : {false, true}) {
        SCOPED_TRACE(atStartUp ? "at start-up" : "factory after start-up");
        UnloadAt(L"PaneAfterCreate");
        word_ = std::make_unique<hostsim::WordHost>(L"14.0");
        word_->NewDocument();
        word_->NewDocument();
        hostsim::TaskPaneFactory *factory = MakeFactory(word_->World(), word_->Application());
        Start(word_->World(), word_->Application(), ext_cm_Startup, atStartUp ? factory : nullptr);
        if (!atStartUp) {
            ASSERT_EQ(HandOver(factory), S_OK);
        }
        ExpectUnloaded();
        EXPECT_EQ(Log().Count(L"PaneAfterCreate"), 1) << "a pane was made after the unload";
        EXPECT_TRUE(factory->Panes().empty()) << "a pane was left in the host";
        Log().Events.clear();
        word_.reset();
    }
}

// Access builds its bars in the module's timer once a database is open; the build unloads.
TEST_F(UnloadTest, TheAccessTickWhoseBuildUnloads) {
    other_ = std::make_unique<hostsim::OtherHost>(hostsim::OtherHostKind::Access, L"11.0");
    auto *bars = other_->World().Create<hostsim::CommandBarsObject>(hostsim::catalogue::Word());
    other_->SetCommandBars(bars->Identity());
    Start(other_->World(), other_->Application());
    UnloadAt(L"Build");
    other_->OpenProject(L"C:\\Data\\Orders.mdb");
    const DWORD start = GetTickCount();
    for (MSG msg; addIn_ && GetTickCount() - start < 10000;
         MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT))
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    ExpectUnloaded();
    EXPECT_EQ(Log().Count(L"Build"), 1);
}

// Word's application events through the module's events component: a handler that unloads, and one
// that frees the component.
TEST_F(UnloadTest, AHostEventComponentsHandlerThatUnloadsOrFreesItsComponent) {
    StartWord();
    UnloadAt(L"NewDocument");
    word_->NewDocument();
    ExpectUnloaded();
    word_.reset();
    Log().Events.clear();

    StartWord();
    Log().Action = [](const std::wstring &Event, classlib::TObject *Sender) {
        if (Event == L"NewDocument")
            delete Sender;
    };
    word_->NewDocument();
    EXPECT_HEAPS_VALID();
    EXPECT_EQ(Module()->FindComponent(L"WordEvents"), nullptr);
    EXPECT_EQ(Log().Count(L"NewDocument"), 1);
}

// The host asks a tab for its label; the tab's property-change handler unloads, or frees the tab.
TEST_F(UnloadTest, ARibbonTabsPropertyChangeThatUnloadsOrFreesTheTab) {
    for (bool unloads : {true, false}) {
        SCOPED_TRACE(unloads ? "unloads" : "frees the tab");
        StartWord();
        ASSERT_EQ(CustomUI(), S_OK);
        hostsim::SimWorld &world = word_->World();
        auto *control = world.Create<hostsim::RibbonControlObject>(L"unloadTab", nullptr);
        Log().Action = [&](const std::wstring &Event, classlib::TObject *Sender) {
            if (Event != L"TabChanging")
                return;
            if (unloads)
                Unload();
            else
                delete Sender;
        };
        Callback(L"GetLabel_Callback", static_cast<IDispatch *>(control));
        EXPECT_EQ(Log().Count(L"TabChanging"), 1);
        if (unloads) {
            ExpectUnloaded();
        } else {
            EXPECT_HEAPS_VALID();
            EXPECT_EQ(Module()->FindComponent(L"UnloadTab"), nullptr);
            Stop();
        }
        Log().Events.clear();
        word_.reset();
    }
}

// The module's events of the customUI document and of the ribbon's onLoad: the document is not
// written for an add-in that unloaded before it.
TEST_F(UnloadTest, ARibbonEventThatUnloads) {
    for (const wchar_t *event : {L"RibbonBeforeCreate", L"RibbonBeforeLoad", L"RibbonLoaded"}) {
        SCOPED_TRACE(event);
        StartWord();
        UnloadAt(event);
        if (std::wstring(event) == L"RibbonLoaded") {
            auto *ribbon = word_->World().Create<hostsim::RibbonUIObject>();
            Callback(L"RibbonLoaded_Callback", static_cast<IDispatch *>(ribbon));
        } else {
            EXPECT_EQ(CustomUI(), E_UNEXPECTED) << "a document was written for an unloaded add-in";
            EXPECT_EQ(Log().Count(L"RibbonBeforeLoad"), std::wstring(event) == L"RibbonBeforeLoad" ? 1 : 0);
        }
        ExpectUnloaded();
        Log().Events.clear();
        word_.reset();
    }
}

// Code of the application reaching the module through the add-in object's private interface.
TEST_F(UnloadTest, APrivateInterfaceCallThatUnloads) {
    StartWord();
    UnloadAt(L"PrivateCall");
    classlib::OleVariant data(7);
    EXPECT_EQ(addIn_.As<framework::IzidAddInPrivate>()->ModuleCall(1, data.Ptr()), S_OK);
    ExpectUnloaded();
}

} // namespace
} // namespace unloadtest
