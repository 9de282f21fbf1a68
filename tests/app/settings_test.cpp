// The settings between runs: the defaults of a first start, the exact "True" comparison, what
// closing the main window writes and what "Exit" loses, and a settings file that cannot be read
// or written.
#include <fstream>
#include <functional>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "app_fixture.h"
#include "language.h"
#include "settings_store.h"

namespace pelterra::app::testing {
namespace {

using SettingsTest = AppTest;

std::string folderText(const std::filesystem::path& p) {
    return QDir::toNativeSeparators(QDir::cleanPath(QString::fromStdString(p.string()))).toStdString();
}

TEST_F(SettingsTest, FirstStartShowsTheDefaults) {
    start();
    EXPECT_FALSE(widget<QCheckBox>("chkASP")->isChecked());
    EXPECT_FALSE(widget<QCheckBox>("ZipCheck")->isChecked());
    EXPECT_FALSE(doc().isChecked(ctl::chkPLFont));
    EXPECT_TRUE(widget<QRadioButton>("SaveOp1")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("SaveOp2")->isChecked());
    EXPECT_TRUE(widget<QRadioButton>("optSaveOp1")->isChecked());
    EXPECT_FALSE(widget<QRadioButton>("optSaveOp2")->isChecked());
    EXPECT_EQ(widget<QLineEdit>("txtSaveFolda")->text(), QStringLiteral("NoTitle"));
    EXPECT_EQ(widget<QLineEdit>("SaveDirText")->text().toStdString(), folderText(kProgramFolder));
    // Every swatch keeps the first colour the document gives it.
    const Document fresh;
    for (const SwatchSetting& s : kSwatchSettings)
        for (int i = 0; i < std::max(1, s.count); ++i)
            EXPECT_EQ(doc().swatch(s.swatch, s.count == 0 ? -1 : i), fresh.swatch(s.swatch, s.count == 0 ? -1 : i))
                << s.swatch << ' ' << i;
    EXPECT_EQ(doc().swatch(ctl::ViscolorSpec, 0), RGB(239, 49, 16));
    EXPECT_EQ(doc().swatch(ctl::NumberColor, 0), RGB(0, 248, 0));  // the Classic set's green digits
}

TEST_F(SettingsTest, OnlyTheExactTextTrueChecksABox) {
    {
        auto stored = storedSettings();
        stored->setValue("setting/ASP", "true");
        stored->setValue("setting/ZipCheck", "True");
        stored->setValue("setting/PLFont", "TRUE");
        stored->setValue("setting/SaveOp", "False");
        stored->setValue("setting/optSaveOp", "yes");
    }
    start();
    EXPECT_FALSE(widget<QCheckBox>("chkASP")->isChecked());
    EXPECT_TRUE(widget<QCheckBox>("ZipCheck")->isChecked());
    EXPECT_FALSE(doc().isChecked(ctl::chkPLFont));
    EXPECT_TRUE(widget<QRadioButton>("SaveOp2")->isChecked());
    EXPECT_TRUE(widget<QRadioButton>("optSaveOp2")->isChecked());
}

TEST_F(SettingsTest, StoredColoursAreRoundedAndAnythingElseIsBlack) {
    {
        auto stored = storedSettings();
        stored->setValue("color/Osc0", "255");
        stored->setValue("color/Spec15", "12.5");  // half to even
        stored->setValue("color/Back1", "13.5");
        stored->setValue("color/Peak", "blue");
        stored->setValue("color/EQ2", "-1");
        stored->setValue("color/MaskFrame", "16777216");
        stored->setValue("color/FrameMask3", "65280");
    }
    start();
    EXPECT_EQ(doc().swatch(ctl::ViscolorOsc, 0), RGB(255, 0, 0));
    EXPECT_EQ(doc().swatch(ctl::ViscolorSpec, 15), 12u);
    EXPECT_EQ(doc().swatch(ctl::ViscolorBack, 1), 14u);
    EXPECT_EQ(doc().swatch(ctl::ViscolorPeak), kBlack);
    EXPECT_EQ(doc().swatch(ctl::lblcolor, 2), kBlack);
    EXPECT_EQ(doc().swatch(ctl::LblSliderMaskFrame), kBlack);
    EXPECT_EQ(doc().swatch(ctl::lblMask, 3), RGB(0, 255, 0));
    EXPECT_EQ(doc().swatch(ctl::ViscolorSpec, 0), RGB(239, 49, 16));  // no stored value: its first colour
}

TEST_F(SettingsTest, AMissingSaveFolderFallsBackToTheProgramFolder) {
    storedSettings()->setValue("setting/SaveDirText", QString::fromStdString((scratch / "gone").string()));
    start();
    EXPECT_EQ(doc().text(ctl::SaveDirText), folderText(kProgramFolder));
}

TEST_F(SettingsTest, AnInstalledProgramSavesIntoThePerUserFolder) {
    // <prefix>/share/pelterra holding the library the build drew: the layout of an install.
    const std::filesystem::path installed = scratch / "usr" / "share" / "pelterra";
    std::filesystem::create_directories(installed);
    std::filesystem::create_directory_symlink(kProgramFolder / "PartsData", installed / "PartsData");
    start(installed);
    const std::filesystem::path skins = userData.path() / "pelterra" / "skins";
    EXPECT_EQ(doc().text(ctl::SaveDirText), folderText(skins));
    EXPECT_TRUE(std::filesystem::is_directory(skins));
    EXPECT_EQ(test_support::namesIn(installed), std::vector<std::string>{"PartsData"});
}

TEST_F(SettingsTest, ClosingTheWindowWritesWhatRestartRestores) {
    MainWindow* main = start();
    widget<QCheckBox>("chkASP")->click();
    widget<QCheckBox>("ZipCheck")->click();
    widget<QRadioButton>("SaveOp2")->click();
    widget<QRadioButton>("optSaveOp2")->click();
    doc().setText(ctl::txtSaveFolda, "Blue");
    doc().setText(ctl::SaveDirText, folderText(scratch.path()));
    doc().setValue(ctl::chkPLFont, 1);
    doc().setSwatch(ctl::ViscolorOsc, 2, RGB(1, 2, 3));
    doc().setSwatch(ctl::NumberColor, 14, RGB(200, 100, 50));
    doc().setSwatch(ctl::lblBig2, -1, RGB(0, 0, 255));
    main->close();

    auto stored = storedSettings();
    EXPECT_EQ(stored->value("setting/ASP").toString(), QStringLiteral("True"));
    EXPECT_EQ(stored->value("setting/PLFont").toString(), QStringLiteral("True"));
    EXPECT_EQ(stored->value("setting/SaveOp").toString(), QStringLiteral("False"));
    EXPECT_EQ(stored->value("setting/optSaveOp").toString(), QStringLiteral("False"));
    EXPECT_EQ(stored->value("setting/ZipCheck").toString(), QStringLiteral("True"));
    EXPECT_EQ(stored->value("setting/txtSaveFolda").toString(), QStringLiteral("Blue"));
    EXPECT_EQ(stored->value("color/Osc2").toString(), QStringLiteral("197121"));
    EXPECT_EQ(stored->value("color/Osc0").toString(), QStringLiteral("16777215"));  // first colours are written too
    EXPECT_EQ(stored->value("color/Spec15").toString(), QStringLiteral("558104"));

    start();
    EXPECT_TRUE(widget<QCheckBox>("chkASP")->isChecked());
    EXPECT_TRUE(widget<QCheckBox>("ZipCheck")->isChecked());
    EXPECT_TRUE(doc().isChecked(ctl::chkPLFont));
    EXPECT_TRUE(widget<QRadioButton>("SaveOp2")->isChecked());
    EXPECT_TRUE(widget<QRadioButton>("optSaveOp2")->isChecked());
    EXPECT_EQ(widget<QLineEdit>("txtSaveFolda")->text(), QStringLiteral("Blue"));
    EXPECT_EQ(widget<QLineEdit>("SaveDirText")->text().toStdString(), folderText(scratch.path()));
    EXPECT_EQ(doc().swatch(ctl::ViscolorOsc, 2), RGB(1, 2, 3));
    EXPECT_EQ(doc().swatch(ctl::NumberColor, 14), RGB(200, 100, 50));
    EXPECT_EQ(doc().swatch(ctl::lblBig2), RGB(0, 0, 255));
}

TEST_F(SettingsTest, ExitStoresTheSettingsAsClosingTheWindowDoes) {
    MainWindow* main = start();
    interaction().askUnsaved = [](QWidget*, const QString&) { return UnsavedAnswer::Discard; };
    bool exitAsked = false;
    QObject::connect(main, &MainWindow::exitRequested, [&] { exitAsked = true; });
    widget<QCheckBox>("chkASP")->click();
    doc().setSwatch(ctl::ViscolorPeak, -1, RGB(9, 9, 9));
    QAction* exit = main->findChild<QAction*>("MenuExit");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    exit->trigger();
    EXPECT_TRUE(exitAsked);
    EXPECT_EQ(storedSettings()->value("setting/ASP").toString().toLower(), QStringLiteral("true"));

    start();
    EXPECT_TRUE(widget<QCheckBox>("chkASP")->isChecked());
    EXPECT_EQ(doc().swatch(ctl::ViscolorPeak), RGB(9, 9, 9));
}

// The settings file this test's program reads, and its words in English for the checks.
class SettingsFileTest : public SettingsTest {
protected:
    void SetUp() override {
        SettingsTest::SetUp();
        ASSERT_TRUE(installTranslations(Language::English, kProgramFolder));
    }
    void TearDown() override {
        SettingsTest::TearDown();
        removeTranslations();
    }
    std::filesystem::path settingsFile() { return storedSettings()->fileName().toStdString(); }
};

// A settings file that cannot be read is told once at start, the program goes on with the
// defaults, and nothing it does afterwards writes over the file.
TEST_F(SettingsFileTest, AFileThatCannotBeReadIsToldOnceAndNeverWrittenOver) {
    struct Case {
        const char* what;
        std::function<void(const std::filesystem::path&)> put;
        const char* why;
    };
    using namespace std::string_literals;
    const auto write = [](const std::string& bytes) {
        return [bytes](const std::filesystem::path& file) { std::ofstream(file, std::ios::binary) << bytes; };
    };
    const Case cases[] = {
        {"bytes that are no text", write("[setting]\nZipCheck=True\n\x01\xff\xfe\0junk"s),
         "it does not hold settings the program can read"},
        {"text that is no settings", write("[setting]\nZipCheck=True\nthese are someone's notes\n"),
         "it does not hold settings the program can read"},
        {"a folder", [](const std::filesystem::path& file) { std::filesystem::create_directory(file); },
         "a folder is in its place"},
        {"a link to a folder",
         [&](const std::filesystem::path& file) {
             std::filesystem::create_directory(scratch / "elsewhere");
             std::filesystem::create_directory_symlink(scratch / "elsewhere", file);
         },
         "a folder is in its place"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::filesystem::path file = settingsFile();
        std::filesystem::remove_all(file);
        std::filesystem::create_directories(file.parent_path());
        c.put(file);
        const std::filesystem::file_type type = std::filesystem::symlink_status(file).type();
        const std::string before = type == std::filesystem::file_type::regular ? test_support::readFileBytes(file) : "";
        messages.clear();

        MainWindow* main = start();
        const QString told = QStringLiteral("The settings file %1 cannot be used: %2\nThe program starts with the "
                                            "default settings this time, and saves none so that the file is not "
                                            "written over.")
                                 .arg(QString::fromStdString(file.string()), QString::fromLatin1(c.why));
        ASSERT_EQ(messages, std::vector<QString>{told});
        EXPECT_FALSE(widget<QCheckBox>("ZipCheck")->isChecked());  // the default, not the file's
        EXPECT_FALSE(widget<QComboBox>("cboLanguage")->isEnabled());
        pictureToOpen = QString::fromStdString((kProgramFolder / "Samples" / "base_main.bmp").string());
        main->openBasePicture();  // remembered among the recent pictures: a save
        widget<QCheckBox>("ZipCheck")->click();
        main->close();

        EXPECT_EQ(messages.size(), 1u);
        EXPECT_EQ(std::filesystem::symlink_status(file).type(), type);
        if (type == std::filesystem::file_type::regular) EXPECT_EQ(test_support::readFileBytes(file), before);
        if (std::filesystem::is_directory(file)) EXPECT_TRUE(std::filesystem::is_empty(file));
        app.reset();
    }
}

// A store that cannot be written (its folder lies below a file) says so at the first save that
// fails, and only then: the later saves of the run fail the same way without another word.
TEST_F(SettingsFileTest, TheFirstFailedSaveIsToldOnce) {
    const std::filesystem::path notAFolder = scratch / "not-a-folder";
    std::ofstream(notAFolder) << "a file";
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString((notAFolder / "config").string()));
    MainWindow* main = start();
    EXPECT_TRUE(messages.empty());
    pictureToOpen = QString::fromStdString((kProgramFolder / "Samples" / "base_main.bmp").string());
    main->openBasePicture();
    const QString told = QStringLiteral("The settings could not be saved to %1: a part of the path is not a folder\n"
                                        "The settings changed in this run will not be there at the next start.")
                             .arg(QString::fromStdString(settingsFile().string()));
    EXPECT_EQ(messages, std::vector<QString>{told});
    widget<QCheckBox>("ZipCheck")->click();
    main->close();
    EXPECT_EQ(messages, std::vector<QString>{told});
    EXPECT_EQ(test_support::readFileBytes(notAFolder), "a file");
}

}  // namespace
}  // namespace pelterra::app::testing
