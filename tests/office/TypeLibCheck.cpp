#include "tests/office/TypeLibCheck.h"

#include "classlib/TypeAttrs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>
#include <sstream>
#include <vector>

namespace office_test {
namespace {

struct Releaser {
    void operator()(IUnknown *p) const { p->Release(); }
};
template <class T> using Ref = std::unique_ptr<T, Releaser>;

using TypeAttr = classlib::TTypeAttrHolder;

struct FuncDesc {
    ITypeInfo *info;
    FUNCDESC *desc = nullptr;
    FuncDesc(ITypeInfo *i, UINT index) : info(i) { info->GetFuncDesc(index, &desc); }
    ~FuncDesc() { info->ReleaseFuncDesc(desc); }
};

// Names in the library are plain ASCII.
std::string Narrow(BSTR text) {
    std::string result;
    for (UINT i = 0; text && i < SysStringLen(text); ++i)
        result += static_cast<char>(text[i]);
    return result;
}

// A type library keeps one spelling per name, whichever came first (here often a parameter of
// IAccessible's), and looks names up without regard to case; so do we.
bool SameName(const std::string &a, const std::string &b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string MemberName(ITypeInfo *info, MEMBERID id) {
    BSTR name = nullptr;
    info->GetDocumentation(id, &name, nullptr, nullptr, nullptr);
    std::string result = Narrow(name);
    SysFreeString(name);
    return result;
}

struct Library {
    Ref<ITypeLib> lib;
    std::map<std::string, Ref<ITypeInfo>> infos;

    Library() {
        wchar_t path[MAX_PATH];
        DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring file(path, length);
        file = file.substr(0, file.find_last_of(L'\\') + 1) + L"office.tlb";
        ITypeLib *loaded = nullptr;
        if (FAILED(LoadTypeLibEx(file.c_str(), REGKIND_NONE, &loaded)))
            return;
        lib.reset(loaded);
        for (UINT i = 0; i < lib->GetTypeInfoCount(); ++i) {
            ITypeInfo *info = nullptr;
            BSTR name = nullptr;
            lib->GetDocumentation(i, &name, nullptr, nullptr, nullptr);
            if (SUCCEEDED(lib->GetTypeInfo(i, &info)))
                infos[Narrow(name)].reset(info);
            SysFreeString(name);
        }
    }
};

Library &TheLibrary() {
    static Library library;
    return library;
}

struct Member {
    std::string name;
    INVOKEKIND kind = INVOKE_FUNC;
    bool hasId = false;
    MEMBERID id = 0;
};

std::vector<Member> ParseMembers(const char *text) {
    std::vector<Member> members;
    std::istringstream in(text);
    std::string token;
    while (in >> token) {
        Member m;
        if (token.size() > 2 && token[1] == ':') {
            switch (token[0]) {
            case 'g':
                m.kind = INVOKE_PROPERTYGET;
                break;
            case 'p':
                m.kind = INVOKE_PROPERTYPUT;
                break;
            case 'r':
                m.kind = INVOKE_PROPERTYPUTREF;
                break;
            default:
                m.kind = INVOKE_FUNC;
                break;
            }
            token = token.substr(2);
        }
        size_t eq = token.find('=');
        m.name = token.substr(0, eq);
        if (eq != std::string::npos) {
            m.hasId = true;
            m.id = static_cast<MEMBERID>(std::strtoll(token.c_str() + eq + 1, nullptr, 16));
        }
        members.push_back(m);
    }
    return members;
}

std::string Describe(const Member &m) {
    std::ostringstream out;
    out << m.name << " (invoke kind " << m.kind << ")";
    return out.str();
}

} // namespace

ITypeLib *OfficeTypeLib() {
    return TheLibrary().lib.get();
}

ITypeInfo *TypeInfoNamed(const std::string &name) {
    auto found = TheLibrary().infos.find(name);
    return found == TheLibrary().infos.end() ? nullptr : found->second.get();
}

void ExpectVtable(const std::string &iface, int firstSlot, MEMBERID base, const char *members) {
    SCOPED_TRACE(iface);
    ITypeInfo *info = TypeInfoNamed(iface);
    ASSERT_NE(info, nullptr);
    {
        TypeAttr attr(info);
        ASSERT_TRUE(attr->typekind == TKIND_DISPATCH && (attr->wTypeFlags & TYPEFLAG_FDUAL))
            << "not a dual interface";
    }
    // The vtable half of the dual interface carries the slots.
    HREFTYPE ref = 0;
    ITypeInfo *raw = nullptr;
    ASSERT_HRESULT_SUCCEEDED(info->GetRefTypeOfImplType(-1, &ref));
    ASSERT_HRESULT_SUCCEEDED(info->GetRefTypeInfo(ref, &raw));
    Ref<ITypeInfo> vtable(raw);

    std::vector<Member> expected = ParseMembers(members);
    TypeAttr attr(vtable.get());
    ASSERT_EQ(attr->cFuncs, static_cast<WORD>(expected.size())) << "number of own members";
    for (size_t i = 0; i < expected.size(); ++i) {
        const Member &m = expected[i];
        MEMBERID id = m.hasId ? m.id : base + static_cast<MEMBERID>(i);
        if (!m.hasId && m.kind == INVOKE_PROPERTYPUT && i > 0 && expected[i - 1].name == m.name)
            id = expected[i - 1].hasId ? expected[i - 1].id : base + static_cast<MEMBERID>(i - 1);
        FuncDesc f(vtable.get(), static_cast<UINT>(i));
        SCOPED_TRACE(Describe(m) + " at slot " + std::to_string(firstSlot + i));
        EXPECT_PRED2(SameName, MemberName(vtable.get(), f.desc->memid), m.name);
        EXPECT_EQ(f.desc->invkind, m.kind);
        EXPECT_EQ(f.desc->memid, id);
        EXPECT_EQ(f.desc->oVft / static_cast<int>(sizeof(void *)), firstSlot + static_cast<int>(i));
    }
}

void ExpectDispatch(const std::string &iface, const char *members) {
    SCOPED_TRACE(iface);
    ITypeInfo *info = TypeInfoNamed(iface);
    ASSERT_NE(info, nullptr);
    TypeAttr attr(info);
    ASSERT_EQ(attr->typekind, TKIND_DISPATCH);
    EXPECT_FALSE(attr->wTypeFlags & TYPEFLAG_FDUAL) << "a dispinterface, not a dual interface";
    std::vector<Member> expected = ParseMembers(members);
    ASSERT_EQ(attr->cFuncs, static_cast<WORD>(expected.size())) << "number of members";
    for (const Member &m : expected) {
        bool found = false;
        for (UINT i = 0; i < attr->cFuncs && !found; ++i) {
            FuncDesc f(info, i);
            if (f.desc->invkind == m.kind && SameName(MemberName(info, f.desc->memid), m.name)) {
                found = true;
                EXPECT_EQ(f.desc->memid, m.id) << Describe(m);
            }
        }
        EXPECT_TRUE(found) << Describe(m) << " is missing";
    }
}

void ExpectEarlierEvents(const std::string &earlier, const std::string &later, int count) {
    SCOPED_TRACE(earlier + " against " + later);
    ITypeInfo *old = TypeInfoNamed(earlier);
    ITypeInfo *now = TypeInfoNamed(later);
    ASSERT_TRUE(old && now);
    TypeAttr oldAttr(old), nowAttr(now);
    ASSERT_EQ(oldAttr->cFuncs, count);
    for (UINT i = 0; i < oldAttr->cFuncs; ++i) {
        FuncDesc f(old, i);
        std::string name = MemberName(old, f.desc->memid);
        bool found = false;
        for (UINT j = 0; j < nowAttr->cFuncs && !found; ++j) {
            FuncDesc g(now, j);
            found = SameName(MemberName(now, g.desc->memid), name) && g.desc->memid == f.desc->memid;
        }
        EXPECT_TRUE(found) << name << " has another id or is missing";
    }
}

} // namespace office_test
