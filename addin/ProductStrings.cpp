#include "addin/ProductStrings.h"

#include <windows.h>

#include "classlib/Exceptions.h"
#include "classlib/Format.h"
#include "classlib/ModuleHandle.h"

namespace tessary {

std::wstring ProductString(unsigned Id) {
    // With no buffer the system answers a pointer into the resource itself, and its length.
    const wchar_t *text = nullptr;
    const int length = LoadStringW(classlib::HInstance(), Id, reinterpret_cast<LPWSTR>(&text), 0);
    if (length <= 0 || text == nullptr)
        throw classlib::EResNotFound(
            classlib::Format(L"The text %d is not in the string table", {static_cast<int>(Id)}));
    return std::wstring(text, static_cast<size_t>(length));
}

} // namespace tessary
