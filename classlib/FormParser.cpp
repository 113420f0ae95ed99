#include "classlib/FormParser.h"

#include "classlib/Exceptions.h"
#include "classlib/Format.h"

#include <limits>

namespace classlib {

const wchar_t *FormValueKindName(TFormValueKind kind) {
    switch (kind) {
    case TFormValueKind::Integer:
        return L"integer";
    case TFormValueKind::String:
        return L"string";
    case TFormValueKind::Ident:
        return L"identifier";
    case TFormValueKind::Set:
        return L"set";
    case TFormValueKind::List:
        return L"list";
    case TFormValueKind::Collection:
        return L"collection";
    case TFormValueKind::Binary:
        return L"binary data";
    }
    return L"value";
}

namespace {

[[noreturn]] void SyntaxError(int line, const std::wstring &message) {
    throw EReadError(Format(L"Line %d: %s", {line, message}));
}

bool IsAlpha(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_';
}
bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
int HexDigit(wchar_t c) {
    if (IsDigit(c))
        return c - L'0';
    if (c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    if (c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    return -1;
}

// Shows a character in a message even when it would not print.
std::wstring Printable(wchar_t c) {
    if (c > L' ' && c < 127)
        return Format(L"'%s'", {std::wstring(1, c)});
    return Format(L"#%d", {static_cast<int>(c)});
}

enum class TTokenKind { End, Ident, String, Integer, Symbol };

struct TToken {
    TTokenKind Kind = TTokenKind::End;
    int Line = 1;
    wchar_t Symbol = 0;
    std::wstring Text;
    int64_t Integer = 0;
};

class TLexer {
public:
    explicit TLexer(const std::wstring &text) : text_(text) {
        if (!text_.empty() && text_[0] == 0xFEFF)
            pos_ = 1;
    }

    TToken Next() {
        SkipBlanks();
        TToken t;
        t.Line = line_;
        if (pos_ >= text_.size())
            return t;
        wchar_t c = text_[pos_];
        if (IsAlpha(c)) {
            t.Kind = TTokenKind::Ident;
            t.Text = ReadDottedIdent();
        } else if (c == L'\'' || c == L'#') {
            t.Kind = TTokenKind::String;
            t.Text = ReadString();
        } else if (IsDigit(c) || c == L'$' ||
                   (c == L'-' && pos_ + 1 < text_.size() &&
                    (IsDigit(text_[pos_ + 1]) || text_[pos_ + 1] == L'$'))) {
            t.Kind = TTokenKind::Integer;
            t.Integer = ReadInteger();
        } else if (std::wstring(L"=:[](){}<>,+").find(c) != std::wstring::npos) {
            t.Kind = TTokenKind::Symbol;
            t.Symbol = c;
            ++pos_;
        } else {
            SyntaxError(line_, L"Invalid character " + Printable(c));
        }
        return t;
    }

    // Reads the hex digits after a `{` up to and including the closing `}`.
    std::vector<uint8_t> ReadHex() {
        int startLine = line_;
        std::vector<uint8_t> bytes;
        int high = -1;
        for (;;) {
            if (pos_ >= text_.size())
                SyntaxError(startLine, L"Unterminated binary data: '}' expected");
            wchar_t c = text_[pos_++];
            if (c == L'}')
                break;
            if (c == L'\n')
                ++line_;
            if (c <= L' ')
                continue;
            int d = HexDigit(c);
            if (d < 0)
                SyntaxError(line_, L"Invalid binary data: " + Printable(c) + L" is not a hex digit");
            if (high < 0) {
                high = d;
            } else {
                bytes.push_back(static_cast<uint8_t>(high * 16 + d));
                high = -1;
            }
        }
        if (high >= 0)
            SyntaxError(line_, L"Invalid binary data: odd number of hex digits");
        return bytes;
    }

private:
    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] <= L' ') {
            if (text_[pos_] == L'\n')
                ++line_;
            ++pos_;
        }
    }

