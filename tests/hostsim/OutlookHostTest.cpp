// What the simulated Outlook imitates of Outlook that no framework test would notice: a note's own
// subject member, a contact that is no mail item, a selection that is a snapshot. Folder walks,
// windows and item classes are read by the wrapper, command-bar and ribbon suites.
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
using testsupport::ErrorOf;

TEST(OutlookHost, ItemsAnswerByTheirClass) {
    OutlookHost host;
    SimOutlookItem *mail = host.AddItem(host.DefaultFolder(ol::olFolderInbox), ol::olMail, L"Angebot");
    SimOutlookItem *note = host.AddItem(host.DefaultFolder(ol::olFolderNotes), ol::olNote, L"Call back");
    SimOutlookItem *contact = host.AddItem(host.DefaultFolder(ol::olFolderContacts), ol::olContact, L"Anna");
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
