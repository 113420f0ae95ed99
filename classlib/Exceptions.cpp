#include "classlib/Exceptions.h"

#include "classlib/Format.h"

namespace classlib {

std::wstring SysErrorMessage(HRESULT hr) {
    wchar_t *buffer = nullptr;
    DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t *>(&buffer),
                                  0, nullptr);
    std::wstring text;
    if (length != 0 && buffer != nullptr) {
        text.assign(buffer, length);
        while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ' ||
                                 text.back() == L'.'))
            text.pop_back();
    }
    if (buffer != nullptr)
        LocalFree(buffer);
    if (text.empty())
        text = Format(L"OLE error %.8X", {static_cast<unsigned>(hr)});
    return text;
}

HRESULT OleCheck(HRESULT hr) {
    if (FAILED(hr))
        throw EOleException(SysErrorMessage(hr), hr);
    return hr;
}

void ListIndexError(int index) { throw EListError(Format(L"List index out of bounds (%d)", {index})); }

} // namespace classlib
