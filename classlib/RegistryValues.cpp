#include "classlib/RegistryValues.h"

#include <winternl.h>

#include <cstring>
#include <vector>

// The native calls that take a counted name (ntdll has them; the SDK headers here do not declare
// them).
extern "C" {
NTSTATUS NTAPI NtQueryValueKey(HANDLE Key, PUNICODE_STRING Name, ULONG InformationClass, PVOID Information,
                               ULONG Length, PULONG ResultLength);
NTSTATUS NTAPI NtSetValueKey(HANDLE Key, PUNICODE_STRING Name, ULONG TitleIndex, ULONG Type, PVOID Data,
                             ULONG Size);
NTSTATUS NTAPI NtDeleteValueKey(HANDLE Key, PUNICODE_STRING Name);
}

namespace classlib {

namespace {

constexpr ULONG KeyValuePartialInformation = 2;
constexpr NTSTATUS StatusBufferOverflow = static_cast<NTSTATUS>(0x80000005L);
constexpr NTSTATUS StatusBufferTooSmall = static_cast<NTSTATUS>(0xC0000023L);

// KEY_VALUE_PARTIAL_INFORMATION: the type and the data's length; the data follows.
struct TPartialValue {
    ULONG TitleIndex;
    ULONG Type;
    ULONG DataLength;
};

bool HasNull(const std::wstring &name) {
    return name.find(L'\0') != std::wstring::npos;
}

// The name as the native calls take it; false when it is longer than a counted string can be.
bool Counted(const std::wstring &name, UNICODE_STRING &counted) {
    if (name.size() * sizeof(wchar_t) > 0xFFFE)
        return false;
    counted.Length = counted.MaximumLength = static_cast<USHORT>(name.size() * sizeof(wchar_t));
    counted.Buffer = const_cast<PWSTR>(name.data());
    return true;
}

LONG ErrorOf(NTSTATUS status) {
    return status >= 0 ? ERROR_SUCCESS : static_cast<LONG>(RtlNtStatusToDosError(status));
}

LONG QueryCounted(HKEY key, const std::wstring &name, DWORD *type, BYTE *data, DWORD *size) {
    UNICODE_STRING counted;
    if (!Counted(name, counted))
        return ERROR_INVALID_PARAMETER;
    std::vector<BYTE> buffer(sizeof(TPartialValue) + 64);
    NTSTATUS status;
    for (;;) {
        ULONG needed = 0;
        status = NtQueryValueKey(key, &counted, KeyValuePartialInformation, buffer.data(),
                                 static_cast<ULONG>(buffer.size()), &needed);
        if ((status != StatusBufferOverflow && status != StatusBufferTooSmall) || needed <= buffer.size())
            break;
        buffer.resize(needed); // the value may grow again before the next try
    }
    if (status < 0)
        return ErrorOf(status);
    TPartialValue header;
    std::memcpy(&header, buffer.data(), sizeof(header));
    if (type != nullptr)
        *type = header.Type;
    const DWORD have = size != nullptr ? *size : 0;
    if (size != nullptr)
        *size = header.DataLength;
    if (data == nullptr)
        return ERROR_SUCCESS;
    if (size == nullptr)
        return ERROR_INVALID_PARAMETER;
    if (have < header.DataLength)
        return ERROR_MORE_DATA;
    std::memcpy(data, buffer.data() + sizeof(TPartialValue), header.DataLength);
    return ERROR_SUCCESS;
}

} // namespace

LONG QueryRegValue(HKEY Key, const std::wstring &Name, DWORD *Type, BYTE *Data, DWORD *Size) {
    if (!HasNull(Name))
        return RegQueryValueExW(Key, Name.c_str(), nullptr, Type, Data, Size);
    return QueryCounted(Key, Name, Type, Data, Size);
}

LONG SetRegValue(HKEY Key, const std::wstring &Name, DWORD Type, const void *Data, DWORD Size) {
    if (!HasNull(Name))
        return RegSetValueExW(Key, Name.c_str(), 0, Type, static_cast<const BYTE *>(Data), Size);
    UNICODE_STRING counted;
    if (!Counted(Name, counted))
        return ERROR_INVALID_PARAMETER;
    return ErrorOf(NtSetValueKey(Key, &counted, 0, Type, const_cast<void *>(Data), Size));
}

LONG DeleteRegValue(HKEY Key, const std::wstring &Name) {
    if (!HasNull(Name))
        return RegDeleteValueW(Key, Name.c_str());
    UNICODE_STRING counted;
    if (!Counted(Name, counted))
        return ERROR_INVALID_PARAMETER;
    return ErrorOf(NtDeleteValueKey(Key, &counted));
}

} // namespace classlib
