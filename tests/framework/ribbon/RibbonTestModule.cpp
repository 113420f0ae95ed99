#include "RibbonTestModule.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "classlib/ImageList.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"
#include "framework/taskpanes/TaskPanesEngine.h"

namespace ribbontest {

using Self = TRibbonTestModule;

CLASSLIB_DEFINE_CLASS(TRibbonTestModule, TRecordingModule, b.Method<&Self::RibbonClick>(L"RibbonClick");
                      b.Method<&Self::RibbonChange>(L"RibbonChange");
                      b.Method<&Self::MenuCreate>(L"MenuCreate"))

TRibbonTestModule::TRibbonTestModule(classlib::TComponent *AOwner) : TRecordingModule(AOwner) {
    SetSupportedApps({framework::ohaWord, framework::ohaOutlook});
    OnError = classlib::MakeEvent<&Self::ModuleError>(this);
}

void TRibbonTestModule::Record(const std::wstring &What, classlib::TObject *Sender) {
    Log.push_back(What + L":" + IdOf(Sender));
    if (auto *control = dynamic_cast<framework::TzidRibbonCustomControl *>(Sender))
        SawInAction = control->InAction();
    if (FailHandlers)
        throw classlib::Exception(What + L" failed");
}

void TRibbonTestModule::RibbonClick(classlib::TObject *Sender, IRibbonControl *RibbonControl) {
    Reentered(Sender, RibbonControl);
    Record(L"Click", Sender);
}

void TRibbonTestModule::RibbonChange(classlib::TObject *Sender, IRibbonControl *) {
    Record(L"Change", Sender);
}

void TRibbonTestModule::MenuCreate(classlib::TObject *Sender) {
    Record(L"Create", Sender);
}

void RibbonTest::SetUp() {
    framework::RegisterRibbonClasses();
    framework::InstallTaskPanes();
    classlib::RegisterClass(TRibbonTestModule::StaticClass());
    classlib::RegisterClass(classlib::TImageList::StaticClass());
    // The form is read by the tests themselves: only the first construction phase.
    module_ = new TRibbonTestModule(nullptr);
}

void RibbonTest::TearDown() {
    classlib::Free(module_);
    module_ = nullptr;
}

framework::TzidRibbonTab *RibbonTest::NewTab() {
    return new framework::TzidRibbonTab(module_);
}

void RibbonGroupTest::SetUp() {
    RibbonTest::SetUp();
    tab_ = NewTab();
    tab_->SetId(L"Tab");
    group_ = static_cast<framework::TzidRibbonGroup *>(tab_->Controls()->Add());
    group_->SetId(L"Group");
}

hostsim::RibbonUIObject &RibbonTest::ConnectRibbonUI() {
    auto *ribbon = world_.Create<hostsim::RibbonUIObject>();
    module_->SetRibbonUI(classlib::ComPtr<IRibbonUI>::Copy(ribbon));
    return *ribbon;
}

void RibbonTest::ReadForm(const std::wstring &Text) {
    classlib::ReadComponentForm(Text, module_);
}

std::wstring RibbonTest::WriteForm() {
    return classlib::WriteComponentForm(module_);
}

std::wstring EveryClassForm() {
    return L"object Module: TRibbonTestModule\n"
           L"  SupportedApps = [ohaWord, ohaOutlook]\n"
           L"  object Images: TImageList\n"
           L"  end\n"
           L"  object Tab1: TzidRibbonTab\n"
           L"    Images = Images\n"
           L"    Caption = 'Anh'#228'nge'\n"
           L"    Id = 'tsyTab'\n"
           L"    KeyTip = 'AN'\n"
           L"    OnPropertyChanging = PropertyChanging\n"
           L"    Ribbons = [msrOutlookMailRead, msrOutlookMailCompose, msrOutlookExplorer]\n"
           L"    Controls = < item\n"
           L"      Id = 'tsyGroup'\n"
           L"      InsertAfterIdMso = 'GroupMailRespond'\n"
           L"      AutoScale = True\n"
           L"      Caption = 'Tessary'\n"
           L"      Ribbons = [msrOutlookMailRead, msrOutlookExplorer]\n"
           L"      ControlTypes = " +
           Codes({7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 5, 6, 18}) +
           L"\n"
           L"      Controls_ = <\n"
           L"        item Id = 'tsyReply' ImageMso = 'Reply' Size = csLarge OnClick = RibbonClick Caption = "
           L"'Antworten' end\n"
           L"        item Id = 'tsySplit' ToggleButton = True OnClick = RibbonClick\n"
           L"          Controls = < item Id = 'tsySplitMenu' Ribbons = [msrOutlookMailRead] ControlTypes = " +
           Codes({7, 17}) +
           L"\n"
           L"            Controls_ = < item Id = 'tsyInSplit' end item Id = 'tsyTitle' Caption = 'Mehr' end "
           L"> "
           L"end >\n"
           L"        end\n"
           L"        item Id = 'tsyLabel' ShowCaption = False Caption = 'Hinweis' end\n"
           L"        item Id = 'tsyCheck' Pressed = True OnClick = RibbonClick end\n"
           L"        item Id = 'tsyEdit' MaxLength = 20 SizeString = 'WWWW' Text = 'x' OnChange = "
           L"RibbonChange "
           L"end\n"
           L"        item Id = 'tsyCombo' Items = < item Id = 'tsyC1' Caption = 'eins' end item Caption = "
           L"'zwei' end >\n"
           L"          OnItemPropertyChanging = ItemPropertyChanging end\n"
           L"        item Id = 'tsyDrop' SelectedItemIndex = 1 ShowItemCaption = False\n"
           L"          Items = < item Caption = 'a' ImageIndex = 0 end >\n"
           L"          Controls = < item Id = 'tsyDropButton' end > end\n"
           L"        item Id = 'tsyGallery' Columns = 3 Rows = 2 ItemHeight = 32 Description = 'Bilder' end\n"
           L"        item Id = 'tsyInsert' Dynamic = True ItemSize = isLarge OnCreate = MenuCreate Title = "
           L"'T'\n"
           L"          ControlTypes = " +
           Codes({}) +
           L" Controls_ = < > end\n"
           L"        item Id = 'tsySep' end\n"
           L"        item Id = 'tsyBox' BoxStyle = bsVertical ControlTypes = " +
           Codes({7}) +
           L" Controls_ = < item Id = 'tsyInBox' end > end\n"
           L"        item Id = 'tsyButtons' ControlTypes = " +
           Codes({7, 16}) +
           L"\n"
           L"          Controls_ = < item Id = 'tsyB1' end item Id = 'tsyB2' end > end\n"
           L"        item Id = 'tsyLauncher' SuperTip = 'Optionen' OnClick = RibbonClick end\n"
           L"      >\n"
           L"    end >\n"
           L"  end\n"
           L"end\n";
}

} // namespace ribbontest