    std::wstring ReadIdent() {
        size_t start = pos_;
        while (pos_ < text_.size() && (IsAlpha(text_[pos_]) || IsDigit(text_[pos_])))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    std::wstring ReadDottedIdent() {
        std::wstring name = ReadIdent();
        while (pos_ + 1 < text_.size() && text_[pos_] == L'.' && IsAlpha(text_[pos_ + 1])) {
            ++pos_;
            name += L'.' + ReadIdent();
        }
        return name;
    }

    // Quoted pieces and #codes written side by side make one string: 'Anh'#228'nge'.
    std::wstring ReadString() {
        std::wstring out;
        while (pos_ < text_.size()) {
            if (text_[pos_] == L'\'') {
                ++pos_;
                for (;;) {
                    if (pos_ >= text_.size() || text_[pos_] == L'\n' || text_[pos_] == L'\r')
                        SyntaxError(line_, L"Unterminated string");
                    wchar_t c = text_[pos_++];
                    if (c == L'\'') {
                        if (pos_ < text_.size() && text_[pos_] == L'\'') {
                            out += L'\'';
                            ++pos_;
                            continue;
                        }
                        break;
                    }
                    out += c;
                }
            } else if (text_[pos_] == L'#') {
                ++pos_;
                if (pos_ >= text_.size() || !IsDigit(text_[pos_]))
                    SyntaxError(line_, L"Invalid character code: digits expected after '#'");
                uint32_t code = 0;
                while (pos_ < text_.size() && IsDigit(text_[pos_])) {
                    code = code * 10 + (text_[pos_++] - L'0');
                    if (code > 0xFFFF)
                        SyntaxError(line_, L"Invalid character code: more than 65535");
                }
                out += static_cast<wchar_t>(code);
            } else {
                break;
            }
        }
        return out;
    }

    int64_t ReadInteger() {
        bool negative = text_[pos_] == L'-';
        if (negative)
            ++pos_;
        uint64_t value = 0;
        const uint64_t limit = negative ? uint64_t(std::numeric_limits<int64_t>::max()) + 1
                                        : uint64_t(std::numeric_limits<int64_t>::max());
        if (text_[pos_] == L'$') {
            ++pos_;
            int digits = 0;
            for (int d; pos_ < text_.size() && (d = HexDigit(text_[pos_])) >= 0; ++pos_, ++digits) {
                if (digits == 16)
                    SyntaxError(line_, L"Integer value too large");
                value = value * 16 + d;
            }
            if (digits == 0)
                SyntaxError(line_, L"Invalid hex number: digits expected after '$'");
        } else {
            for (; pos_ < text_.size() && IsDigit(text_[pos_]); ++pos_) {
                uint64_t d = text_[pos_] - L'0';
                if (value > (limit - d) / 10)
                    SyntaxError(line_, L"Integer value too large");
                value = value * 10 + d;
            }
        }
        if (pos_ < text_.size() && (IsAlpha(text_[pos_]) || text_[pos_] == L'.'))
            SyntaxError(line_, L"Invalid number");
        return negative ? static_cast<int64_t>(0 - value) : static_cast<int64_t>(value);
    }

    const std::wstring &text_;
    size_t pos_ = 0;
    int line_ = 1;
};

bool IsKeyword(const TToken &t, const wchar_t *word) {
    return t.Kind == TTokenKind::Ident && SameText(t.Text, word);
}

class TParser {
public:
    explicit TParser(const std::wstring &text) : lexer_(text) { Advance(); }

    TFormObject ParseRoot() {
        TFormObject root = ParseObject();
        if (tok_.Kind != TTokenKind::End)
            SyntaxError(tok_.Line, L"Text after the end of the form");
        return root;
    }

private:
    void Advance() { tok_ = lexer_.Next(); }

    bool IsSymbol(wchar_t c) const { return tok_.Kind == TTokenKind::Symbol && tok_.Symbol == c; }

    void ExpectSymbol(wchar_t c) {
        if (!IsSymbol(c))
            SyntaxError(tok_.Line, Format(L"'%s' expected", {std::wstring(1, c)}));
        Advance();
    }

    std::wstring ExpectIdent(const wchar_t *what, bool dotted) {
        if (tok_.Kind != TTokenKind::Ident || (!dotted && tok_.Text.find(L'.') != std::wstring::npos))
            SyntaxError(tok_.Line, Format(L"%s expected", {what}));
        std::wstring text = tok_.Text;
        Advance();
        return text;
    }

