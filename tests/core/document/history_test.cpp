// Undo and redo: every kind of edit comes back exactly, a drag joins one step, the limits hold
// and the saved state is known again after undoing back to it.
#include <gtest/gtest.h>

#include <string>

#include "document/document.h"
#include "document/history.h"
#include "document/set_control.h"
#include "generators/frame_maker.h"
#include "playlist/playlist_commands.h"

using namespace pelterra;

namespace {

// Every slot and control of a document, compared key by key (a failure names the first key).
void expectSameDocument(const Document& actual, Document& expected) {
    for (const std::string& key : expected.slotKeys()) {
        const auto ref = expected.slotByWritten(key);
        ASSERT_TRUE(ref);
        ASSERT_EQ(const_cast<Document&>(actual).slot(ref->name, ref->index), expected.slot(ref->name, ref->index))
            << key;
    }
    for (const std::string& key : expected.controlKeys()) {
        const auto ref = expected.controlByWritten(key);
        ASSERT_EQ(actual.control(ref->name, ref->index), expected.control(ref->name, ref->index)) << key;
    }
    EXPECT_EQ(actual.regionOutlines(), expected.regionOutlines());
    EXPECT_EQ(actual.combinedPictureFlag, expected.combinedPictureFlag);
}

struct Edit {
    const char* name;
    void (*run)(Document&);
};

const Edit kEdits[] = {
    {"check box", [](Document& d) { ASSERT_TRUE(SetControl(d, {}, "chkPLShade", "1").ok()); }},
    {"option", [](Document& d) { ASSERT_TRUE(SetControl(d, {}, "optPLNotActive(1)", "1").ok()); }},
    {"swatch with its playlist text", [](Document& d) { ASSERT_TRUE(SetControl(d, {}, "PicPleditNormal", "255").ok()); }},
    {"maker swatch and its picture", [](Document& d) { ASSERT_TRUE(SetControl(d, {}, "lbldata(0)", "4210752").ok()); }},
    {"maker", [](Document& d) { NormalFrameMake(d); }},
    {"import", [](Document& d) { ASSERT_TRUE(LoadPlaylistPicture(d, Bitmap(275, 116, RGB(9, 8, 7))).ok()); }},
    {"cut-out", [](Document& d) {
         d.assignSlot(pic::picPLPartsData, 38, Bitmap(375, 174, RGB(1, 2, 3)));
         ASSERT_TRUE(cmdPLCopy(d, 8).ok());
     }},
    {"region trace", [](Document& d) { d.setRegionOutlines({true, {{{0, 0}, {5, 0}, {5, 5}}}, {}}); }},
    {"import state", [](Document& d) {
         d.combinedPictureFlag = 1;
         d.ExtraImagePath = "/pictures/eq.bmp";
     }},
};

TEST(History, EveryKindOfEditIsUndoneAndRedoneExactly) {
    for (const Edit& edit : kEdits) {
        SCOPED_TRACE(edit.name);
        Document doc, before, after;
        History history(doc);
        edit.run(doc);
        edit.run(after);
        history.commit(edit.name);
        ASSERT_EQ(history.undoName(), edit.name);
        ASSERT_TRUE(history.undo());
        expectSameDocument(doc, before);
        EXPECT_EQ(history.redoName(), edit.name);
        ASSERT_TRUE(history.redo());
        expectSameDocument(doc, after);
    }
}

TEST(History, ADragIsOneStepAndANewEditDropsWhatWasUndone) {
    Document doc, original;
    History history(doc);
    for (int v : {10, 20, 30}) {
        ASSERT_TRUE(SetControlValue(doc, {}, "hscR(0)", v).ok());
        history.commit("colour bar R", "hscR(0)");
    }
    EXPECT_EQ(history.stepCount(), 1u);
    ASSERT_TRUE(SetControlValue(doc, {}, "hscG(0)", 5).ok());
    history.commit("colour bar G", "hscG(0)");
    EXPECT_EQ(history.stepCount(), 2u);

    ASSERT_TRUE(history.undo());
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(doc.value(ctl::hscR, 0), 0);
    expectSameDocument(doc, original);
    EXPECT_FALSE(history.undo());

    ASSERT_TRUE(history.redo());
    EXPECT_EQ(doc.value(ctl::hscR, 0), 30);
    ASSERT_TRUE(SetControlValue(doc, {}, "chkASP", 1).ok());
    history.commit("ASP");
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.redo());
}

