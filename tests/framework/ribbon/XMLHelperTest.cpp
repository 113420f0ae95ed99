// The text writer of customUI documents: entries it leaves out, and characters no XML document can
// carry. Its layout (tab indents, CR LF between lines and none around the document), reserved
// characters and the attributes' order are the customUI documents' tests (CustomUIDocument.*), whose
// documents the schema check validates.
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
