// An edit box, drop-down list or combo box (_CommandBarComboBox), source of
// _CommandBarComboBoxEvents (Change). List indexes are 1-based, as in Office.
#pragma once
#include "hostsim/CommandBarControlCore.h"

namespace hostsim {

class CommandBarComboBoxObject : public CommandBarControlImpl<_CommandBarComboBox> {
public:
    CommandBarComboBoxObject(SimWorld &world, std::shared_ptr<CommandBarHost> host, SetRef set,
                             ControlRef control);

    STDMETHODIMP AddItem(BSTR text, VARIANT index) override;
    STDMETHODIMP Clear() override;
    STDMETHODIMP get_DropDownLines(long *out) override;
    STDMETHODIMP put_DropDownLines(long value) override;
    STDMETHODIMP get_DropDownWidth(long *out) override;
    STDMETHODIMP put_DropDownWidth(long value) override;
    STDMETHODIMP get_List(long index, BSTR *out) override;
    STDMETHODIMP put_List(long index, BSTR value) override;
    STDMETHODIMP get_ListCount(long *out) override;
    STDMETHODIMP get_ListHeaderCount(long *out) override;
    STDMETHODIMP put_ListHeaderCount(long value) override;
    STDMETHODIMP get_ListIndex(long *out) override;
    STDMETHODIMP put_ListIndex(long value) override;
    STDMETHODIMP RemoveItem(long index) override;
    STDMETHODIMP get_Style(MsoComboStyle *out) override;
    STDMETHODIMP put_Style(MsoComboStyle value) override;
    STDMETHODIMP get_Text(BSTR *out) override;
    STDMETHODIMP put_Text(BSTR value) override;
    STDMETHODIMP get_InstanceIdPtr(VARIANT *out) override;
};

} // namespace hostsim
