// Splitting a settings file into sections and removing one section by rewriting the text.
#include <gtest/gtest.h>

#include <string>

#include "station/core/ini_text.h"

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

TEST(IniText, HeaderMatchIsExact) {
    EXPECT_TRUE(IsIniHeaderOf("[Home Net]\r\n", "Home Net"));
    EXPECT_TRUE(IsIniHeaderOf("[Home Net]", "Home Net"));
    EXPECT_FALSE(IsIniHeaderOf("[Home Net2]\r\n", "Home Net"));
    EXPECT_FALSE(IsIniHeaderOf("[home net]\r\n", "Home Net"));
    EXPECT_FALSE(IsIniHeaderOf("[Home Net\r\n", "Home Net"));
    EXPECT_FALSE(IsIniHeaderOf("Home Net]\r\n", "Home Net"));
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

TEST(IniText, EverySectionOfTheNameGoes) {
    EXPECT_EQ(RemoveIniSection("[A]\nx=1\n[B]\ny=2\n[A]\nz=3\n", "A"), "[B]\ny=2\n");
}

}  // namespace
