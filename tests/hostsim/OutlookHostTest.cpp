// The simulated Outlook's object model, called late-bound the way the framework calls it: the
// session's folders and items, windows and their collections. Identity and the members the wrappers
// read are the wrapper suite's.
#include <gtest/gtest.h>

#include "classlib/LateBinding.h"
#include "hostsim/OutlookHost.h"
#include "office/office.h"

#include "ErrorOf.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::DispCall;
using classlib::DispGet;
using classlib::DispPut;
using classlib::OleVariant;
using testsupport::ErrorOf;

namespace {

ComPtr<IDispatch> Obj(IDispatch *disp, const wchar_t *name, classlib::OleArgs args = {}) {
    return DispCall(disp, name, args).ToDispatch();
}

} // namespace

TEST(OutlookHost, FoldersWalkUpToTheNameSpace) {
    OutlookHost host;
    SimOutlookFolder *box = host.AddStore(L"Postfach - A");
    SimOutlookFolder *posteingang = host.AddFolder(box, L"Posteingang", ol::olMailItem);
    SimOutlookFolder *contacts = host.DefaultFolder(ol::olFolderContacts);
    EXPECT_EQ(DispGet(contacts, L"DefaultItemType").ToInt(), 2);
    EXPECT_EQ(DispGet(contacts, L"Class").ToInt(), 2);

    // The walk the framework makes for a folder path: Name, then Parent as a folder, until the
    // parent is no folder (the store's parent is the NameSpace).
    std::wstring path;
    auto folder = ComPtr<IDispatch>::Copy(posteingang);
    while (folder) {
        path = L"\\" + DispGet(folder.Get(), L"Name").ToString() + path;
        folder = DispGet(folder.Get(), L"Parent").ToDispatch().TryAs<IDispatch>(DIID_OutlookMAPIFolder);
    }
    EXPECT_EQ(path, L"\\Postfach - A\\Posteingang");

    DispPut(posteingang, L"Name", L"Eingang");
    EXPECT_EQ(posteingang->FolderName(), L"Eingang");
    EXPECT_EQ(DispCall(&host.NameSpace(), L"GetDefaultFolder", {6}).ToDispatch().Get(),
              static_cast<IDispatch *>(host.DefaultFolder(ol::olFolderInbox)));
    EXPECT_EQ(DispGet(posteingang, L"EntryID").ToString().size(), 48u);
}

