// The product's module in the test process: Tessary's module class and form, made by a factory like
// the library's and driven through COM as Outlook 2010 drives it, so that what its handlers do to the
// ribbon model can be read back beside the documents the host gets.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <string>

#include "TestEnvironment.h"

#include "addin/AddInModule.h"
#include "addin/ProductStrings.h"
#include "addin/TSY.h"
#include "classlib/ComServer.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/Factory.h"
#include "framework/events/EventClasses.h"
#include "framework/ribbon/HostVersion.h"
#include "framework/ribbon/RibbonModel.h"
#include "framework/shortcuts/ShortcutsEngine.h"
#include "framework/taskpanes/TaskPanesEngine.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/OutlookHost.h"

namespace {

using namespace framework;
using classlib::ComPtr;

const CLSID CLSID_TSY = {0x61ec72b0, 0x88a2, 0x4e92, {0xa6, 0x45, 0xb5, 0xcc, 0x1d, 0x54, 0x75, 0xa8}};

// The library's factory, made here: the module's form names the ribbon and host event classes.
TzidFactory &ProductFactory() {
    static const bool classesRegistered =
        (RegisterRibbonClasses(), InstallTaskPanes(), RegisterHostEventClasses(), RegisterCommandBarClasses(),
         InstallShortcuts(), true);
    static TzidFactory factory(classlib::ComServer(), classlib::TComObjectFactory::ComClass<tessary::TTSY>(),
                               CLSID_TSY, tessary::TAddInModule::StaticClass(), L"TSY",
                               L"Tessary attachment add-in");
    (void)classesRegistered;
    return factory;
}

int Office2010() {
    return 14;
}

class ProductModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Start-up writes the add-in's key: into the scratch registry.
        environment_.emplace([](const std::wstring &Text) {
            ADD_FAILURE() << "a message box: " << classlib::WideToUtf8(Text);
        });
        ASSERT_TRUE(environment_->Ready());
        previousVersion_ = SetHostVersionSource(&Office2010);

        host_.OpenExplorer(host_.DefaultFolder(hostsim::ol::olFolderInbox));
        auto *entry = host_.World().Create<hostsim::ComAddInObject>(
            L"Tessary.TSY", L"{61EC72B0-88A2-4E92-A645-B5CC1D5475A8}", L"Tessary attachment add-in");
        ASSERT_EQ(ProductFactory().CreateInstance(nullptr, __uuidof(IDTExtensibility2), addIn_.PutVoid()),
                  S_OK);
        ASSERT_EQ(addIn_->OnConnection(host_.Application(), ext_cm_Startup, static_cast<COMAddIn *>(entry),
                                       &custom_),
                  S_OK);
        ASSERT_EQ(addIn_->OnStartupComplete(&custom_), S_OK);
        module_ = dynamic_cast<tessary::TAddInModule *>(static_cast<TdivAzore *>(addIn_.Get())->Module());
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override {
        if (addIn_) {
            EXPECT_EQ(addIn_->OnBeginShutdown(&custom_), S_OK);
            EXPECT_EQ(addIn_->OnDisconnection(ext_dm_HostShutdown, &custom_), S_OK);
            addIn_.Reset();
        }
        host_.World().Shutdown();
        SetHostVersionSource(previousVersion_);
        environment_.reset();
    }

    IzidRibbonControlInternal &Node(const std::wstring &Id) {
        IzidRibbonControlInternal *node = AsRibbonNode(module_->FindRibbonObject(Id));
        if (node == nullptr)
            throw classlib::Exception(L"the module has no ribbon object " + Id);
        return *node;
    }
    std::wstring Document(const wchar_t *RibbonId) {
        classlib::TBStr id(RibbonId), xml;
        EXPECT_EQ(addIn_.As<IRibbonExtensibility>()->GetCustomUI(id.Get(), xml.Put()), S_OK);
        return xml.ToString();
    }

    hostsim::OutlookHost host_{L"14.0.0.4760"};
    ComPtr<IDTExtensibility2> addIn_;
    tessary::TAddInModule *module_ = nullptr;
    SAFEARRAY *custom_ = nullptr;

private:
    std::optional<testsupport::TTestEnvironment> environment_;
    THostVersionSource previousVersion_ = nullptr;
};

bool Has(const std::wstring &Text, const std::wstring &Part) {
    return Text.find(Part) != std::wstring::npos;
}

