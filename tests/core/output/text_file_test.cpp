#include <gtest/gtest.h>

#include "output/text_file.h"
#include "support/temp_dir.h"

using namespace pelterra;
using pelterra::test_support::readFileBytes;
using pelterra::test_support::TempDir;

TEST(TextFiles, EveryLineEndsInCrLf) {
    auto bytes = TextFileBytes({"[Advanced Skin Plug-In]", "Winamp.Equalizer.Position=1"});
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(*bytes, "[Advanced Skin Plug-In]\r\nWinamp.Equalizer.Position=1\r\n");
}

TEST(TextFiles, ALineHoldingLineBreaksIsEndedOnceMore) {
    auto bytes = TextFileBytes({"[MARON]\r\nRain = 1\r\n"});
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(*bytes, "[MARON]\r\nRain = 1\r\n\r\n");
}

TEST(TextFiles, JapaneseTextIsWrittenInShiftJis) {
    auto bytes = TextFileBytes({"ＭＳ ゴシック"});
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(*bytes, "\x82\x6c\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4e\r\n");
}

TEST(TextFiles, TextTheCodePageCannotHoldIsRefused) {
    auto bytes = TextFileBytes({"Font 😀"});
    ASSERT_FALSE(bytes.ok());
    EXPECT_NE(bytes.error().message.find("CP932"), std::string::npos);
}

TEST(TextFiles, AFailedWriteLeavesTheOlderFileIntact) {
    TempDir dir;
    const auto path = dir / "pledit.txt";
    ASSERT_TRUE(WriteFileAtomically(path, "old\r\n").ok());
    EXPECT_FALSE(WriteFileAtomically(dir / "missing" / "x.txt", "a").ok());
    std::filesystem::create_directories(dir / "busy" / "inside");  // a folder cannot be replaced
    EXPECT_FALSE(WriteFileAtomically(dir / "busy", "a").ok());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "busy" / "inside"));
    EXPECT_EQ(readFileBytes(path), "old\r\n");
    ASSERT_TRUE(WriteFileAtomically(path, "new\r\n").ok());
    EXPECT_EQ(readFileBytes(path), "new\r\n");
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 2);  // pledit.txt and busy: no temporary file left behind
}