TEST(OutlookHost, ItemsAnswerByTheirClass) {
    OutlookHost host;
    SimOutlookItem *mail = host.AddItem(host.DefaultFolder(ol::olFolderInbox), ol::olMail, L"Angebot");
    SimOutlookItem *note = host.AddItem(host.DefaultFolder(ol::olFolderNotes), ol::olNote, L"Call back");
    SimOutlookItem *contact = host.AddItem(host.DefaultFolder(ol::olFolderContacts), ol::olContact, L"Anna");
    SimOutlookItem *sms =
        host.AddItem(host.DefaultFolder(ol::olFolderInbox), ol::olMail, L"Hi", L"IPM.Note.Mobile.SMS");

    EXPECT_EQ(DispGet(mail, L"Class").ToInt(), 43);
    EXPECT_EQ(DispGet(mail, L"MessageClass").ToString(), L"IPM.Note");
    EXPECT_EQ(DispGet(sms, L"MessageClass").ToString(), L"IPM.Note.Mobile.SMS");
    DispPut(mail, L"Subject", L"Angebot 2");
    EXPECT_EQ(mail->Subject(), L"Angebot 2");

    // A note's subject has its own id and cannot be set.
    EXPECT_EQ(DispGet(note, L"Class").ToInt(), 44);
    EXPECT_EQ(DispGet(note, 0xF7A0).ToString(), L"Call back");
    EXPECT_EQ(ErrorOf([&] { DispGet(note, 0x37); }), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(ErrorOf([&] { DispPut(note, L"Subject", L"x"); }), DISP_E_MEMBERNOTFOUND);

    // A contact reads like any item, but is no mail item.
    EXPECT_EQ(DispGet(contact, L"Class").ToInt(), 40);
    EXPECT_EQ(DispGet(contact, L"Subject").ToString(), L"Anna");
    ComPtr<IUnknown> asMail;
    EXPECT_EQ(contact->Identity()->QueryInterface(DIID_OutlookMailItem, asMail.PutVoid()), E_NOINTERFACE);
    EXPECT_EQ(mail->Identity()->QueryInterface(DIID_OutlookMailItem, asMail.PutVoid()), S_OK);
}

TEST(OutlookHost, WindowsCollectionsAndActivation) {
    OutlookHost host;
    SimOutlookItem *mail = host.AddItem(host.DefaultFolder(ol::olFolderInbox), ol::olMail, L"Angebot");
    SimOutlookExplorer *inbox = host.OpenExplorer(host.DefaultFolder(ol::olFolderInbox));
    SimOutlookExplorer *calendar = host.OpenExplorer(host.DefaultFolder(ol::olFolderCalendar));
    SimOutlookInspector *inspector = host.OpenInspector(mail);
    IDispatch *app = host.Application();

    ComPtr<IDispatch> explorers = DispGet(app, L"Explorers").ToDispatch();
    EXPECT_EQ(DispGet(explorers.Get(), L"Count").ToInt(), 2);
    EXPECT_EQ(DispCall(explorers.Get(), L"Item", {1}).ToDispatch().Get(), static_cast<IDispatch *>(inbox));
    EXPECT_EQ(ErrorOf([&] { DispCall(explorers.Get(), L"Item", {3}); }), E_INVALIDARG);
    // The inspector is on top; ActiveExplorer is still the explorer activated last.
    EXPECT_EQ(Obj(app, L"ActiveWindow").Get(), static_cast<IDispatch *>(inspector));
    EXPECT_EQ(Obj(app, L"ActiveExplorer").Get(), static_cast<IDispatch *>(calendar));
    EXPECT_EQ(Obj(app, L"ActiveInspector").Get(), static_cast<IDispatch *>(inspector));
    DispCall(inbox, L"Activate");
    EXPECT_EQ(Obj(app, L"ActiveWindow").Get(), static_cast<IDispatch *>(inbox));
    EXPECT_EQ(Obj(app, L"ActiveExplorer").Get(), static_cast<IDispatch *>(inbox));

    // Each window its own handle, a real window of this thread.
    HWND handles[3] = {};
    SimOutlookWindow *windows[3] = {inbox, calendar, inspector};
    for (int i = 0; i < 3; ++i) {
        ComPtr<IOleWindow> ole =
            ComPtr<IUnknown>::Copy(windows[i]->Identity()).As<IOleWindow>(IID_IOleWindow);
        ASSERT_EQ(ole->GetWindow(&handles[i]), S_OK);
        EXPECT_TRUE(IsWindow(handles[i]));
        EXPECT_EQ(GetWindowThreadProcessId(handles[i], nullptr), GetCurrentThreadId());
    }
    EXPECT_NE(handles[0], handles[1]);
    EXPECT_NE(handles[1], handles[2]);

    EXPECT_EQ(DispGet(inspector, L"CurrentItem").ToDispatch().Get(), static_cast<IDispatch *>(mail));
    EXPECT_EQ(DispGet(inspector, L"Class").ToInt(), 35);
    EXPECT_EQ(DispGet(inspector, L"Caption").ToString(), L"Angebot - Message");
    EXPECT_EQ(DispGet(calendar, L"CurrentFolder").ToDispatch().Get(),
              static_cast<IDispatch *>(host.DefaultFolder(ol::olFolderCalendar)));

    // A closed window leaves its collection, and calls on it fail as on a window that has gone.
    auto held = ComPtr<IDispatch>::Copy(calendar);
    DispCall(calendar, L"Close");
    EXPECT_EQ(DispGet(explorers.Get(), L"Count").ToInt(), 1);
    EXPECT_EQ(ErrorOf([&] { DispGet(held.Get(), L"Caption"); }), RPC_E_DISCONNECTED);
    EXPECT_FALSE(IsWindow(handles[1]));
}

TEST(OutlookHost, SelectionIsASnapshot) {
    OutlookHost host;
    SimOutlookFolder *inbox = host.DefaultFolder(ol::olFolderInbox);
    SimOutlookItem *a = host.AddItem(inbox, ol::olMail, L"A");
    SimOutlookItem *b = host.AddItem(inbox, ol::olMail, L"B");
    SimOutlookExplorer *explorer = host.OpenExplorer(inbox);
    host.Select(explorer, {a, b});
    ComPtr<IDispatch> selection = DispGet(explorer, L"Selection").ToDispatch();
    host.Select(explorer, {});
    EXPECT_EQ(DispGet(selection.Get(), L"Count").ToInt(), 2);
    EXPECT_EQ(DispCall(selection.Get(), L"Item", {2}).ToDispatch().Get(), static_cast<IDispatch *>(b));
    EXPECT_EQ(DispGet(DispGet(explorer, L"Selection").ToDispatch().Get(), L"Count").ToInt(), 0);
}
