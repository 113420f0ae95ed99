// A small XML reader for the documents add-ins hand Office: elements, attributes, comments, the XML
// declaration, character and the predefined entity references. Text between elements is kept only
// to refuse what a customUI document never holds (non-blank text); CDATA and DTDs are refused too.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "classlib/Exceptions.h"

namespace officesim {

struct XmlElement {
    std::wstring name;                                             // as written, with its prefix
    std::vector<std::pair<std::wstring, std::wstring>> attributes; // in document order, values decoded
    std::vector<XmlElement> children;
    int line = 0;

    // The attribute's value, or null when the element has none of that name.
    const std::wstring *Attribute(const std::wstring &attribute) const noexcept;
    std::wstring Prefix() const;    // "" for an unprefixed name
    std::wstring LocalName() const; // the name after its prefix
};

// A document that is no well-formed XML; the message names line and column.
class EXmlError : public classlib::Exception {
public:
    EXmlError(int line, int column, const std::wstring &message);
};

// The root element of text.
XmlElement ParseXml(const std::wstring &text);

} // namespace officesim
