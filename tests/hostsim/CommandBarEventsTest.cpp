// Command-bar events as Office fires them (Click to every button object with the clicked control's
// tag, CancelDefault shared by reference; Change; OnUpdate) and the button pictures.
#include <gtest/gtest.h>

#include "SimBarControls.h"
#include "SimTestSink.h"
#include <olectl.h>

#include "classlib/Bitmap.h"
#include "classlib/OleString.h"
#include "hostsim/CommandBarCatalog.h"
#include "hostsim/CommandBarFace.h"
#include "hostsim/CommandBarsObject.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::OleVariant;
using classlib::TBStr;
using hostsim_test::AddControl;
using hostsim_test::TestSink;

namespace {

const OleVariant M = OleVariant::Missing();

ComPtr<TestSink> Advise(IUnknown *source, REFIID events) {
    auto sink = classlib::Make<TestSink>(events);
    EXPECT_EQ(S_OK, sink->Connect(source));
    return sink;
}

// An explorer and an inspector of one Outlook: one host, two sets of bars.
class CommandBarEventsTest : public testing::Test {
protected:
    SimWorld world{L"Outlook"};
    std::shared_ptr<CommandBarHost> host = std::make_shared<CommandBarHost>(world);
    CommandBarsObject *explorer = world.Create<CommandBarsObject>(catalogue::OutlookExplorer(), host);
    CommandBarsObject *inspector = world.Create<CommandBarsObject>(catalogue::OutlookInspector(), host);
    ComPtr<_CommandBars> explorerBars = ComPtr<_CommandBars>::Copy(explorer);
    ComPtr<_CommandBars> inspectorBars = ComPtr<_CommandBars>::Copy(inspector);
};

TEST_F(CommandBarEventsTest, ClickReachesEverySameTagButtonWithCancelDefaultSharedByReference) {
    ComPtr<CommandBarControl> mine = AddControl(explorerBars.Get(), L"Standard", msoControl::Button, L"zip");
    ComPtr<CommandBarControl> twin = AddControl(inspectorBars.Get(), L"Standard", msoControl::Button, L"zip");
    ComPtr<CommandBarControl> other =
        AddControl(explorerBars.Get(), L"Advanced", msoControl::Button, L"other");
    ComPtr<TestSink> mineSink = Advise(mine.Get(), DIID__CommandBarButtonEvents);
    ComPtr<TestSink> twinSink = Advise(twin.Get(), DIID__CommandBarButtonEvents);
    ComPtr<TestSink> otherSink = Advise(other.Get(), DIID__CommandBarButtonEvents);
    mineSink->reaction = [](DISPID, DISPPARAMS *params) { *hostsim_test::RefBool(params, 1) = VARIANT_TRUE; };
    SimObject *mineObject = SimObject::FromUnknown(mine.Get());

    EXPECT_FALSE(explorer->UserClick(explorer->ControlOf(mine.Get()))) << "cancelled: no default action";
    std::wstring ctrl = mineObject->Name();
    EXPECT_EQ((std::vector<std::wstring>{L"Click(" + ctrl + L", False)"}), mineSink->events);
    EXPECT_EQ((std::vector<std::wstring>{L"Click(" + ctrl + L", True)"}), twinSink->events)
        << "the twin in the other window sees the clicked control and the cancel the first sink set";
    EXPECT_TRUE(otherSink->events.empty());
    EXPECT_EQ(0, world.Log().Count(ctrl, L"DefaultAction"));

    // Clicking the twin: Ctrl is the twin now, and nobody cancels the second time.
    mineSink->reaction = nullptr;
    ASSERT_EQ(S_OK, mine->put_OnAction(TBStr(L"!<Zip.AddIn>").Get()));
    EXPECT_TRUE(inspector->UserClick(inspector->ControlOf(twin.Get())));
    std::wstring twinName = SimObject::FromUnknown(twin.Get())->Name();
    EXPECT_EQ(L"Click(" + twinName + L", False)", mineSink->events.back());
    EXPECT_EQ(1, world.Log().Count(twinName, L"DefaultAction"));

    // A sink that deletes the controls while the event runs: the rest still arrives, nothing breaks.
    mineSink->reaction = [&](DISPID, DISPPARAMS *) { EXPECT_EQ(S_OK, twin->Delete(M.Var())); };
    EXPECT_TRUE(explorer->UserClick(explorer->ControlOf(mine.Get())));
    EXPECT_EQ(2u, twinSink->events.size()) << "the deleted twin's sinks hear nothing more";

    mineSink->Disconnect();
    twinSink->Disconnect();
    otherSink->Disconnect();
}

TEST_F(CommandBarEventsTest, ExecuteFiresClickAndActionControlNamesTheRunningControl) {
    ComPtr<CommandBarControl> button = AddControl(explorerBars.Get(), L"Standard", msoControl::Button, L"b");
    ComPtr<TestSink> sink = Advise(button.Get(), DIID__CommandBarButtonEvents);
    ComPtr<CommandBarControl> during;
    sink->reaction = [&](DISPID, DISPPARAMS *) {
        EXPECT_EQ(S_OK, explorerBars->get_ActionControl(during.Put()));
    };
    ASSERT_EQ(S_OK, button->Execute());
    EXPECT_EQ(1u, sink->events.size());
    EXPECT_EQ(button, during);
    ComPtr<CommandBarControl> after;
    ASSERT_EQ(S_OK, explorerBars->get_ActionControl(after.Put()));
    EXPECT_FALSE(after);

    ASSERT_EQ(S_OK, button->put_Enabled(VARIANT_FALSE));
    EXPECT_EQ(E_FAIL, button->Execute());
    EXPECT_EQ(1u, sink->events.size());
    sink->Disconnect();
}

TEST_F(CommandBarEventsTest, ChangeOfComboBoxesReachesSameTagListControls) {
    ComPtr<CommandBarControl> combo =
        AddControl(explorerBars.Get(), L"Standard", msoControl::ComboBox, L"pick");
    ComPtr<CommandBarControl> twin =
        AddControl(inspectorBars.Get(), L"Standard", msoControl::ComboBox, L"pick");
    ComPtr<CommandBarControl> button =
        AddControl(explorerBars.Get(), L"Standard", msoControl::Button, L"pick");
    ComPtr<_CommandBarComboBox> box = combo.As<_CommandBarComboBox>();
    ASSERT_EQ(S_OK, box->AddItem(TBStr(L"one").Get(), M.Var()));
    ASSERT_EQ(S_OK, box->AddItem(TBStr(L"two").Get(), M.Var()));
    ComPtr<TestSink> sink = Advise(combo.Get(), DIID__CommandBarComboBoxEvents);
    ComPtr<TestSink> twinSink = Advise(twin.Get(), DIID__CommandBarComboBoxEvents);
    ComPtr<TestSink> buttonSink = Advise(button.Get(), DIID__CommandBarButtonEvents);
    std::wstring seen;
    sink->reaction = [&](DISPID, DISPPARAMS *params) {
        ComPtr<_CommandBarComboBox> ctrl =
            ComPtr<IDispatch>::Copy(params->rgvarg[0].pdispVal).As<_CommandBarComboBox>();
        TBStr text;
        EXPECT_EQ(S_OK, ctrl->get_Text(text.Put()));
        seen = text.ToString();
    };

    explorer->UserSelect(explorer->ControlOf(combo.Get()), 2);
    EXPECT_EQ(L"two", seen) << "the sink reads the new text through Ctrl";
    std::wstring name = SimObject::FromUnknown(combo.Get())->Name();
    EXPECT_EQ((std::vector<std::wstring>{L"Change(" + name + L")"}), sink->events);
    EXPECT_EQ((std::vector<std::wstring>{L"Change(" + name + L")"}), twinSink->events);
    EXPECT_TRUE(buttonSink->events.empty()) << "a button with the same tag has no Change";
    long index = 0;
    EXPECT_EQ(S_OK, box->get_ListIndex(&index));
    EXPECT_EQ(2, index);

    explorer->UserType(explorer->ControlOf(combo.Get()), L"typed");
    EXPECT_EQ(L"typed", seen);
    EXPECT_EQ(S_OK, box->get_ListIndex(&index));
    EXPECT_EQ(0, index);

    // Programs change lists without events.
    ASSERT_EQ(S_OK, box->put_ListIndex(1));
    ASSERT_EQ(S_OK, box->put_Text(TBStr(L"set").Get()));
    EXPECT_EQ(2u, sink->events.size());
    sink->Disconnect();
    twinSink->Disconnect();
    buttonSink->Disconnect();
}

TEST_F(CommandBarEventsTest, OnUpdateAndEventInterfacesOfEachKind) {
    ComPtr<TestSink> sink = Advise(explorerBars.Get(), DIID__CommandBarsEvents);
    EXPECT_EQ(1, explorer->FireOnUpdate());
    EXPECT_EQ((std::vector<std::wstring>{L"OnUpdate()"}), sink->events);
    EXPECT_EQ(0, inspector->FireOnUpdate());
    sink->Disconnect();

    ComPtr<CommandBarControl> popup = AddControl(explorerBars.Get(), L"Standard", msoControl::Popup, L"p");
    ComPtr<IConnectionPointContainer> container = popup.TryAs<IConnectionPointContainer>();
    EXPECT_FALSE(container) << "a popup has no events";
    ComPtr<CommandBarControl> button = AddControl(explorerBars.Get(), L"Standard", msoControl::Button, L"b");
    ComPtr<IConnectionPoint> point;
    EXPECT_EQ(CONNECT_E_NOCONNECTION, button.As<IConnectionPointContainer>()->FindConnectionPoint(
                                          DIID__CommandBarComboBoxEvents, point.Put()));
}

class CommandBarFaceTest : public testing::Test {
protected:
    SimWorld world{L"Word"};
    CommandBarsObject *sim = world.Create<CommandBarsObject>(catalogue::Word());
    ComPtr<_CommandBars> bars = ComPtr<_CommandBars>::Copy(sim);
};

TEST_F(CommandBarFaceTest, PictureReadsSucceedWithoutAPictureAndBuiltInFacesComeBack) {
    ComPtr<CommandBarControl> save;
    ASSERT_EQ(S_OK, bars->FindControl(M.Var(), OleVariant(static_cast<int>(catalogue::id::Save)).Var(),
                                      M.Var(), M.Var(), save.Put()));
    ComPtr<_CommandBarButton> button = save.As<_CommandBarButton>();
    ComPtr<IPictureDisp> picture, mask;
    EXPECT_EQ(S_OK, button->get_Picture(picture.Put())) << "a later host answers Picture for any button";
    EXPECT_EQ(S_OK, button->get_Mask(mask.Put()));
    VARIANT_BOOL builtInFace = VARIANT_FALSE;
    EXPECT_EQ(S_OK, button->get_BuiltInFace(&builtInFace));
    EXPECT_EQ(VARIANT_TRUE, builtInFace);
    ASSERT_EQ(S_OK, button->put_Picture(picture.Get()));
    EXPECT_EQ(S_OK, button->get_BuiltInFace(&builtInFace));
    EXPECT_EQ(VARIANT_FALSE, builtInFace);
    EXPECT_EQ(E_INVALIDARG, button->put_BuiltInFace(VARIANT_FALSE));
    ASSERT_EQ(S_OK, button->put_BuiltInFace(VARIANT_TRUE));
    long faceId = 0;
    EXPECT_EQ(S_OK, button->get_FaceId(&faceId));
    EXPECT_EQ(catalogue::id::Save, faceId);
}

TEST_F(CommandBarFaceTest, PictureKeepsACopyOfAnImageTheCallerFreesAfterwards) {
    ComPtr<_CommandBarButton> button =
        AddControl(bars.Get(), L"Standard", msoControl::Button, L"glyph").As<_CommandBarButton>();
    classlib::TBitmap glyph;
    glyph.SetSize(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            glyph.SetPixels(x, y, RGB(0, 120, 240));
    // As the framework makes it: a picture that does not own the glyph's bitmap.
    PICTDESC description{};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = glyph.Handle();
    ComPtr<IPictureDisp> borrowed;
    ASSERT_EQ(S_OK, OleCreatePictureIndirect(&description, IID_IPictureDisp, FALSE, borrowed.PutVoid()));
    ASSERT_EQ(S_OK, button->put_Picture(borrowed.Get()));
    borrowed = nullptr;
    glyph.SetSize(0, 0); // the glyph's bitmap is gone

    ComPtr<IPictureDisp> kept;
    ASSERT_EQ(S_OK, button->get_Picture(kept.Put()));
    classlib::TBitmap image;
    face::FromPicture(kept.Get(), image);
    EXPECT_EQ(RGB(0, 120, 240), image.Pixels(3, 3));
    EXPECT_EQ(S_OK, button->put_Picture(nullptr)) << "Nothing removes the picture";
}

} // namespace
