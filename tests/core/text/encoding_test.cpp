// Reading text: which bytes are UTF-8, and CP932 (Shift-JIS) converted to UTF-8.
#include <gtest/gtest.h>

#include <string>

#include "text/encoding.h"

using namespace pelterra;

namespace {

constexpr auto npos = std::string::npos;

TEST(FirstInvalidUtf8, WellFormedTextHasNone) {
    EXPECT_EQ(FirstInvalidUtf8(""), npos);
    EXPECT_EQ(FirstInvalidUtf8("lstData(0)=ガラス|Glass 😀 é"), npos);
}

TEST(FirstInvalidUtf8, FindsTheFirstByteOfEveryKindOfMalformedSequence) {
    EXPECT_EQ(FirstInvalidUtf8("ab\x80"), 2u);                 // a continuation byte alone
    EXPECT_EQ(FirstInvalidUtf8("a\xc0\xafz"), 1u);              // an overlong '/'
    EXPECT_EQ(FirstInvalidUtf8("a\xe0\x80\xafz"), 1u);          // an overlong three-byte form
    EXPECT_EQ(FirstInvalidUtf8("ok\xed\xa0\x80"), 2u);          // a surrogate
    EXPECT_EQ(FirstInvalidUtf8("\xf4\x90\x80\x80"), 0u);        // beyond U+10FFFF
    EXPECT_EQ(FirstInvalidUtf8("\xf5\x80\x80\x80"), 0u);        // a lead byte no sequence has
    EXPECT_EQ(FirstInvalidUtf8("あ\xe3\x81"), 3u);              // cut off at the end
    EXPECT_EQ(FirstInvalidUtf8("\xe3\x81" "a"), 0u);            // a continuation missing
    EXPECT_EQ(FirstInvalidUtf8("\x83\x4b\x83\x89\x83\x58"), 0u);  // CP932 "ガラス"
}

TEST(DecodeCp932, JapaneseTextComesOutAsUtf8) {
    // "ガラス" and "中間" in CP932, with ASCII between.
    const Result<std::string> text = DecodeCp932("lst=\x83\x4b\x83\x89\x83\x58|\x92\x86\x8a\xd4\r\n");
    ASSERT_TRUE(text.ok()) << text.error().message;
    EXPECT_EQ(*text, "lst=ガラス|中間\r\n");
}

TEST(DecodeCp932, BytesThatAreNoCp932AreRefusedWithTheirOffset) {
    const Result<std::string> stray = DecodeCp932("abc\x80xyz");
    ASSERT_FALSE(stray.ok());
    EXPECT_EQ(stray.error().message, "byte 3 is no CP932 character");
    const Result<std::string> cut = DecodeCp932("abc\x83");
    ASSERT_FALSE(cut.ok());
    EXPECT_EQ(cut.error().message, "the text ends inside a CP932 character");
}

}  // namespace
