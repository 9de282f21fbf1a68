// The core's messages in the program's language: the wording translated, every value filled in,
// a value translated too when it is a wording of its own.
#include <cerrno>

#include <gtest/gtest.h>

#include "app_fixture.h"
#include "core_words.h"
#include "fs/system_reason.h"
#include "language.h"

namespace pelterra::app {
namespace {

class CoreWordsTest : public ::testing::Test {
protected:
    void TearDown() override { removeTranslations(); }

    // A save that failed inside another: two wordings and a system reason.
    static Error nestedFailure() {
        const Error inner{
            "/skins/%1", CoreMessage::wording("cannot create a file in this folder: %1"), {SystemReason(EACCES)}};
        return Error{"/skins/%1/region.txt", CoreMessage::wording("cannot write region.txt: %1"), {inner.words}};
    }
};

TEST_F(CoreWordsTest, JapaneseTranslatesEveryWordingAndKeepsTheFileNames) {
    ASSERT_TRUE(installTranslations(Language::Japanese, testing::kProgramFolder));
    EXPECT_EQ(wordError(nestedFailure()),
              QStringLiteral("/skins/%1/region.txt: region.txt を書き出せません: このフォルダーにファイルを作れません: "
                             "アクセスが許可されていません"));
    const Error tooLarge{
        "big.bmp", CoreMessage::wording("the file is %1 MB; picture files over %2 MB are not read"), {300, 256}};
    EXPECT_EQ(wordError(tooLarge),
              QStringLiteral("big.bmp: ファイルが 300 MB あります。256 MB を超える画像ファイルは読みません"));

    Failures failures;
    failures.add(Error{"cg.bmp", CoreMessage::wording("the file does not exist")});
    failures.add(nestedFailure());
    EXPECT_EQ(wordError(failures.result().error()).split(QLatin1Char('\n')).first(),
              QStringLiteral("cg.bmp: ファイルがありません"));
}

TEST_F(CoreWordsTest, EnglishIsTheCoresOwnMessage) {
    ASSERT_TRUE(installTranslations(Language::English, testing::kProgramFolder));
    const Error failure = nestedFailure();
    EXPECT_EQ(wordError(failure), QString::fromStdString(failure.describe()));
    EXPECT_EQ(wordError(failure), QStringLiteral("/skins/%1/region.txt: cannot write region.txt: cannot create a "
                                                 "file in this folder: permission denied"));
}

}  // namespace
}  // namespace pelterra::app
