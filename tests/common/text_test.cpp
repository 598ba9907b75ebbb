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

TEST(Text, ReadableBytesForMessages)
{
    const std::string ellipsis = "\xE2\x80\xA6";
    struct Case {
        const char* what;
        std::string bytes, shown;
    } cases[] = {
        {"plain text stays", "12.25.", "12.25."},
        {"UTF-8 letters stay", "J\xC3\xB3zef", "J\xC3\xB3zef"},
        {"control bytes", std::string("a\0b\t\r\x1F\x7F", 7), "a\\x00b\\x09\\x0D\\x1F\\x7F"},
        {"bytes that are no UTF-8", "\xFF\xC3(\xE2\x82", "\\xFF\\xC3(\\xE2\\x82"},
        {"sixty characters fit", std::string(60, 'a'), std::string(60, 'a')},
        {"longer is cut at sixty", std::string(61, 'a'), std::string(60, 'a') + ellipsis},
        {"a letter counts once", std::string(59, 'a') + "\xC3\xA9\xC3\xA9",
         std::string(59, 'a') + "\xC3\xA9" + ellipsis},
        {"an escape counts four", std::string(57, 'a') + "\x01", std::string(57, 'a') + ellipsis},
        {"empty", "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadableBytes(c.bytes), c.shown) << c.what;
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