// The first document Outlook asks for (its explorer's) gives each mail window's tab to its own kind of
// window and the attachment manager to both, whatever the model said before: the documents asked
// for afterwards follow that. The document itself is left as it was built.
TEST_F(ProductModuleTest, TheFirstDocumentSendsEachMailTabToItsOwnWindowForTheDocumentsAfterIt) {
    const TzidRibbons read{msrOutlookMailRead}, compose{msrOutlookMailCompose};
    // A model that would show the read window's tab in the compose window as well.
    Node(L"tsyTabRead").SetRibbons({msrOutlookMailRead, msrOutlookMailCompose});
    Node(L"tsyTabCompose").SetRibbons({msrOutlookMailRead, msrOutlookMailCompose});
    EXPECT_EQ(Node(L"tsyReadManageAttachments").Ribbons(),
              (TzidRibbons{msrOutlookMailRead, msrOutlookMailCompose}));

    std::wstring explorer = Document(L"Microsoft.Outlook.Explorer");
    EXPECT_TRUE(Has(explorer, L"idMso=\"TabMail\"")) << classlib::WideToUtf8(explorer);
    EXPECT_EQ(Node(L"tsyTabRead").Ribbons(), read);
    EXPECT_EQ(Node(L"tsyTabCompose").Ribbons(), compose);
    EXPECT_EQ(Node(L"tsyReadReply").Ribbons(), read) << "the tab's kinds reach its controls";
    EXPECT_EQ(Node(L"tsyReadManageAttachments").Ribbons(),
              (TzidRibbons{msrOutlookMailRead, msrOutlookMailCompose}));
    EXPECT_EQ(Node(L"tsyComposeZip").Ribbons(), compose);

    std::wstring mailRead = Document(L"Microsoft.Outlook.Mail.Read");
    EXPECT_TRUE(Has(mailRead, L"id=\"tsyTabRead\"") && Has(mailRead, L"id=\"tsyReadManageAttachments\""));
    EXPECT_FALSE(Has(mailRead, L"tsyTabCompose"));
    std::wstring mailCompose = Document(L"Microsoft.Outlook.Mail.Compose");
    EXPECT_TRUE(Has(mailCompose, L"id=\"tsyTabCompose\""));
    EXPECT_FALSE(Has(mailCompose, L"tsyTabRead"));

    std::wstring xml = L"<customUI/>";
    module_->zidCOMAddInModuleRibbonBeforeLoad(module_, L"Microsoft.Outlook.Explorer", xml);
    EXPECT_EQ(xml, L"<customUI/>");
}

// The mail windows' tabs take their captions from the library's string table at start-up, whatever
// they held before; a text the table does not hold raises.
TEST_F(ProductModuleTest, TheTabCaptionsComeFromTheStringTableAtStartup) {
    Node(L"tsyTabRead").SetCaption(L"Lesen");
    Node(L"tsyTabCompose").SetCaption(L"Verfassen");
    module_->zidCOMAddInModuleAddInStartupComplete(module_);
    EXPECT_EQ(Node(L"tsyTabRead").Caption(), L"Anh\u00e4nge");
    EXPECT_EQ(Node(L"tsyTabCompose").Caption(), L"Anh\u00e4nge");
    EXPECT_EQ(Node(L"tsyTabExplorer").Caption(), L"") << "Outlook's own tab keeps its caption";
    EXPECT_EQ(tessary::ProductString(IDS_TAB_READ_CAPTION), L"Anh\u00e4nge");
    EXPECT_THROW(tessary::ProductString(25999), classlib::EResNotFound);
}

// The product's command bars: the Standard toolbar's reply popup, the explorer's, inspector's and
// Word's bars, each button bound to its handler; Outlook 2010 builds none of them (none is meant for
// the ribbon).
TEST_F(ProductModuleTest, TheCommandBarsAreInTheFormWithTheirHandlersAndStayOutOfOutlook2010) {
    auto bar = [this](const wchar_t *Name) {
        return dynamic_cast<TzidCustomCommandBar *>(module_->FindComponent(Name));
    };
    ASSERT_NE(bar(L"zidOlExplorerCommandbar1"), nullptr);
    TzidCommandBarPopup *reply = bar(L"zidOlExplorerCommandbar1")->Controls()->Items(0)->AsCommandBarPopup();
    ASSERT_NE(reply, nullptr);
    ASSERT_EQ(reply->Controls()->Count(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_TRUE(static_cast<bool>(reply->Controls()->Items(i)->AsCommandBarButton()->OnClick));
    for (const wchar_t *name :
         {L"zidOlExplorerCommandbar2", L"zidOlInspectorCommandbar1", L"zidWordCommandbar1"}) {
        ASSERT_NE(bar(name), nullptr) << name;
        EXPECT_TRUE(static_cast<bool>(bar(name)->Controls()->Items(0)->AsCommandBarButton()->OnClick))
            << name;
        EXPECT_FALSE(bar(name)->CommandBarInterface()) << name;
    }
    EXPECT_TRUE(bar(L"zidWordCommandbar1")->SupportedApps() == TzidHostAppSet{ohaWord});
}

} // namespace
