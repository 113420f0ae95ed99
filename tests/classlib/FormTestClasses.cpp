#include "FormTestClasses.h"

namespace formtest {

int liveComponents = 0;
std::vector<std::wstring> loadLog;

CLASSLIB_DEFINE_CLASS(TGlyph, TPersistent,
                      b.Property(L"Width", &TGlyph::Width, &TGlyph::SetWidth).Default(16))

CLASSLIB_DEFINE_CLASS(TTestItem, TCollectionItem,
                      b.Property(L"Caption", &TTestItem::Caption, &TTestItem::SetCaption);
                      b.Property(L"Value", &TTestItem::Value, &TTestItem::SetValue).Default(0))

CLASSLIB_DEFINE_CLASS(TTab, TComponent, b.Property(L"Caption", &TTab::Caption, &TTab::SetCaption);
                      b.Property(L"Ribbons", &TTab::Ribbons, &TTab::SetRibbons);
                      b.Property(L"Limit", &TTab::Limit, &TTab::SetLimit).Default(0);
                      b.Property(L"Next", &TTab::Next, &TTab::SetNext);
                      b.Property(L"Target", &TTab::Target, &TTab::SetTarget);
                      b.Property(L"LoadFails", &TTab::LoadFails, &TTab::SetLoadFails).Default(false);
                      b.Field(L"OnClick", &TTab::OnClick))

CLASSLIB_DEFINE_CLASS(
    TTestModule, TComponent, b.Property(L"Caption", &TTestModule::Caption, &TTestModule::SetCaption);
    b.Property(L"Count", &TTestModule::Count, &TTestModule::SetCount).Default(0);
    b.Property(L"Align", &TTestModule::Align, &TTestModule::SetAlign).Default(TAlign::alNone);
    b.Property(L"Enabled", &TTestModule::Enabled, &TTestModule::SetEnabled).Default(true);
    b.Property(L"Ribbons", &TTestModule::Ribbons, &TTestModule::SetRibbons);
    b.Property(L"Partner", &TTestModule::Partner, &TTestModule::SetPartner);
    b.ReadOnly(L"Glyph", &TTestModule::Glyph); b.ReadOnly(L"Items", &TTestModule::Items);
    b.Field(L"OnStartup", &TTestModule::OnStartup); b.Method<&TTestModule::ModuleStartup>(L"ModuleStartup");
    b.Method<&TTestModule::TabClick>(L"TabClick"); b.Method<&TTestModule::Progress>(L"Progress"))

const bool registered = [] {
    RegisterClass(TTab::StaticClass());
    RegisterClass(TTestModule::StaticClass());
    return true;
}();

} // namespace formtest
