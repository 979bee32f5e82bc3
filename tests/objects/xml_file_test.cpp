// Loading an XML data file: what TinyXML's own loading does (line ends, errors
// named by file and line), and files that end inside a UTF-8 character, which
// once sent the parser past the end of its buffer.

#include <gtest/gtest.h>

#include <tinyxml.h>

#include <string>

#include "objects/xml_file.h"
#include "support/scratch_dir.h"

namespace {

TEST(XmlFileTest, ReadsLikeTinyXmlWithLineEndsMadeNewlines) {
    TestSupport::ScratchDir dir;
    dir.Write("MapData/Table.xml", "<Table>\r\n  <Row Text=\"a\">one\r\ntwo\rthree</Row>\r\n</Table>\r\n");
    TiXmlDocument document;
    ASSERT_TRUE(Engine::LoadXmlFile(document, "MapData//Table.xml")) << document.ErrorDesc();
    const TiXmlElement* row = document.RootElement()->FirstChildElement("Row");
    ASSERT_NE(row, nullptr);
    EXPECT_STREQ(row->Attribute("Text"), "a");
    EXPECT_STREQ(row->GetText(), "one two three") << "white space condensed, as TinyXML does";

    // An error is placed on the same line whichever line ends the file uses.
    int rows[3] = {0, 0, 0};
    const char* ends[3] = {"\n", "\r\n", "\r"};
    for (int i = 0; i < 3; ++i) {
        const std::string end = ends[i];
        dir.Write("Broken.xml", "<Table>" + end + "<Row>" + end + "<Cell>" + end + "</Table>" + end);
        TiXmlDocument broken;
        EXPECT_FALSE(Engine::LoadXmlFile(broken, "Broken.xml"));
        rows[i] = broken.ErrorRow();
    }
    EXPECT_GT(rows[0], 1);
    EXPECT_EQ(rows[1], rows[0]);
    EXPECT_EQ(rows[2], rows[0]);
}

TEST(XmlFileTest, AMissingOrBrokenFileIsNamedInOneLine) {
    TestSupport::ScratchDir dir;
    TiXmlDocument missing;
    EXPECT_FALSE(Engine::LoadXmlFile(missing, "MapData//Nowhere.xml"));
    EXPECT_NE(Engine::DescribeXmlError(missing, "MapData//Nowhere.xml").find("MapData//Nowhere.xml"),
              std::string::npos);

    dir.Write("Broken.xml", "<Table>\n<Row>\n</Table>\n");
    TiXmlDocument broken;
    EXPECT_FALSE(Engine::LoadXmlFile(broken, "Broken.xml"));
    const std::string line = Engine::DescribeXmlError(broken, "Broken.xml");
    EXPECT_NE(line.find("at line"), std::string::npos) << line;

    dir.Write("Empty.xml", "");
    TiXmlDocument empty;
    EXPECT_FALSE(Engine::LoadXmlFile(empty, "Empty.xml"));
}

// Each file stops inside a multi-byte character (a lead byte with its
// continuation bytes missing) in a different place the parser reads text:
// an attribute value, element text, a name, a comment. Under the sanitizers a
// read past the end of the text shows here.
TEST(XmlFileTest, AFileEndingInsideAUtf8CharacterIsRefusedNotOverread) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::string endings[] = {
        bom + "<Bank><Event Name=\"x\xF0",
        bom + "<Bank><Event Name=\"x\xE2\x82",
        bom + "<Bank>text\xF0",
        bom + "<Bank><Ev\xF0",
        bom + "<Bank><!-- \xF0",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Bank Name='\xF3",
    };
    TestSupport::ScratchDir dir;
    for (const std::string& text : endings) {
        dir.Write("Cut.xml", text);
        TiXmlDocument document;
        EXPECT_FALSE(Engine::LoadXmlFile(document, "Cut.xml")) << text;
    }
}

}  // namespace
