// The text writer of customUI documents: its layout, entries it leaves out, and characters no XML
// document can carry. Reserved characters and the attributes' order are the customUI documents'
// tests, which the schema check validates.
#include <gtest/gtest.h>

#include <memory>

#include "CustomUIFixture.h"
#include "framework/ribbon/XMLHelper.h"

namespace customuitest {
namespace {

using framework::TzidXMLHelper;

std::unique_ptr<classlib::TStringList> List(std::initializer_list<const wchar_t *> entries) {
    auto list = std::make_unique<classlib::TStringList>();
    for (const wchar_t *entry : entries)
        list->Add(entry);
    return list;
}

TEST(CustomUIXMLHelper, LinesAreTabIndentedAndSeparatedByCrLfWithNoOuterBreaks) {
    TzidXMLHelper writer;
    EXPECT_EQ(writer.LineBreak(), L"");
    writer.OpenElement(L"customUI");
    writer.AddAttribute(L"xmlns", L"urn:a");
    writer.AddAttribute(L"onLoad", L"Loaded");
    writer.OpenElement(L"ribbon");
    writer.WriteElement(L"button", *List({L"id=b1", L"label=x=y"}));
    writer.WriteElement(L"separator", *List({}));
    writer.CloseElement(L"ribbon");
    writer.CloseElement(L"customUI");
    EXPECT_EQ(writer.Xml(), L"<customUI xmlns=\"urn:a\" onLoad=\"Loaded\">\r\n"
                            L"\t<ribbon>\r\n"
                            L"\t\t<button id=\"b1\" label=\"x=y\" />\r\n"
                            L"\t\t<separator />\r\n"
                            L"\t</ribbon>\r\n"
                            L"</customUI>");
    EXPECT_EQ(writer.Level(), 0);
    EXPECT_EQ(writer.LineBreak(), L"\r\n");
}

// An entry without a name would put ` ="..."` into the tag and spoil the whole document.
TEST(CustomUIXMLHelper, EntriesWithoutANameAreLeftOut) {
    TzidXMLHelper writer;
    writer.OpenElement(L"menu");
    writer.AddAttributes(*List({L"no separator", L"=orphan", L"id=m"}));
    writer.WriteElement(L"button", *List({L"=x", L"id=b"}));
    EXPECT_EQ(writer.Xml(), L"<menu id=\"m\">\r\n\t<button id=\"b\" />");
}

// Characters no XML 1.0 document may hold, not even as references, cannot reach the host.
TEST(CustomUIXMLHelper, CharactersXmlCannotCarryAreLeftOutOrReplaced) {
    EXPECT_EQ(framework::XmlAttributeValue(std::wstring(L"a\x01"
                                                        L"b\x1F"
                                                        L"c\0d",
                                                        7)),
              L"abcd");
    EXPECT_EQ(framework::XmlAttributeValue(L"x\xFFFE\xFFFFy"), L"xy");
    EXPECT_EQ(framework::XmlAttributeValue(L"lone \xD800 high, lone \xDC00 low"),
              L"lone \xFFFD high, lone \xFFFD low");
    EXPECT_EQ(framework::XmlAttributeValue(L"pair \xD83D\xDE00, end \xD83D"),
              L"pair \xD83D\xDE00, end \xFFFD");
    EXPECT_EQ(framework::XmlAttributeValue(L"Anh\x00E4nge \x0417\x0438\x043F \x6DFB\x4ED8 \xE000\xFFFD"),
              L"Anh\x00E4nge \x0417\x0438\x043F \x6DFB\x4ED8 \xE000\xFFFD");
}

} // namespace
} // namespace customuitest
