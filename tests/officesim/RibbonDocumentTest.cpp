// The checks Office makes of an add-in's customUI document before it shows anything, and what
// officesim keeps of it: the controls with the ids their IRibbonControl answers, and their callbacks.
#include <gtest/gtest.h>

#include "officesim/RibbonDocument.h"

using namespace officesim;

namespace {

const std::wstring kOpen2006 = L"<customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\"";
const std::wstring kOpen2009 = L"<customUI xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\"";

std::wstring RefusalOf(const std::wstring &xml, int version, const std::wstring &root = L"customUI") {
    try {
        RibbonDocument::Parse(xml, root, version);
    } catch (const classlib::Exception &e) {
        return e.Message();
    }
    return L"(accepted)";
}

TEST(RibbonDocument, KeepsControlsWithTheIdsOfficePassesAndTheirCallbacks) {
    RibbonDocument document = RibbonDocument::Parse(
        kOpen2006 +
            L" xmlns:x=\"urn:addin\" onLoad=\"Loaded\" loadImage=\"Images\"><ribbon><tabs>"
            L"<tab idMso=\"TabMail\"><group idQ=\"x:Group\" getLabel=\"Label\">"
            L"<button id=\"Zip\" tag=\"zip-tag\" image=\"zip\" getEnabled=\"Enabled\" onAction=\"Act\" "
            L"label=\"Zip\" getLabel=\"Label\"/>"
            L"<button id=\"Mail\" image=\"zip\"/><button id=\"Print\" image=\"print\"/>"
            L"</group></tab></tabs></ribbon></customUI>",
        L"customUI", 12);
    EXPECT_EQ(L"Loaded", *document.RootCallback(L"onLoad"));
    EXPECT_EQ(L"Images", *document.RootCallback(L"loadImage"));
    const auto &controls = document.Controls();
    ASSERT_EQ(5u, controls.size());
    EXPECT_EQ(L"TabMail", controls[0].id);
    EXPECT_TRUE(controls[0].builtIn);
    EXPECT_EQ(L"Group", controls[1].id) << "idQ without its namespace prefix";
    EXPECT_FALSE(controls[1].builtIn);
    const RibbonControl *zip = document.Find(L"Zip");
    ASSERT_NE(nullptr, zip);
    EXPECT_EQ(L"button", zip->element);
    EXPECT_EQ(L"zip-tag", zip->tag);
    ASSERT_EQ(3u, zip->callbacks.size()) << "label, tag and image are no callbacks";
    EXPECT_EQ(L"getEnabled", zip->callbacks[0].first);
    EXPECT_EQ(L"Act", *zip->Callback(L"onAction"));
    EXPECT_EQ(L"getLabel", zip->callbacks[2].first);
    EXPECT_EQ((std::vector<std::wstring>{L"zip", L"print"}), document.Images());
    EXPECT_EQ(nullptr, document.Find(L"zip"));
}

TEST(RibbonDocument, NamespaceMustBeOneTheHostVersionKnows) {
    const std::wstring doc2009 = kOpen2009 + L"/>";
    EXPECT_EQ(L"(accepted)", RefusalOf(doc2009, 14));
    EXPECT_EQ(L"Office 12 does not know the namespace http://schemas.microsoft.com/office/2009/07/customui "
              L"(it came "
              L"with Office 14)",
              RefusalOf(doc2009, 12));
    EXPECT_EQ(L"(accepted)", RefusalOf(kOpen2006 + L"/>", 12));
    EXPECT_EQ(L"unknown namespace urn:other", RefusalOf(L"<customUI xmlns=\"urn:other\"/>", 14));
    EXPECT_EQ(L"<customUI> declares no namespace", RefusalOf(L"<customUI/>", 14));
    EXPECT_EQ(
        L"(accepted)",
        RefusalOf(L"<m:customUI xmlns:m=\"http://schemas.microsoft.com/office/2006/01/customui\"/>", 12))
        << "a prefixed root takes its prefix's namespace";
    EXPECT_EQ(L"<m:customUI> declares no namespace",
              RefusalOf(L"<m:customUI xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\"/>", 12));
}

TEST(RibbonDocument, RootNameAndUniqueIdsAreChecked) {
    EXPECT_EQ(L"the root element is <customUI>, not <menu>", RefusalOf(kOpen2006 + L"/>", 14, L"menu"));
    EXPECT_EQ(
        L"(accepted)",
        RefusalOf(
            L"<menu xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\"><button id=\"a\"/></menu>",
            14, L"menu"));
    EXPECT_EQ(L"the id a is given twice (lines 2 and 3)",
              RefusalOf(kOpen2006 + L">\n<button id=\"a\"/>\n<group id=\"a\"/></customUI>", 14));
    EXPECT_EQ(L"(accepted)",
              RefusalOf(kOpen2006 + L"><button idMso=\"Copy\"/><button idMso=\"Copy\"/></customUI>", 14))
        << "built-in controls may appear more than once";
    EXPECT_EQ(L"an empty id (line 1)", RefusalOf(kOpen2006 + L"><button id=\"\"/></customUI>", 14));
    EXPECT_EQ(L"line 1, column 1: <customUI> is not closed", RefusalOf(kOpen2006 + L">", 14));
}

} // namespace
