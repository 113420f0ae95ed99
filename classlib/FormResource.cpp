#include "classlib/FormResource.h"

#include "classlib/Format.h"
#include "classlib/Reader.h"

namespace classlib {

namespace {
std::wstring StrictUtf8ToWide(const char *data, size_t size) {
    if (size == 0)
        return {};
    int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, data, static_cast<int>(size), nullptr, 0);
    if (n <= 0)
        throw EReadError(L"The form text is neither UTF-8 nor UTF-16 with a byte order mark");
    std::wstring out(n, L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, data, static_cast<int>(size), out.data(), n);
    return out;
}
} // namespace

std::wstring DecodeFormText(const void *data, size_t size) {
    const auto *bytes = static_cast<const unsigned char *>(data);
    std::wstring text;
    if (size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        text.resize((size - 2) / 2);
        for (size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<wchar_t>(bytes[2 + 2 * i] | (bytes[3 + 2 * i] << 8));
    } else {
        size_t skip = (size >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) ? 3 : 0;
        while (size > skip && bytes[size - 1] == 0)
            --size;
        text = StrictUtf8ToWide(reinterpret_cast<const char *>(bytes) + skip, size - skip);
    }
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return text;
}

std::wstring FormResourceName(const TClassInfo &cls) {
    return UpperCase(cls.Name());
}

bool ReadFormResource(HMODULE module, TComponent *root, const TClassInfo &stopAt) {
    // The most derived class with a form wins: a class may live on its ancestor's form.
    for (const TClassInfo *cls = &root->ClassType(); cls != nullptr && cls != &stopAt; cls = cls->Parent()) {
        std::wstring name = FormResourceName(*cls);
        HRSRC info = FindResourceW(module, name.c_str(), RT_RCDATA);
        if (info == nullptr)
            continue;
        HGLOBAL handle = LoadResource(module, info);
        const void *data = handle ? LockResource(handle) : nullptr;
        if (data == nullptr)
            throw EReadError(Format(L"Resource %s cannot be loaded", {name}));
        std::wstring text;
        try {
            text = DecodeFormText(data, SizeofResource(module, info));
        } catch (const EReadError &e) {
            throw EReadError(Format(L"Resource %s: %s", {name, e.Message()}));
        }
        ReadComponentForm(text, root);
        return true;
    }
    return false;
}

bool InitInheritedComponent(TComponent *instance, const TClassInfo &rootAncestor) {
    return ReadFormResource(HInstance(), instance, rootAncestor);
}

} // namespace classlib
