// The module's look-ups in the host's command bars: a bar by its name, a control by its Office type
// and its Id or Tag. They never raise: what Office refuses is traced and answers null.
#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "framework/core/AddInModule.h"

namespace framework {

namespace {

void TraceLookup(const std::wstring &What, const classlib::Exception &E) {
    OutputDebugStringW((L"Tessary.CommandBars: " + What + L" failed: " + E.Message() + L"\n").c_str());
}

// Upper case of the ASCII letters only, as Office's bar names compare.
std::wstring AsciiUpper(std::wstring Text) {
    for (wchar_t &c : Text)
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    return Text;
}

std::wstring ReadName(CommandBar *Bar, HRESULT (STDMETHODCALLTYPE CommandBar::*Get)(BSTR *)) {
    classlib::TBStr name;
    classlib::OleCheck((Bar->*Get)(name.Put()));
    return name.ToString();
}

// Search, and when the control found does not answer its Type (an object of a window that has
// gone), search once more.
template <class F> classlib::ComPtr<CommandBarControl> SearchControl(const wchar_t *What, const F &Search) {
    try {
        classlib::ComPtr<CommandBarControl> found = Search();
        MsoControlType type = msoControlCustom;
        if (found && FAILED(found->get_Type(&type)))
            found = Search();
        return found;
    } catch (const classlib::Exception &E) {
        TraceLookup(What, E);
        return classlib::ComPtr<CommandBarControl>();
    }
}

} // namespace

classlib::ComPtr<CommandBar> TzidCOMAddInModule::FindCommandBar(const std::wstring &Name) {
    classlib::ComPtr<CommandBar> bar;
    try {
        if (!commandBars_)
            commandBars_ = GetHostCommandBars();
        if (!commandBars_)
            return bar;
        long count = 0;
        classlib::OleCheck(commandBars_->get_Count(&count));
        const std::wstring asciiName = AsciiUpper(Name), wideName = classlib::UpperCase(Name);
        // A bar that cannot tell one of its names is no match by that name; the walk goes on, so that
        // one unanswering bar does not hide the one looked for (Office refuses a second bar of a name).
        auto named = [&](HRESULT (STDMETHODCALLTYPE CommandBar::*Get)(BSTR *), bool Local) {
            try {
                const std::wstring name = ReadName(bar.Get(), Get);
                return Local ? classlib::UpperCase(name) == wideName : AsciiUpper(name) == asciiName;
            } catch (const classlib::Exception &E) {
                TraceLookup(L"FindCommandBar(" + Name + L"), a bar's name", E);
                return false;
            }
        };
        for (long i = 1; i <= count; ++i) {
            classlib::OleCheck(commandBars_->get_Item(classlib::OleVariant(i).Var(), bar.Put()));
            if (named(&CommandBar::get_Name, false) || named(&CommandBar::get_NameLocal, true))
                return bar;
        }
    } catch (const classlib::Exception &E) {
        TraceLookup(L"FindCommandBar(" + Name + L")", E);
    }
    bar.Reset();
    return bar;
}

classlib::ComPtr<CommandBarControl> TzidCOMAddInModule::FindBarControlById(CommandBar *Bar, long Type,
                                                                           long Id) {
    if (Bar == nullptr)
        return {};
    return SearchControl(L"FindBarControlById", [&] {
        classlib::ComPtr<CommandBarControl> found;
        classlib::OleCheck(Bar->FindControl(
            classlib::OleVariant(static_cast<unsigned>(Type)).Var(), classlib::OleVariant(Id).Var(),
            classlib::OleVariant::Missing().Var(), classlib::OleVariant::Missing().Var(),
            classlib::OleVariant(true).Var(), found.Put()));
        return found;
    });
}

classlib::ComPtr<CommandBarControl> TzidCOMAddInModule::FindBarControlByTag(CommandBar *Bar, long Type,
                                                                            const std::wstring &Tag) {
    if (Bar == nullptr)
        return {};
    return SearchControl(L"FindBarControlByTag", [&] {
        classlib::ComPtr<CommandBarControl> found;
        classlib::OleVariant tag(Tag);
        classlib::OleCheck(Bar->FindControl(
            classlib::OleVariant(static_cast<unsigned>(Type)).Var(), classlib::OleVariant::Missing().Var(),
            tag.Var(), classlib::OleVariant::Missing().Var(), classlib::OleVariant(true).Var(), found.Put()));
        return found;
    });
}

classlib::ComPtr<CommandBarControl> TzidCOMAddInModule::FindControlById(long Type, long Id) {
    if (!commandBars_)
        commandBars_ = GetHostCommandBars();
    if (!commandBars_)
        return {};
    return SearchControl(L"FindControlById", [&] {
        classlib::ComPtr<CommandBarControl> found;
        classlib::OleCheck(commandBars_->FindControl(
            classlib::OleVariant(static_cast<unsigned>(Type)).Var(), classlib::OleVariant(Id).Var(),
            classlib::OleVariant::Missing().Var(), classlib::OleVariant::Missing().Var(), found.Put()));
        return found;
    });
}

classlib::ComPtr<CommandBarControl> TzidCOMAddInModule::FindControlByTag(long Type, const std::wstring &Tag) {
    if (!commandBars_)
        commandBars_ = GetHostCommandBars();
    if (!commandBars_)
        return {};
    return SearchControl(L"FindControlByTag", [&] {
        classlib::ComPtr<CommandBarControl> found;
        classlib::OleVariant tag(Tag);
        classlib::OleCheck(commandBars_->FindControl(classlib::OleVariant(static_cast<unsigned>(Type)).Var(),
                                                     classlib::OleVariant::Missing().Var(), tag.Var(),
                                                     classlib::OleVariant::Missing().Var(), found.Put()));
        return found;
    });
}

} // namespace framework
