#include "officesim/RibbonDocument.h"

#include <algorithm>
#include <map>

#include "classlib/Format.h"

namespace officesim {

const std::wstring *RibbonControl::Callback(const std::wstring &attribute) const noexcept {
    for (const auto &[name, callback] : callbacks)
        if (name == attribute)
            return &callback;
    return nullptr;
}

bool IsCallbackAttribute(const std::wstring &attribute) {
    auto startsWith = [&](const wchar_t *prefix, size_t length) {
        return attribute.size() > length && attribute.compare(0, length, prefix) == 0 &&
               iswupper(attribute[length]);
    };
    return startsWith(L"get", 3) || startsWith(L"on", 2) || attribute == L"loadImage";
}

RibbonDocument RibbonDocument::Parse(const std::wstring &xml, const std::wstring &rootName, int version) {
    XmlElement root = ParseXml(xml);
    if (root.LocalName() != rootName)
        throw EDocumentError(L"the root element is <" + root.name + L">, not <" + rootName + L">");
    std::wstring prefix = root.Prefix();
    const std::wstring *ns = root.Attribute(prefix.empty() ? L"xmlns" : L"xmlns:" + prefix);
    if (ns == nullptr)
        throw EDocumentError(L"<" + root.name + L"> declares no namespace");
    if (*ns != kCustomUI2006 && *ns != kCustomUI2009)
        throw EDocumentError(L"unknown namespace " + *ns);
    if (*ns == kCustomUI2009 && version < 14)
        throw EDocumentError(classlib::Format(
            L"Office %d does not know the namespace %s (it came with Office 14)", {version, *ns}));

    RibbonDocument document;
    document.namespace_ = *ns;
    for (const auto &[name, value] : root.attributes)
        if (IsCallbackAttribute(name))
            document.rootCallbacks_.emplace_back(name, value);
    for (const XmlElement &child : root.children)
        document.Collect(child);

    // Office refuses a document in which two controls share an id (built-in ones may repeat).
    std::map<std::wstring, int> seen;
    for (const RibbonControl &control : document.controls_) {
        if (control.builtIn)
            continue;
        if (control.id.empty())
            throw EDocumentError(classlib::Format(L"an empty id (line %d)", {control.line}));
        auto [entry, added] = seen.emplace(control.id, control.line);
        if (!added)
            throw EDocumentError(classlib::Format(L"the id %s is given twice (lines %d and %d)",
                                                  {control.id, entry->second, control.line}));
    }
    return document;
}

void RibbonDocument::Collect(const XmlElement &element) {
    RibbonControl control;
    control.element = element.LocalName();
    control.line = element.line;
    const std::wstring *id = element.Attribute(L"id");
    const std::wstring *idQ = element.Attribute(L"idQ");
    const std::wstring *idMso = element.Attribute(L"idMso");
    if (id)
        control.id = *id;
    else if (idQ)
        control.id = idQ->substr(idQ->find(L':') + 1);
    else if (idMso)
        control.id = *idMso;
    control.builtIn = !id && !idQ;
    if (id || idQ || idMso) {
        if (const std::wstring *tag = element.Attribute(L"tag"))
            control.tag = *tag;
        if (const std::wstring *image = element.Attribute(L"image"))
            control.image = *image;
        for (const auto &[name, value] : element.attributes)
            if (IsCallbackAttribute(name))
                control.callbacks.emplace_back(name, value);
        controls_.push_back(std::move(control));
    }
    for (const XmlElement &child : element.children)
        Collect(child);
}

const std::wstring *RibbonDocument::RootCallback(const std::wstring &attribute) const noexcept {
    for (const auto &[name, callback] : rootCallbacks_)
        if (name == attribute)
            return &callback;
    return nullptr;
}

const RibbonControl *RibbonDocument::Find(const std::wstring &id) const noexcept {
    auto found =
        std::find_if(controls_.begin(), controls_.end(), [&](const RibbonControl &c) { return c.id == id; });
    return found == controls_.end() ? nullptr : &*found;
}

std::vector<std::wstring> RibbonDocument::Images() const {
    std::vector<std::wstring> images;
    for (const RibbonControl &control : controls_)
        if (!control.image.empty() && std::find(images.begin(), images.end(), control.image) == images.end())
            images.push_back(control.image);
    return images;
}

} // namespace officesim
