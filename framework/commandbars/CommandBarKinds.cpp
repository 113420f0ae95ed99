#include "framework/commandbars/CommandBarKinds.h"

#include "classlib/Format.h"

namespace framework {

namespace {

constexpr long ProtectionValues[] = {0, 1, 2, 4, 8, 16, 32, 64};
constexpr long StateValues[] = {0, -1, 2};
constexpr long StyleValues[] = {0, 1, 2, 3, 7, 11, 14, 15};

struct TKindEntry {
    const wchar_t *Text;
    long OfficeType;
};
constexpr TKindEntry Kinds[CommandBarControlKindCount] = {
    {L"Button", 1}, {L"Edit", 2},    {L"DropdownList", 3},    {L"ComboBox", 4},
    {L"Popup", 10}, {L"Control", 0}, {L"Advanced Control", 1}};

template <class E, size_t N> bool FromTable(const long (&Table)[N], long Value, E &Result) {
    for (size_t i = 0; i < N; ++i)
        if (Table[i] == Value) {
            Result = static_cast<E>(i);
            return true;
        }
    return false;
}

} // namespace

const long InspectorItemClassValues[OLItemClassCount] = {26, 53, 54, 55, 56, 57, 40, 42, 43,
                                                         45, 48, 49, 50, 51, 52, 69, 46};

long ProtectionToOffice(TzidMsoBarProtection Value) {
    return ProtectionValues[Value];
}

TzidMsoBarProtection ProtectionFromOffice(long Value) {
    TzidMsoBarProtection result = zidMsoBarNoProtection;
    return FromTable(ProtectionValues, Value, result) ? result : zidMsoBarNoProtection;
}

const wchar_t *ControlKindText(TzidCommandBarControlType Kind) {
    return Kinds[Kind].Text;
}

long OfficeControlType(TzidCommandBarControlType Kind) {
    return Kinds[Kind].OfficeType;
}

TzidCommandBarControlType ControlKindOf(int Value) {
    if (Value < 0 || Value >= CommandBarControlKindCount)
        throw classlib::EInvalidOperation(
            classlib::Format(L"%d is not a kind of command-bar control", {Value}));
    return static_cast<TzidCommandBarControlType>(Value);
}

long ButtonStateToOffice(TzidMsoButtonState Value) {
    return StateValues[Value];
}

bool ButtonStateFromOffice(long Value, TzidMsoButtonState &Result) {
    return FromTable(StateValues, Value, Result);
}

long ButtonStyleToOffice(TzidMsoButtonStyle Value) {
    return StyleValues[Value];
}

bool ButtonStyleFromOffice(long Value, TzidMsoButtonStyle &Result) {
    return FromTable(StyleValues, Value, Result);
}

} // namespace framework
