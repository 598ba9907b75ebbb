#include "common/exception.h"
#include "common/text.h"

#include <gtest/gtest.h>

using namespace orvelle;

TEST(Text, Utf8PassesThroughAndCp1252IsConverted)
{
    EXPECT_EQ(ToUtf8("Th\xC3\xA9r\xC3\xA8se"), "Th\xC3\xA9r\xC3\xA8se");
    EXPECT_EQ(ToUtf8("Th\xE9r\xE8se"), "Th\xC3\xA9r\xC3\xA8se");
    EXPECT_EQ(ToUtf8("\x80 \x9C"), "\xE2\x82\xAC \xC5\x93");
    EXPECT_EQ(ToUtf8("\xC0\x80"), "\xC3\x80\xE2\x82\xAC") << "overlong forms are not UTF-8";
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80")) << "surrogates are not UTF-8";
    EXPECT_FALSE(IsValidUtf8("\xE2\x82"));
}

TEST(Text, UpperCasesAsciiOnly)
{
    EXPECT_EQ(AsciiUpper("saint \xC3\xA9mile z"), "SAINT \xC3\xA9MILE Z");
}

TEST(Text, FormatSubstitutesStringsAndNumbers)
{
    EXPECT_EQ(Format("Could not open file [%s]", std::string("a b")), "Could not open file [a b]");
    EXPECT_EQ(Format("%.2u.%.2u.", 2u, 1u), "02.01.");
    EXPECT_EQ(Format("plain"), "plain");
}
