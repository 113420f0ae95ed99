#include "officesim/XmlReader.h"

#include <cwctype>

#include "classlib/Format.h"

namespace officesim {

const std::wstring *XmlElement::Attribute(const std::wstring &attribute) const noexcept {
    for (const auto &[key, value] : attributes)
        if (key == attribute)
            return &value;
    return nullptr;
}

std::wstring XmlElement::Prefix() const {
    size_t colon = name.find(L':');
    return colon == std::wstring::npos ? std::wstring() : name.substr(0, colon);
}

std::wstring XmlElement::LocalName() const {
    size_t colon = name.find(L':');
    return colon == std::wstring::npos ? name : name.substr(colon + 1);
}

EXmlError::EXmlError(int line, int column, const std::wstring &message)
    : classlib::Exception(classlib::Format(L"line %d, column %d: %s", {line, column, message})) {}

namespace {

bool NameStart(wchar_t c) {
    return iswalpha(c) || c == L'_' || c == L':' || c >= 0x80;
}

bool NameChar(wchar_t c) {
    return NameStart(c) || iswdigit(c) || c == L'-' || c == L'.';
}

class Parser {
public:
    explicit Parser(const std::wstring &text) : text_(text) {}

    XmlElement Document() {
        if (At(L"\xFEFF"))
            ++pos_;
        Misc();
        if (At(L"<!"))
            Fail(L"document type declarations are not read here");
        if (!At(L"<"))
            Fail(text_.empty() ? L"the document is empty" : L"the document does not start with an element");
        XmlElement root = Element();
        Misc();
        if (pos_ < text_.size())
            Fail(L"there is more after the root element");
        return root;
    }

private:
    [[noreturn]] void Fail(const std::wstring &message) const { FailAt(pos_, message); }
    [[noreturn]] void FailAt(size_t pos, const std::wstring &message) const {
        int line = 1, column = 1;
        for (size_t i = 0; i < pos && i < text_.size(); ++i, ++column)
            if (text_[i] == L'\n') {
                ++line;
                column = 0;
            }
        throw EXmlError(line, column, message);
    }
    int LineAt(size_t pos) const {
        int line = 1;
        for (size_t i = 0; i < pos; ++i)
            line += text_[i] == L'\n';
        return line;
    }

    bool At(const wchar_t *token) const { return text_.compare(pos_, wcslen(token), token) == 0; }
    wchar_t Peek() const { return pos_ < text_.size() ? text_[pos_] : L'\0'; }
    void Expect(wchar_t c, const wchar_t *what) {
        if (Peek() != c)
            Fail(classlib::Format(L"'%s' expected %s", {std::wstring(1, c), what}));
        ++pos_;
    }
    bool Space() {
        size_t start = pos_;
        while (pos_ < text_.size() && iswspace(text_[pos_]))
            ++pos_;
        return pos_ > start;
    }
    void SkipPast(const wchar_t *end, const wchar_t *what) {
        size_t found = text_.find(end, pos_);
        if (found == std::wstring::npos)
            Fail(classlib::Format(L"%s is not closed", {what}));
        pos_ = found + wcslen(end);
    }
    // Blanks, comments and processing instructions (the XML declaration among them).
    void Misc() {
        for (;;) {
            Space();
            if (At(L"<!--"))
                SkipPast(L"-->", L"a comment");
            else if (At(L"<?"))
                SkipPast(L"?>", L"a processing instruction");
            else
                return;
        }
    }

