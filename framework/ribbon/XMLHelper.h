// TzidXMLHelper: the line-oriented text writer of customUI documents. Every element tag starts a line
// of its own, indented by one tab per nesting level; lines are separated by CR LF, with no break
// before the first tag and none after the last. There is no XML declaration: the host takes the text
// as it is.
//
// Attribute values come from captions, tips and ids that the model or the application supplies, so
// they are written as character data whatever they hold: the characters XML reserves become
// references, and characters XML cannot carry at all are left out (see XmlAttributeValue).
#pragma once
#include <string>
#include <string_view>

#include "classlib/StringList.h"

namespace framework {

class TzidXMLHelper {
public:
    TzidXMLHelper() = default;

    // LineBreak, Level tabs, "<Name>"; the following lines are one level deeper.
    void OpenElement(const std::wstring &Name);
    // ` Name="Value"` in front of the last character of Xml: right after OpenElement, into the start
    // tag just written, before its ">". Successive calls keep their order.
    void AddAttribute(const std::wstring &Name, const std::wstring &Value);
    // AddAttribute for every name=value entry of List, in list order.
    void AddAttributes(const classlib::TStringList &List);
    // LineBreak, Level tabs, `<Name a="v" ... />`; the level does not change.
    void WriteElement(const std::wstring &Name, const classlib::TStringList &List);
    // One level up, then LineBreak, Level tabs, "</Name>".
    void CloseElement(const std::wstring &Name);

    // Room for Characters of text before the writer has to move what it wrote; changes nothing written.
    void Reserve(size_t Characters) { xml_.reserve(Characters); }

    // The text written in front of every tag: empty until the first OpenElement, then CR LF.
    const std::wstring &LineBreak() const noexcept { return lineBreak_; }
    // The current nesting depth.
    int Level() const noexcept { return level_; }
    // The document written so far.
    const std::wstring &Xml() const noexcept { return xml_; }
    // The document, handed over without a copy; the writer is left empty.
    std::wstring TakeXml() noexcept { return std::move(xml_); }

private:
    void StartLine();
    void AppendAttribute(std::wstring &Target, std::wstring_view Name, std::wstring_view Value) const;
    void InsertAttribute(std::wstring_view Name, std::wstring_view Value);

    std::wstring lineBreak_;
    int level_ = 0;
    std::wstring xml_;
};

// Value as the text between an attribute's double quotes: "&", "<", ">" and the double quote become
// entity references, tab, CR and LF character references (so they survive attribute-value
// normalisation); the other control characters and the non-characters U+FFFE and U+FFFF, which no
// XML 1.0 document may hold even as a reference, are left out; an unpaired surrogate becomes U+FFFD.
std::wstring XmlAttributeValue(const std::wstring &Value);

} // namespace framework
