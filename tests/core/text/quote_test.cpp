// Quoting user input in messages: what reaches the terminal can neither act on it nor bury it.
#include <gtest/gtest.h>

#include <string>

#include "result.h"
#include "text/quote.h"

using namespace pelterra;

namespace {

TEST(QuoteForMessage, PlainTextIsQuotedAsItIs) {
    EXPECT_EQ(QuoteForMessage("Glass"), "\"Glass\"");
    EXPECT_EQ(QuoteForMessage("ガラス 1"), "\"ガラス 1\"");
    EXPECT_EQ(QuoteForMessage(""), "\"\"");
}

TEST(QuoteForMessage, ControlCharactersAndStrayBytesBecomeEscapes) {
    // An escape sequence that would turn the terminal red, a bell, a line break, DEL.
    EXPECT_EQ(QuoteForMessage("\x1b[31mred\x07\r\n\t\x7f"), "\"\\x1b[31mred\\x07\\r\\n\\t\\x7f\"");
    // Bytes that are no UTF-8: a stray continuation byte, a CP932 pair, a lead byte at the end.
    EXPECT_EQ(QuoteForMessage("a\x80" "b\x83\x4b" "c\xe3"), "\"a\\x80b\\x83Kc\\xe3\"");
    // C1 controls, which some terminals take as escape sequences too.
    EXPECT_EQ(QuoteForMessage("x\xc2\x9b" "2J"), "\"x\\u009b2J\"");
    EXPECT_EQ(QuoteForMessage(std::string("nul\0in", 6)), "\"nul\\x00in\"");
}

TEST(QuoteForMessage, LongValuesAreCutAfterEightyCharactersAsShown) {
    const std::string megabyte(1 << 20, 'x');
    EXPECT_EQ(QuoteForMessage(megabyte), "\"" + std::string(80, 'x') + "…\"");
    EXPECT_EQ(QuoteForMessage(std::string(80, 'y')), "\"" + std::string(80, 'y') + "\"");
    // Characters count once however many bytes they take; an escape counts as it is shown and is
    // never split.
    std::string japanese;
    for (int i = 0; i < 81; ++i) japanese += "あ";
    std::string shown;
    for (int i = 0; i < 80; ++i) shown += "あ";
    EXPECT_EQ(QuoteForMessage(japanese), "\"" + shown + "…\"");
    EXPECT_EQ(QuoteForMessage(std::string(78, 'z') + "\x1b"), "\"" + std::string(78, 'z') + "…\"");
    EXPECT_EQ(QuoteForMessage("abcdef", 3), "\"abc…\"");
}

TEST(EscapeForMessage, PathsKeepTheirLengthButNotTheirControls) {
    const std::string longPath = "/tmp/" + std::string(300, 'p') + "\x1b]0;title\x07.bmp";
    EXPECT_EQ(EscapeForMessage(longPath), "/tmp/" + std::string(300, 'p') + "\\x1b]0;title\\x07.bmp");
}

TEST(EscapeForMessage, AnErrorShowsItsPathEscaped) {
    const Error error{"/tmp/\x1b[2Jevil.bmp", "the file is empty"};
    EXPECT_EQ(error.describe(), "/tmp/\\x1b[2Jevil.bmp: the file is empty");
}

}  // namespace