TEST(History, PendingChangesAreCommittedBeforeAnUndo) {
    Document doc;
    History history(doc);
    ASSERT_TRUE(SetControlValue(doc, {}, "chkASP", 1).ok());
    EXPECT_TRUE(history.hasPendingChanges());
    ASSERT_TRUE(history.undo());
    EXPECT_FALSE(doc.isChecked(ctl::chkASP));
    // What a build writes (a sheet, the backdrop, the destination label) is no edit.
    doc.assignSlot(pic::picPL, -1, Bitmap(280, 186, RGB(4, 5, 6)));
    doc.assignSlot(pic::Picture3, -1, Bitmap(275, 116, RGB(4, 5, 6)));
    doc.setText(ctl::Label2, "/skins/x.zip");
    EXPECT_FALSE(history.hasPendingChanges());
    EXPECT_FALSE(history.undo());
    // A change set back to what it was is no change.
    ASSERT_TRUE(SetControlValue(doc, {}, "chkASP", 1).ok());
    ASSERT_TRUE(SetControlValue(doc, {}, "chkASP", 0).ok());
    EXPECT_FALSE(history.hasPendingChanges());
}

TEST(History, TheLimitsForgetTheOldestSteps) {
    Document doc;
    History history(doc, {.steps = 3});
    for (int v = 1; v <= 5; ++v) {
        ASSERT_TRUE(SetControlValue(doc, {}, "hscB(1)", v).ok());
        history.commit("step " + std::to_string(v));
    }
    EXPECT_EQ(history.stepCount(), 3u);
    while (history.undo()) {
    }
    EXPECT_EQ(doc.value(ctl::hscB, 1), 2);

    // Picture memory: a step of a 375x174 sheet holds one copy of it.
    Document pictures;
    History bounded(pictures, {.steps = 100, .bytes = 375 * 174 * 4 * 2});
    for (int v = 1; v <= 4; ++v) {
        pictures.assignSlot(pic::picPLPartsData, 38, Bitmap(375, 174, RGB(v, v, v)));
        bounded.commit("sheet");
    }
    EXPECT_EQ(bounded.stepCount(), 2u);
    EXPECT_EQ(bounded.bytes(), 2u * 375 * 174 * 4);
}

TEST(History, UndoingBackToTheSavedStateIsClean) {
    Document doc;
    History history(doc);
    EXPECT_TRUE(history.isClean());
    ASSERT_TRUE(SetControlValue(doc, {}, "chkASP", 1).ok());
    EXPECT_FALSE(history.isClean());
    history.markClean();
    EXPECT_TRUE(history.isClean());
    ASSERT_TRUE(SetControlValue(doc, {}, "hscR(2)", 7).ok());
    history.commit("bar", "hscR(2)");
    ASSERT_TRUE(SetControlValue(doc, {}, "hscR(2)", 9).ok());
    history.commit("bar", "hscR(2)");
    EXPECT_FALSE(history.isClean());
    ASSERT_TRUE(history.undo());
    EXPECT_TRUE(history.isClean());
    EXPECT_TRUE(doc.isChecked(ctl::chkASP));
    ASSERT_TRUE(history.undo());
    EXPECT_FALSE(history.isClean());
    // After a new edit the saved state lies on a dropped branch: never clean again by undoing.
    ASSERT_TRUE(SetControlValue(doc, {}, "chkPLFont", 1).ok());
    history.commit("font");
    while (history.undo()) EXPECT_FALSE(history.isClean());
}

}  // namespace
