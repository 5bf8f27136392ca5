// Splitting a settings file into sections and removing one section by rewriting the text.
#include <gtest/gtest.h>

#include <string>

#include "station/core/settings/ini_document.h"
#include "station/core/settings/ini_text.h"

namespace {

TEST(IniText, ParseKeepsLinesWithTheirEndsInSections) {
    IniSections s;
    ParseIniFile("[A]\r\nx=1\r\n\r\n[B]\ny=2", s);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0], (IniSection{"[A]\r\n", "x=1\r\n", "\r\n"}));
    EXPECT_EQ(s[1], (IniSection{"[B]\n", "y=2"}));  // last line without "\n" stays

    ParseIniFile("", s);
    EXPECT_TRUE(s.empty());
}

TEST(IniText, LinesBeforeTheFirstHeaderFormTheirOwnSection) {
    IniSections s;
    ParseIniFile("; note\n[A]\nx=1\n", s);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0], (IniSection{"; note\n"}));
}

// Headers as the private-profile reader takes them: blanks before "[", the name up to the
// line's last "]" without its blanks, anything after that "]" left out.
TEST(IniText, HeaderMatchIsExactOnTheNameTheReaderSees) {
    const struct {
        const char* line;
        bool header;
    } cases[] = {
        {"[Home Net]\r\n", true},       {"[Home Net]", true},           {"  \t[Home Net]\r\n", true},
        {"[Home Net] ; note\r\n", true}, {"[Home Net]   \r\n", true},   {"[ Home Net ]\n", true},
        {"[Home Net2]\r\n", false},     {"[home net]\r\n", false},     {"[Home Net\r\n", false},
        {"Home Net]\r\n", false},       {"; [Home Net]\r\n", false},   {"[Home Net]x]\r\n", false},
        {"x [Home Net]\r\n", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsIniHeaderOf(c.line, "Home Net"), c.header) << c.line;
    EXPECT_TRUE(IsIniHeaderOf("[A]]\n", "A]"));  // the last "]" closes the name
    EXPECT_FALSE(IsIniHeaderOf("", ""));
}

TEST(IniText, RemovingASectionKeepsEveryOtherByteForByte) {
    const std::string before = "; kept\r\n"
                               "[Office]\r\nSSID=a\r\n"
                               "[Cafe (5G) {x}]\r\nSSID=b\r\nActiveTime=2024, 1, 2, 3, 4, 5\r\n"
                               "[Cafe (5G) {x}2]\r\nSSID=c\r\n"
                               "[cafe (5g) {x}]\r\nSSID=d\r\n"
                               "[Last]\r\nSSID=e";
    const std::string after = "; kept\r\n"
                              "[Office]\r\nSSID=a\r\n"
                              "[Cafe (5G) {x}2]\r\nSSID=c\r\n"
                              "[cafe (5g) {x}]\r\nSSID=d\r\n"
                              "[Last]\r\nSSID=e";
    EXPECT_EQ(RemoveIniSection(before, "Cafe (5G) {x}"), after);
    EXPECT_EQ(RemoveIniSection(before, "Nowhere"), before);
    EXPECT_EQ(RemoveIniSection("[Last]\nSSID=e", "Last"), "");
}

// An indented header starts its own section: removing the section above it leaves it, and
// removing it takes exactly its lines.
TEST(IniText, RemovingTakesExactlyTheSectionOfAHeaderTheReaderAccepts) {
    const std::string file = "[Office]\r\nSSID=a\r\n"
                             "  [Cafe]\r\nSSID=b\r\n"
                             "[Home] ; moved in 2024\r\nSSID=c\r\n"
                             "[Quay]   \r\nSSID=d\r\n"
                             "[Unclosed\r\nSSID=e\r\n"
                             "[Last]\r\nSSID=f";
    const struct {
        const char* section;
        const char* removed;
    } cases[] = {
        {"Office", "[Office]\r\nSSID=a\r\n"},
        {"Cafe", "  [Cafe]\r\nSSID=b\r\n"},
        {"Home", "[Home] ; moved in 2024\r\nSSID=c\r\n"},
        // A line the reader takes for no header belongs to the section above it.
        {"Quay", "[Quay]   \r\nSSID=d\r\n[Unclosed\r\nSSID=e\r\n"},
        {"Unclosed", ""},
        {"Last", "[Last]\r\nSSID=f"},
    };
    for (const auto& c : cases) {
        std::string expected = file;
        if (*c.removed) expected.erase(expected.find(c.removed), std::string(c.removed).size());
        EXPECT_EQ(RemoveIniSection(file, c.section), expected) << c.section;
    }
}

TEST(IniText, EverySectionOfTheNameGoes) {
    EXPECT_EQ(RemoveIniSection("[A]\nx=1\n[B]\ny=2\n[A]\nz=3\n", "A"), "[B]\ny=2\n");
}

// Written as EncodeIniValue gives it, a value is read back as it was; a value without a
// blank or a quote at an end is written as it is.
TEST(IniText, EncodedValuesReadBackByteForByte) {
    const struct {
        const char* value;
        const char* written;
    } cases[] = {
        {"harbor lights", "harbor lights"},
        {"", ""},
        {"1234567 ", "\"1234567 \""},
        {" Cafe", "\" Cafe\""},
        {"\tTab\x1a", "\"\tTab\x1a\""},
        {"\"quoted\"", "\"\"quoted\"\""},
        {"'single'", "\"'single'\""},
        {"\"", "\"\"\""},
        {"it's \"inside\" x", "it's \"inside\" x"},
        {"   ", "\"   \""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EncodeIniValue(c.value), c.written) << c.value;
        const IniDocument doc("[Home]\r\nWPAPSK=" + EncodeIniValue(c.value) + "\r\n");
        EXPECT_EQ(doc.Read("Home", "WPAPSK", 127), c.value) << c.value;
    }
}

}  // namespace
