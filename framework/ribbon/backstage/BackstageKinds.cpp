#include "framework/ribbon/backstage/BackstageKinds.h"

namespace framework {

namespace {

// A word of Words for Value, the first one for a value out of range (which no setter lets in).
template <size_t N> const wchar_t *WordOf(const wchar_t *const (&Words)[N], unsigned Value) {
    return Value < N ? Words[Value] : Words[0];
}

} // namespace

const wchar_t *BackstageWord(TzidBackstageContentAlignmentStyle Value) {
    static const wchar_t *const words[] = {L"topLeft", L"top",        L"topRight", L"left",       L"center",
                                           L"right",   L"bottomLeft", L"bottom",   L"bottomRight"};
    return WordOf(words, Value);
}

const wchar_t *BackstageWord(TzidBackstageControlExpandStyle Value) {
    static const wchar_t *const words[] = {L"horizontal", L"vertical", L"both", L"neither"};
    return WordOf(words, Value);
}

const wchar_t *BackstageWord(TzidBackstageChildrenAlignmentStyle Value) {
    static const wchar_t *const words[] = {L"horizontal", L"vertical"};
    return WordOf(words, Value);
}

const wchar_t *BackstageWord(TzidBackstageGroupButtonStyle Value) {
    static const wchar_t *const words[] = {L"normal", L"borderless", L"large"};
    return WordOf(words, Value);
}

const wchar_t *BackstageWord(TzidBackstageGroupStyle Value) {
    static const wchar_t *const words[] = {L"normal", L"warning", L"error"};
    return WordOf(words, Value);
}

const wchar_t *AllowedTaskSizesWord(TzidBackstageAllowedTaskSizes Value) {
    switch (Value.Bits() & 7) {
    case 7:
        return L"largeMediumSmall";
    case 6:
        return L"largeMedium";
    case 4:
        return L"large";
    case 3:
        return L"mediumSmall";
    case 2:
        return L"medium";
    default:
        return L"small";
    }
}

} // namespace framework
