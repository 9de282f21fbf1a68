// Messages with their wording and values apart: the English filled in exactly as the messages
// were always written, the structure kept through wrapping and joining.
#include <gtest/gtest.h>

#include <cerrno>

#include "fs/output_folder.h"
#include "fs/system_reason.h"
#include "result.h"
#include "text/words.h"

namespace pelterra {
namespace {

TEST(FillPlaces, FillsEachPlaceOnceInAnyOrder) {
    EXPECT_EQ(FillPlaces("%2 before %1", {"a", "b"}), "b before a");
    EXPECT_EQ(FillPlaces("%1 and %1", {"x"}), "x and x");
    // A value is not filled again: a file name may hold "%2".
    EXPECT_EQ(FillPlaces("%1: %2", {"100%2.bmp", "gone"}), "100%2.bmp: gone");
    // Places beyond nine, a place without a value, and a percent sign that is no place.
    EXPECT_EQ(FillPlaces("%10|%1", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "ten"}), "ten|1");
    EXPECT_EQ(FillPlaces("%3 of %1", {"a"}), "%3 of a");
    EXPECT_EQ(FillPlaces("50% done%", {}), "50% done%");
    EXPECT_EQ(FillPlaces("%99999999999999999999 stays", {"a"}), "%99999999999999999999 stays");
}

TEST(WordedError, TheMessageIsTheWordingFilledWithItsValues) {
    const Error e{
        "pic.bmp", CoreMessage::wording("the picture is %1 × %2 pixels; at most %3 on a side"), {4000, 3000, 2048}};
    EXPECT_EQ(e.message, "the picture is 4000 × 3000 pixels; at most 2048 on a side");
    EXPECT_EQ(e.describe(), "pic.bmp: the picture is 4000 × 3000 pixels; at most 2048 on a side");
    EXPECT_TRUE(e.words.translated());
    EXPECT_EQ(e.words.text(), "the picture is %1 × %2 pixels; at most %3 on a side");
    ASSERT_EQ(e.words.values().size(), 3u);
    EXPECT_EQ(e.words.values()[0].text(), "4000");
    EXPECT_FALSE(e.words.values()[0].translated());

    // A plain message stays as written, with nothing to translate.
    const Error plain{"", "as it is %1"};
    EXPECT_EQ(plain.message, "as it is %1");
    EXPECT_FALSE(plain.words.translated());
}

TEST(WordedError, WrappingKeepsTheInnerWordingAsATranslatedValue) {
    const Error inner{
        "/tmp/x", CoreMessage::wording("cannot create a file in this folder: %1"), {SystemReason(EACCES)}};
    EXPECT_EQ(inner.message, "cannot create a file in this folder: permission denied");
    const Error outer{"/tmp/x/region.txt", CoreMessage::wording("cannot write region.txt: %1"), {inner.words}};
    EXPECT_EQ(outer.message, "cannot write region.txt: cannot create a file in this folder: permission denied");
    const Words& nested = outer.words.values().at(0);
    EXPECT_EQ(nested.text(), "cannot create a file in this folder: %1");
    EXPECT_EQ(nested.values().at(0).text(), "permission denied");
    EXPECT_TRUE(nested.values().at(0).translated());

    const Error moved = inner.withPath("other.bmp");
    EXPECT_EQ(moved.describe(), "other.bmp: cannot create a file in this folder: permission denied");
    EXPECT_EQ(moved.words.text(), inner.words.text());
}

TEST(WordedError, SeveralFailuresKeepEachErrorWithItsFile) {
    Failures failures;
    failures.add(Error{"a\nb.bmp", CoreMessage::wording("the file is empty")});
    failures.add(Error{"", CoreMessage::wording("there is no part list %1"), {"lstData(9)"}});
    const Status joined = failures.result();
    ASSERT_FALSE(joined.ok());
    // The file name's line break is escaped, so that each failure keeps one line.
    EXPECT_EQ(joined.error().message, "a\\nb.bmp: the file is empty\nthere is no part list lstData(9)");
    EXPECT_FALSE(joined.error().words.translated());
    const std::vector<Words>& lines = joined.error().words.values();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].values().at(1).text(), "the file is empty");
    EXPECT_TRUE(lines[0].values().at(1).translated());
    EXPECT_EQ(lines[1].text(), "there is no part list %1");
}

TEST(WordedError, TheOwnerOfAFolderIsAWordOfItsOwn) {
    const Status empty = CheckFolderName("", FolderOwner::Project);
    ASSERT_FALSE(empty.ok());
    EXPECT_EQ(empty.error().message, "the project needs a folder name");
    EXPECT_TRUE(empty.error().words.values().at(0).translated());
    EXPECT_EQ(SystemReason(ENOSPC).english(), "the disk is full");
    EXPECT_FALSE(SystemReason(ENOEXEC).translated());  // rarer reasons in the system's own words
}

}  // namespace
}  // namespace pelterra
