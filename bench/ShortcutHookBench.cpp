// The keyboard hook's cost per key stroke: every key stroke that is not a modifier, a repeat or a
// release rebuilds the shortcut list from the bars usable in Outlook's active window and looks the
// key up in it. Measured in a simulated Outlook 2003 with an explorer on the Inbox, for a key that
// matches nothing (the whole list is built and searched), with the product's bars and with generated
// bars of 100 and 1,000 buttons, beside a 16 ms frame: a user must never feel a key lag.
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "classlib/Reader.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/AddInModule.h"
#include "framework/shortcuts/Shortcuts.h"
#include "framework/shortcuts/ShortcutsEngine.h"
#include "hostsim/OutlookHost.h"

using namespace framework;

namespace {

constexpr double kFrameMs = 16.0;

// The product form's command bars, without their handlers (the bench has none of them).
std::wstring ProductBars() {
    std::ifstream file(PRODUCT_FORM, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    std::string form = text.str();
    size_t from = form.find("  object zidOlExplorerCommandbar1");
    size_t to = form.find("  object zidWordAppEvents");
    if (from == std::string::npos || to == std::string::npos)
        return {};
    std::string bars = std::regex_replace(form.substr(from, to - from),
                                          std::regex(" *On[A-Za-z]+ = [A-Za-z0-9_]+\r?\n"), "");
    return std::wstring(bars.begin(), bars.end());
}

// A module of Outlook's with its shortcut window and hook.
std::unique_ptr<TzidCOMAddInModule> NewModule(hostsim::OutlookHost &Host) {
    auto module = std::make_unique<TzidCOMAddInModule>(nullptr);
    module->SetSupportedApps({ohaOutlook});
    module->SetHostType(ohaOutlook);
    module->SetHostApp(classlib::OleVariant(Host.Application()));
    module->SetHandleShortcuts(true);
    return module;
}

void AddGeneratedBar(TzidCOMAddInModule &Module, int Buttons) {
    auto *bar = new TzidCommandBar(&Module);
    bar->SetCommandBarName(L"Generated");
    bar->SetSupportedApps({ohaOutlook});
    for (int i = 0; i < Buttons; ++i) {
        TzidCommandBarButton *button = bar->Controls()->CreateItem(cctButton)->AsCommandBarButton();
        button->SetCaption(L"&" + std::wstring(1, static_cast<wchar_t>(L'A' + i % 26)) + L"Knopf");
        button->SetShortcutText(L"Ctrl+Shift+" + std::to_wstring(i % 10));
    }
}

// Seconds per key stroke (Ctrl+Q, which no bar uses).
double PerKeyStroke() {
    BYTE state[256] = {};
    state[VK_CONTROL] = state[VK_LCONTROL] = 0x80;
    SetKeyboardState(state);
    double seconds = bench::SecondsPerCall([] { KeyboardHookProc(HC_ACTION, 'Q', 0x00100001); });
    BYTE none[256] = {};
    SetKeyboardState(none);
    return seconds;
}

} // namespace

int main() {
    bench::ScratchRegistry registry;
    OleInitialize(nullptr);
    RegisterCommandBarClasses();
    InstallShortcuts();
    classlib::RegisterClass(TzidCOMAddInModule::StaticClass());
    hostsim::OutlookHost host(L"11.0");
    host.OpenExplorer(host.DefaultFolder(hostsim::ol::olFolderInbox));
    int failed = 0;
    {
        std::unique_ptr<TzidCOMAddInModule> module = NewModule(host);
        std::wstring bars = ProductBars();
        if (bars.empty()) {
            std::printf("the product's form has no command bars where they were looked for\n");
            ++failed;
        } else {
            classlib::ReadComponentForm(L"object BenchModule: TzidCOMAddInModule\n" + bars + L"end\n",
                                        module.get());
        }
        double seconds = PerKeyStroke();
        std::printf("product's bars: %d bars, %d shortcut entries (its buttons carry no shortcut)\n",
                    module->CommandBarList().Count(), module->ShortcutList()->Count());
        bench::Report(L"key stroke, product's bars", seconds * 1000, kFrameMs, "a frame of");
    }
    std::vector<int> sizes{100, 1000};
    std::vector<double> seconds;
    for (int size : sizes) {
        std::unique_ptr<TzidCOMAddInModule> module = NewModule(host);
        AddGeneratedBar(*module, size);
        seconds.push_back(PerKeyStroke());
        std::printf("%d buttons: %d shortcut entries\n", size, module->ShortcutList()->Count());
        bench::Report(L"key stroke, " + std::to_wstring(size) + L" buttons", seconds.back() * 1000, kFrameMs,
                      "a frame of");
        if (seconds.back() * 1000 > kFrameMs)
            ++failed;
    }
    if (!bench::GrowsLinearly(sizes, seconds, "key stroke"))
        ++failed;
    OleUninitialize();
    return failed == 0 ? 0 : 1;
}
