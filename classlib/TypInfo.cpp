#include "classlib/Classes.h"
#include "classlib/Format.h"

#include <map>

namespace classlib {

int TEnumInfo::ValueOf(const std::wstring &name) const {
    for (size_t i = 0; i < Names.size(); ++i)
        if (SameText(Names[i], name))
            return static_cast<int>(i);
    return -1;
}

const std::wstring &TEnumInfo::NameOf(int value) const {
    if (value < 0 || value >= static_cast<int>(Names.size()))
        throw EConvertError(Format(L"%d is not a value of %s", {value, TypeName}));
    return Names[value];
}

bool TClassInfo::InheritsFrom(const TClassInfo &cls) const {
    for (const TClassInfo *c = this; c; c = c->parent_)
        if (c == &cls)
            return true;
    return false;
}

const TPropInfo *TClassInfo::FindProperty(const std::wstring &name) const {
    for (const TClassInfo *c = this; c; c = c->parent_)
        for (const TPropInfo &p : c->OwnProperties)
            if (SameText(p.Name, name))
                return &p;
    return nullptr;
}

const TMethodEntry *TClassInfo::FindMethod(const std::wstring &name) const {
    for (const TClassInfo *c = this; c; c = c->parent_)
        for (const TMethodEntry &m : c->OwnMethods)
            if (SameText(m.Name, name))
                return &m;
    return nullptr;
}

const TMethodEntry *TClassInfo::FindMethodByCode(void (*code)()) const {
    for (const TClassInfo *c = this; c; c = c->parent_)
        for (const TMethodEntry &m : c->OwnMethods)
            if (m.Code == code)
                return &m;
    return nullptr;
}

std::vector<const TPropInfo *> TClassInfo::Properties() const {
    std::vector<const TClassInfo *> chain;
    for (const TClassInfo *c = this; c; c = c->parent_)
        chain.insert(chain.begin(), c);
    std::vector<const TPropInfo *> result;
    for (const TClassInfo *c : chain)
        for (const TPropInfo &p : c->OwnProperties) {
            // a descendant may republish a property: keep the newest, in the ancestor's place
            bool replaced = false;
            for (auto &r : result)
                if (SameText(r->Name, p.Name))
                    r = &p, replaced = true;
            if (!replaced)
                result.push_back(&p);
        }
    return result;
}

namespace {
std::map<std::wstring, const TClassInfo *> &Registry() {
    static std::map<std::wstring, const TClassInfo *> registry;
    return registry;
}
} // namespace

void RegisterClass(const TClassInfo &cls) { Registry()[UpperCase(cls.Name())] = &cls; }

const TClassInfo *FindClass(const std::wstring &name) {
    auto it = Registry().find(UpperCase(name));
    return it == Registry().end() ? nullptr : it->second;
}

const TClassInfo &GetClass(const std::wstring &name) {
    if (const TClassInfo *cls = FindClass(name))
        return *cls;
    throw EClassNotFound(Format(L"Class %s not found", {name}));
}

namespace detail {
void PropertyTypeError(const std::wstring &expected) {
    throw EConvertError(L"Invalid property value: " + expected + L" expected");
}
} // namespace detail

} // namespace classlib
