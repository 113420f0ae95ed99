#include "framework/ribbon/XMLHelper.h"

namespace framework {

namespace {

bool IsHighSurrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(wchar_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Whether c may stand in an attribute value as it is; most texts consist of nothing else.
bool IsPlain(wchar_t c) {
    return c >= 0x20 && c != L'&' && c != L'<' && c != L'>' && c != L'"' && c < 0xD800;
}

void AppendEscaped(std::wstring &Target, std::wstring_view Value) {
    size_t plainFrom = 0;
    const size_t length = Value.size();
    for (size_t i = 0; i < length; ++i) {
        wchar_t c = Value[i];
        if (IsPlain(c))
            continue;
        Target.append(Value, plainFrom, i - plainFrom);
        plainFrom = i + 1;
        switch (c) {
        case L'&':
            Target += L"&amp;";
            break;
        case L'<':
            Target += L"&lt;";
            break;
        case L'>':
            Target += L"&gt;";
            break;
        case L'"':
            Target += L"&quot;";
            break;
        case L'\t':
            Target += L"&#9;";
            break;
        case L'\n':
            Target += L"&#10;";
            break;
        case L'\r':
            Target += L"&#13;";
            break;
        default:
            if (c < 0x20 || c == 0xFFFE || c == 0xFFFF)
                break; // no XML 1.0 document can carry it
            if (IsHighSurrogate(c) && i + 1 < length && IsLowSurrogate(Value[i + 1])) {
                Target += c;
                Target += Value[++i];
                plainFrom = i + 1;
            } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
                Target += L'\xFFFD';
            } else {
                Target += c;
            }
        }
    }
    Target.append(Value, plainFrom, length - plainFrom);
}

} // namespace

std::wstring XmlAttributeValue(const std::wstring &Value) {
    std::wstring result;
    result.reserve(Value.size());
    AppendEscaped(result, Value);
    return result;
}

void TzidXMLHelper::StartLine() {
    xml_ += lineBreak_;
    xml_.append(static_cast<size_t>(level_ > 0 ? level_ : 0), L'\t');
}

void TzidXMLHelper::AppendAttribute(std::wstring &Target, std::wstring_view Name,
                                    std::wstring_view Value) const {
    Target += L' ';
    Target += Name;
    Target += L"=\"";
    AppendEscaped(Target, Value);
    Target += L'"';
}

void TzidXMLHelper::OpenElement(const std::wstring &Name) {
    StartLine();
    xml_ += L'<';
    xml_ += Name;
    xml_ += L'>';
    lineBreak_ = L"\r\n";
    ++level_;
}

void TzidXMLHelper::AddAttribute(const std::wstring &Name, const std::wstring &Value) {
    InsertAttribute(Name, Value);
}

// The attribute goes in front of the start tag's ">": that character is taken off, the attribute
// appended and the ">" put back, so the document is not moved for it.
void TzidXMLHelper::InsertAttribute(std::wstring_view Name, std::wstring_view Value) {
    if (xml_.empty()) {
        std::wstring attribute;
        AppendAttribute(attribute, Name, Value);
        xml_ = std::move(attribute);
        return;
    }
    wchar_t last = xml_.back();
    xml_.pop_back();
    AppendAttribute(xml_, Name, Value);
    xml_ += last;
}

// An entry without a name would give ` ="..."` and spoil the whole document: it is left out.
void TzidXMLHelper::AddAttributes(const classlib::TStringList &List) {
    for (int i = 0; i < List.Count(); ++i) {
        std::wstring_view entry = List.Strings(i);
        size_t eq = entry.find(L'=');
        if (eq != 0 && eq != std::wstring_view::npos)
            InsertAttribute(entry.substr(0, eq), entry.substr(eq + 1));
    }
}

void TzidXMLHelper::WriteElement(const std::wstring &Name, const classlib::TStringList &List) {
    StartLine();
    xml_ += L'<';
    xml_ += Name;
    for (int i = 0; i < List.Count(); ++i) {
        std::wstring_view entry = List.Strings(i);
        size_t eq = entry.find(L'=');
        if (eq != 0 && eq != std::wstring_view::npos)
            AppendAttribute(xml_, entry.substr(0, eq), entry.substr(eq + 1));
    }
    xml_ += L" />";
}

void TzidXMLHelper::CloseElement(const std::wstring &Name) {
    --level_;
    StartLine();
    xml_ += L"</";
    xml_ += Name;
    xml_ += L'>';
}

} // namespace framework