    TFormObject ParseObject() {
        TFormObject obj;
        obj.Line = tok_.Line;
        if (!IsKeyword(tok_, L"object"))
            SyntaxError(tok_.Line, L"'object' expected");
        Advance();
        obj.Name = ExpectIdent(L"Component name", false);
        ExpectSymbol(L':');
        obj.ClassName = ExpectIdent(L"Class name", false);
        for (;;) {
            if (IsKeyword(tok_, L"end")) {
                Advance();
                return obj;
            }
            if (IsKeyword(tok_, L"object"))
                obj.Children.push_back(ParseObject());
            else if (tok_.Kind == TTokenKind::End)
                SyntaxError(tok_.Line, Format(L"'end' of object %s expected", {obj.Name}));
            else
                obj.Properties.push_back(ParseProperty());
        }
    }

    TFormProperty ParseProperty() {
        TFormProperty prop;
        prop.Line = tok_.Line;
        prop.Name = ExpectIdent(L"Property name", true);
        ExpectSymbol(L'=');
        prop.Value = ParseValue();
        return prop;
    }

    TFormValue ParseValue() {
        TFormValue v;
        v.Line = tok_.Line;
        switch (tok_.Kind) {
        case TTokenKind::Integer:
            v.Kind = TFormValueKind::Integer;
            v.Integer = tok_.Integer;
            Advance();
            return v;
        case TTokenKind::String:
            v.Kind = TFormValueKind::String;
            v.Text = tok_.Text;
            Advance();
            while (IsSymbol(L'+')) {
                Advance();
                if (tok_.Kind != TTokenKind::String)
                    SyntaxError(tok_.Line, L"String expected after '+'");
                v.Text += tok_.Text;
                Advance();
            }
            return v;
        case TTokenKind::Ident:
            v.Kind = TFormValueKind::Ident;
            v.Text = tok_.Text;
            Advance();
            return v;
        case TTokenKind::Symbol:
            break;
        case TTokenKind::End:
            SyntaxError(tok_.Line, L"Value expected");
        }
        wchar_t open = tok_.Symbol;
        if (open == L'[') {
            v.Kind = TFormValueKind::Set;
            Advance();
            if (!IsSymbol(L']')) {
                v.Names.push_back(ExpectIdent(L"Set element", false));
                while (IsSymbol(L',')) {
                    Advance();
                    v.Names.push_back(ExpectIdent(L"Set element", false));
                }
            }
            ExpectSymbol(L']');
        } else if (open == L'(') {
            v.Kind = TFormValueKind::List;
            Advance();
            while (!IsSymbol(L')')) {
                if (tok_.Kind == TTokenKind::End)
                    SyntaxError(tok_.Line, L"')' expected");
                v.List.push_back(ParseValue());
            }
            Advance();
        } else if (open == L'<') {
            v.Kind = TFormValueKind::Collection;
            Advance();
            while (!IsSymbol(L'>'))
                v.Items.push_back(ParseItem());
            Advance();
        } else if (open == L'{') {
            v.Kind = TFormValueKind::Binary;
            v.Bytes = lexer_.ReadHex();
            Advance();
        } else {
            SyntaxError(tok_.Line, L"Value expected");
        }
        return v;
    }

    TFormItem ParseItem() {
        TFormItem item;
        item.Line = tok_.Line;
        if (!IsKeyword(tok_, L"item"))
            SyntaxError(tok_.Line, L"'item' or '>' expected");
        Advance();
        if (IsSymbol(L'[')) {
            Advance();
            if (tok_.Kind != TTokenKind::Integer)
                SyntaxError(tok_.Line, L"Item order index expected");
            item.Order = tok_.Integer;
            Advance();
            ExpectSymbol(L']');
        }
        while (!IsKeyword(tok_, L"end")) {
            if (tok_.Kind == TTokenKind::End)
                SyntaxError(tok_.Line, L"'end' of collection item expected");
            item.Properties.push_back(ParseProperty());
        }
        Advance();
        return item;
    }

    TLexer lexer_;
    TToken tok_;
};

} // namespace

TFormObject ParseForm(const std::wstring &text) {
    return TParser(text).ParseRoot();
}

} // namespace classlib
