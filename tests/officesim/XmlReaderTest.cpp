// The XML reader officesim checks add-ins' documents with: what it takes apart, and the exact place
// it names for what it refuses.
#include <gtest/gtest.h>

#include "officesim/XmlReader.h"

using namespace officesim;

namespace {

std::wstring ErrorOf(const std::wstring &text) {
    try {
        ParseXml(text);
    } catch (const EXmlError &e) {
        return e.Message();
    }
    return L"(no error)";
}

TEST(XmlReader, ReadsElementsAttributesAndReferences) {
    XmlElement root = ParseXml(
        L"\xFEFF<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
        L"<!-- a comment -->\r\n"
        L"<mso:customUI xmlns:mso='urn:x' onLoad=\"Loaded\">\r\n"
        L"  <ribbon>\r\n"
        L"    <!-- inside -->\r\n"
        L"    <button id=\"b1\" label=\"Tom &amp; Jerry &lt;&gt; &quot;&apos; &#228;&#x1F600;\"/>\r\n"
        L"    <button id='b2' label=\"it's\" />\r\n"
        L"  </ribbon>\r\n"
        L"</mso:customUI>\r\n");
    EXPECT_EQ(L"mso:customUI", root.name);
    EXPECT_EQ(L"mso", root.Prefix());
    EXPECT_EQ(L"customUI", root.LocalName());
    EXPECT_EQ(3, root.line);
    ASSERT_EQ(2u, root.attributes.size());
    EXPECT_EQ(L"xmlns:mso", root.attributes[0].first) << "document order is kept";
    EXPECT_EQ(L"Loaded", *root.Attribute(L"onLoad"));
    EXPECT_EQ(nullptr, root.Attribute(L"onload")) << "names are case-sensitive";
    ASSERT_EQ(1u, root.children.size());
    const XmlElement &ribbon = root.children[0];
    ASSERT_EQ(2u, ribbon.children.size());
    EXPECT_EQ(6, ribbon.children[0].line);
    EXPECT_EQ(L"Tom & Jerry <> \"' \x00E4\xD83D\xDE00", *ribbon.children[0].Attribute(L"label"));
    EXPECT_EQ(L"it's", *ribbon.children[1].Attribute(L"label"));
    EXPECT_TRUE(ribbon.children[1].children.empty());
}

TEST(XmlReader, RefusesMalformedDocumentsNamingLineAndColumn) {
    EXPECT_EQ(L"line 2, column 8: </b> closes <a> of line 1", ErrorOf(L"<a>\n<b></b></b>"))
        << "an end tag that does not match";
    EXPECT_EQ(L"line 1, column 1: <a> is not closed", ErrorOf(L"<a><b/>"));
    EXPECT_EQ(L"line 1, column 10: attribute x given twice", ErrorOf(L"<a x='1' x='2'/>"));
    EXPECT_EQ(L"line 1, column 4: text where only elements belong", ErrorOf(L"<a>hello</a>"));
    EXPECT_EQ(L"line 1, column 7: unknown entity &nbsp;", ErrorOf(L"<a x='&nbsp;'/>"));
    EXPECT_EQ(L"line 1, column 7: '<' inside an attribute value", ErrorOf(L"<a x='<'/>"));
    EXPECT_EQ(L"line 1, column 6: an attribute value must be quoted", ErrorOf(L"<a x=1/>"));
    EXPECT_EQ(L"line 1, column 8: a blank expected between attributes", ErrorOf(L"<a x=''y=''/>"));
    EXPECT_EQ(L"line 1, column 5: there is more after the root element", ErrorOf(L"<a/><b/>"));
    EXPECT_EQ(L"line 1, column 1: the document is empty", ErrorOf(L""));
    EXPECT_EQ(L"line 1, column 4: CDATA sections have no place in this document",
              ErrorOf(L"<a><![CDATA[x]]></a>"));
    EXPECT_EQ(L"line 1, column 7: bad character reference &#0;", ErrorOf(L"<a x='&#0;'/>"));
}

} // namespace