    std::wstring Name() {
        size_t start = pos_;
        if (!NameStart(Peek()))
            Fail(L"a name expected");
        while (NameChar(Peek()))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    // Text up to stop with its references decoded.
    std::wstring Decoded(wchar_t stop) {
        std::wstring out;
        while (pos_ < text_.size() && text_[pos_] != stop) {
            wchar_t c = text_[pos_];
            if (c == L'<')
                Fail(L"'<' inside an attribute value");
            if (c != L'&') {
                out += c;
                ++pos_;
                continue;
            }
            size_t semicolon = text_.find(L';', pos_);
            if (semicolon == std::wstring::npos || semicolon - pos_ > 10)
                Fail(L"'&' that starts no reference");
            std::wstring ref = text_.substr(pos_ + 1, semicolon - pos_ - 1);
            if (ref == L"amp")
                out += L'&';
            else if (ref == L"lt")
                out += L'<';
            else if (ref == L"gt")
                out += L'>';
            else if (ref == L"quot")
                out += L'"';
            else if (ref == L"apos")
                out += L'\'';
            else if (ref.size() > 1 && ref[0] == L'#')
                out += CharacterReference(ref);
            else
                Fail(L"unknown entity &" + ref + L";");
            pos_ = semicolon + 1;
        }
        return out;
    }

    std::wstring CharacterReference(const std::wstring &ref) {
        bool hex = ref[1] == L'x';
        std::wstring digits = ref.substr(hex ? 2 : 1);
        unsigned long code = 0;
        for (wchar_t d : digits) {
            if (hex ? !iswxdigit(d) : !iswdigit(d))
                Fail(L"bad character reference &" + ref + L";");
            code = code * (hex ? 16 : 10) + (iswdigit(d) ? d - L'0' : (towlower(d) - L'a' + 10));
            if (code > 0x10FFFF)
                Fail(L"bad character reference &" + ref + L";");
        }
        if (digits.empty() || code == 0)
            Fail(L"bad character reference &" + ref + L";");
        if (code < 0x10000)
            return std::wstring(1, static_cast<wchar_t>(code));
        code -= 0x10000;
        return {static_cast<wchar_t>(0xD800 + (code >> 10)), static_cast<wchar_t>(0xDC00 + (code & 0x3FF))};
    }

    void Attributes(XmlElement &element) {
        for (;;) {
            bool spaced = Space();
            if (At(L"/>") || At(L">"))
                return;
            if (!spaced)
                Fail(L"a blank expected between attributes");
            size_t start = pos_;
            std::wstring name = Name();
            if (element.Attribute(name))
                FailAt(start, L"attribute " + name + L" given twice");
            Space();
            Expect(L'=', L"after an attribute name");
            Space();
            wchar_t quote = Peek();
            if (quote != L'"' && quote != L'\'')
                Fail(L"an attribute value must be quoted");
            ++pos_;
            std::wstring value = Decoded(quote);
            Expect(quote, L"to end the attribute value");
            element.attributes.emplace_back(std::move(name), std::move(value));
        }
    }

    XmlElement Element() {
        size_t start = pos_;
        Expect(L'<', L"");
        XmlElement element;
        element.line = LineAt(start);
        element.name = Name();
        Attributes(element);
        if (At(L"/>")) {
            pos_ += 2;
            return element;
        }
        Expect(L'>', L"to end the start tag");
        for (;;) {
            if (pos_ >= text_.size())
                FailAt(start, L"<" + element.name + L"> is not closed");
            if (At(L"</")) {
                size_t at = pos_;
                pos_ += 2;
                std::wstring closing = Name();
                if (closing != element.name)
                    FailAt(at, classlib::Format(L"</%s> closes <%s> of line %d",
                                                {closing, element.name, element.line}));
                Space();
                Expect(L'>', L"to end the end tag");
                return element;
            }
            if (At(L"<!--"))
                SkipPast(L"-->", L"a comment");
            else if (At(L"<![CDATA["))
                Fail(L"CDATA sections have no place in this document");
            else if (At(L"<?"))
                SkipPast(L"?>", L"a processing instruction");
            else if (At(L"<"))
                element.children.push_back(Element());
            else
                Text();
        }
    }

    // Character data between elements: only blanks belong there.
    void Text() {
        size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != L'<') {
            if (!iswspace(text_[pos_]))
                FailAt(start, L"text where only elements belong");
            ++pos_;
        }
    }

    const std::wstring &text_;
    size_t pos_ = 0;
};

} // namespace

XmlElement ParseXml(const std::wstring &text) {
    return Parser(text).Document();
}

} // namespace officesim
