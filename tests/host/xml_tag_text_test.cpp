#include "station/core/wlan/xml_tag_text.h"

#include <gtest/gtest.h>

namespace {

struct TagCase {
    const char* text;
    const char* tag;
    const char* expected;
};

TEST(XmlTagText, TakesTheFirstWholeElementOfTheName) {
    const TagCase cases[] = {
        {"<a><b x=\"1\">\n  text \n</b></a>", "b", "text"},
        {"<bb>no</bb>", "b", ""},                        // another element whose name begins alike
        {"<bb>no</bb><b> yes </b>", "b", "yes"},
        {"<b>first</b><b>second</b>", "b", "first"},
        {"<b>open only", "b", ""},
        {"<b/><b>after</b>", "b", "after"},             // an empty element has no text
        {"<b>   </b>", "b", ""},
        {"<b", "b", ""},
        {"<b >", "b", ""},
        {"", "b", ""},
    };
    for (const TagCase& c : cases) EXPECT_EQ(XmlTagText(c.text, c.tag), c.expected) << c.text;
}

}  // namespace
