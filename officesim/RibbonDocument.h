// A customUI document as Office takes it from an add-in (or the content of a dynamic menu, whose
// root is "menu"): checked the way Office checks it before showing anything, then reduced to what
// the host needs: the root's callbacks and every control with its id, tag and callbacks.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "classlib/Exceptions.h"
#include "officesim/XmlReader.h"

namespace officesim {

inline constexpr wchar_t kCustomUI2006[] = L"http://schemas.microsoft.com/office/2006/01/customui";
inline constexpr wchar_t kCustomUI2009[] = L"http://schemas.microsoft.com/office/2009/07/customui";

// A document the host refuses; the message says why.
class EDocumentError : public classlib::Exception {
public:
    using Exception::Exception;
};

struct RibbonControl {
    std::wstring element; // local name: "button", "toggleButton", "dynamicMenu" ...
    std::wstring id;      // what IRibbonControl.Id answers: id, idQ without its prefix, or idMso
    bool builtIn = false; // named by idMso
    std::wstring tag;
    std::wstring image;                                           // the image attribute (for loadImage)
    std::vector<std::pair<std::wstring, std::wstring>> callbacks; // attribute -> callback name, in order
    int line = 0;

    // The callback named by attribute (such as "onAction"), or null.
    const std::wstring *Callback(const std::wstring &attribute) const noexcept;
};

class RibbonDocument {
public:
    // Parses xml and checks it for a host of version: the root's name (rootName), its namespace
    // (the 2009 one needs version 14), unique ids. Raises EXmlError or EDocumentError.
    static RibbonDocument Parse(const std::wstring &xml, const std::wstring &rootName, int version);

    const std::wstring &Namespace() const noexcept { return namespace_; }
    // A callback of the root ("onLoad", "loadImage"), or null.
    const std::wstring *RootCallback(const std::wstring &attribute) const noexcept;
    // Every element with an id, idQ or idMso, in document order.
    const std::vector<RibbonControl> &Controls() const noexcept { return controls_; }
    // The first control whose id (as IRibbonControl answers it) is id, or null.
    const RibbonControl *Find(const std::wstring &id) const noexcept;
    // The distinct image attribute values, in document order.
    std::vector<std::wstring> Images() const;

private:
    void Collect(const XmlElement &element);

    std::wstring namespace_;
    std::vector<std::pair<std::wstring, std::wstring>> rootCallbacks_;
    std::vector<RibbonControl> controls_;
};

// Whether an attribute names a callback: get..., on... or loadImage.
bool IsCallbackAttribute(const std::wstring &attribute);

} // namespace officesim
