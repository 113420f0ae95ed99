// Direct reads and writes of registry keys, bypassing the code under test (usually below the roots a
// TScratchRegistry redirected). An empty value name is the key's default value.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

bool KeyExists(HKEY root, const std::wstring &key);
bool ValueExists(HKEY root, const std::wstring &key, const std::wstring &name);
// The string value, or "<missing>" when the key or the value is not there.
std::wstring ReadString(HKEY root, const std::wstring &key, const std::wstring &name = L"");
// The DWORD value, or 0xdeadbeef when it is not there.
DWORD ReadDword(HKEY root, const std::wstring &key, const std::wstring &name);
std::vector<std::wstring> ValueNames(HKEY root, const std::wstring &key);
// True when the key has no subkey and no value.
bool IsEmpty(HKEY key);

// The writes make the key when it is not there; a failure fails the test.
void CreateKey(HKEY root, const std::wstring &key);
void WriteString(HKEY root, const std::wstring &key, const std::wstring &name, const std::wstring &value);
void WriteDword(HKEY root, const std::wstring &key, const std::wstring &name, DWORD value);

// A key that must not be there while a test runs (an earlier run may have left it in the shared
// prefix): it is set aside, with everything below it, for the object's life. The destructor removes
// whatever the test left at that place and puts back what was set aside, as it was. Root must stay
// open that long.
class TKeyAside {
public:
    TKeyAside(HKEY root, std::wstring key);
    ~TKeyAside();
    TKeyAside(const TKeyAside &) = delete;
    TKeyAside &operator=(const TKeyAside &) = delete;

    struct TTree {
        struct TValue {
            std::wstring Name;
            DWORD Type;
            std::vector<BYTE> Data;
        };
        std::wstring Name;
        std::vector<TValue> Values;
        std::vector<TTree> Keys;
    };

private:
    HKEY root_;
    std::wstring key_;
    bool existed_ = false;
    TTree saved_;
};

} // namespace testsupport
