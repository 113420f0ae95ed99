// A control added to a bar of the hostsim tests' command bars, through the bars' own COM interfaces,
// as an add-in adds one: temporary, with its tag.
#pragma once
#include <gtest/gtest.h>

#include "classlib/ComPtr.h"
#include "classlib/OleString.h"
#include "classlib/OleVariant.h"
#include "office/office.h"

namespace hostsim_test {

inline classlib::ComPtr<CommandBarControl> AddControl(_CommandBars *bars, const wchar_t *barName, long type,
                                                      const wchar_t *tag) {
    using classlib::OleVariant;
    const OleVariant missing = OleVariant::Missing();
    classlib::ComPtr<CommandBar> bar;
    EXPECT_EQ(S_OK, bars->get_Item(OleVariant(barName).Var(), bar.Put()));
    classlib::ComPtr<CommandBarControls> controls;
    EXPECT_EQ(S_OK, bar->get_Controls(controls.Put()));
    classlib::ComPtr<CommandBarControl> control;
    EXPECT_EQ(S_OK, controls->Add(OleVariant(static_cast<int>(type)).Var(), missing.Var(), missing.Var(),
                                  missing.Var(), OleVariant(true).Var(), control.Put()));
    EXPECT_EQ(S_OK, control->put_Tag(classlib::TBStr(tag).Get()));
    return control;
}

} // namespace hostsim_test
