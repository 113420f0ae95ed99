#include "CallbackFixture.h"

namespace callbacktest {

framework::TzidRibbonControls *CallbackTest::Group() const {
    auto *tab = dynamic_cast<framework::TzidRibbonTab *>(Module().FindComponent(L"cbTab"));
    return tab->Controls()->Items(0)->GetControls();
}

framework::TzidRibbonCustomControl &CallbackTest::AddItem(framework::TzidRibbonCustomControl &Control,
                                                          const std::wstring &Id,
                                                          const std::wstring &Caption) {
    framework::TzidRibbonCustomControl *item = Control.GetItems()->Add();
    item->SetId(Id);
    item->SetCaption(Caption);
    return *item;
}

} // namespace callbacktest
