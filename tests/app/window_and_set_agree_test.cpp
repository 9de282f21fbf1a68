// The window and --set cannot drift apart: every kind of control set through its bound widget
// builds the same skin sheets as the same values set through SetControl, the core entry point of
// --set.
#include <cstdlib>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

#include "app_fixture.h"
#include "colour_swatch.h"
#include "document/initial_state.h"
#include "document/set_control.h"
#include "equalizer/picture_import.h"
#include "settings_store.h"
#include "sheets/build_driver.h"

namespace pelterra::app::testing {
namespace {

const std::filesystem::path kSample = kProgramFolder / "Samples" / "base_main_eq_playlist.bmp";

// What a user does, in the window's order: a part before its colour bar.
struct Step {
    const char* control;  // the control name, as --set takes it
    const char* value;
};
constexpr Step kSteps[] = {
    {"StyleCombo", "3"},          // whole-skin style: parts, digits, glyph, list and visualisation colours
    {"lstData(1)", "1"},          // list
    {"chkTitlebarLink", "1"},     // link box
    {"lstMask(5)", "1"},          // mask list shown by it
    {"hscR(1)", "60"},            // colour bar
    {"MonosterCheck2", "0"},      // make box twin (checked at start)
    {"optPelterra(1)", "1"},      // option (Mix mode)
    {"chkASP", "1"},              // check box
    {"PicPleditNormal", "2075397"},  // swatch
    {"txtSaveFolda", "Agreed"},   // text
    {"SliderCombo", "1"},         // combo
    {"PLStyleCombo", "2"},        // playlist style: fills and cuts every playlist part
    {"lstEQData(2)", "1"},        // equalizer list
    {"MaronVScroll", "30"},       // scroll bar with an effect
};

class WindowAndSetAgree : public AppTest {
protected:
    QString objectName(const char* control) {
        std::string name;
        int index = -1;
        EXPECT_TRUE(parseControlName(control, name, index));
        return QString::fromStdString(index < 0 ? name : name + "_" + std::to_string(index));
    }

    // Sets a control as the user does: through the widget bound to it.
    void setThroughTheWindow(const Step& step) {
        SCOPED_TRACE(step.control);
        const QString name = objectName(step.control);
        const int value = std::atoi(step.value);  // 0 for a text
        QWidget* w = app->mainWindow()->findChild<QWidget*>(name);
        ASSERT_NE(w, nullptr) << name.toStdString();
        if (auto* list = qobject_cast<QListWidget*>(w)) {
            list->setCurrentRow(value);
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            box->click();
        } else if (auto* option = qobject_cast<QRadioButton*>(w)) {
            option->click();
        } else if (auto* bar = qobject_cast<QScrollBar*>(w)) {
            bar->setValue(value);
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            combo->setCurrentIndex(value);
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            edit->setText(QString::fromUtf8(step.value));
            Q_EMIT edit->textEdited(edit->text());
        } else if (auto* swatch = qobject_cast<ColourSwatch*>(w)) {
            colourDialogs().chooseColour = [value](QWidget*, const QColor&) -> std::optional<QColor> {
                return toQColor(static_cast<Colour>(value));
            };
            swatch->pick();
        } else {
            FAIL() << "no widget kind for " << name.toStdString();
        }
    }
};

TEST_F(WindowAndSetAgree, EveryKindOfControlBuildsTheSameSheets) {
    if (!std::filesystem::exists(kSample)) GTEST_SKIP() << "the sample pictures were not drawn";
    start();
    Document& window = doc();
    ASSERT_TRUE(OpenCombinedPicture(window, kSample.string(), {}).ok());
    for (const Step& step : kSteps) setThroughTheWindow(step);
    EXPECT_TRUE(messages.empty());

    // The command line's document: the same start (the same stored settings), then --set.
    Document line;
    auto settings = storedSettings();
    ReadCheckSettings(line, *settings);
    ReadSaveFolderSettings(line, *settings, kProgramFolder);
    ReadColourSettings(line, *settings);
    ASSERT_TRUE(InitialiseDocument(line, kProgramFolder).ok());
    ASSERT_TRUE(OpenCombinedPicture(line, kSample.string(), {}).ok());
    for (const Step& step : kSteps) ASSERT_TRUE(SetControl(line, kProgramFolder, step.control, step.value).ok());

    for (const Step& step : kSteps)
        EXPECT_EQ(window.getByName(step.control).value(), line.getByName(step.control).value()) << step.control;
    EXPECT_EQ(window.text(ctl::MaronText), "30");
    EXPECT_EQ(window.text(ctl::Text1), line.text(ctl::Text1));

    ASSERT_TRUE(BuildSkinImages(window, kProgramFolder).ok());
    ASSERT_TRUE(BuildSkinImages(line, kProgramFolder).ok());
    for (const std::string& key : window.slotKeys()) {
        const SlotRef s = *window.slotByWritten(key);
        EXPECT_EQ(window.slot(s.name, s.index), line.slot(s.name, s.index)) << key;
    }
}

}  // namespace
}  // namespace pelterra::app::testing
