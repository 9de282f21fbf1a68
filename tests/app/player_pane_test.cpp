// The player view beside the editor: drawn again after every edit without a build command, its
// own zoom, and a skin archive opened from the File menu or dropped on the window.
#include <fstream>

#include <QAction>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>

#include "app_fixture.h"
#include "player_pane.h"
#include "support/crafted_archives.h"

namespace pelterra::app::testing {
namespace {

const std::filesystem::path kStackedSample = kProgramFolder / "Samples" / "base_main_eq_playlist.bmp";

class PlayerPaneTest : public AppTest {
protected:
    PlayerPane* pane() { return app->mainWindow()->playerPane(); }
};

TEST_F(PlayerPaneTest, FollowsEveryEditOnceThePictureIsOpen) {
    MainWindow* main = start();
    QApplication::processEvents();
    EXPECT_TRUE(pane()->image().isNull());  // nothing to draw before a picture is open
    EXPECT_TRUE(pane()->missingText().contains(QStringLiteral("PictureOpen")));

    main->openBasePictureFile(QString::fromStdString(kStackedSample.string()));
    QApplication::processEvents();
    const QImage first = pane()->image();
    // The main window over the equalizer, the playlist (275x116) to their right.
    ASSERT_EQ(first.size(), QSize(550, 232));
    EXPECT_EQ(first.pixelColor(400, 200).alpha(), 0);  // below the playlist: nothing drawn

    widget<QScrollBar>("hscR_5")->setValue(120);  // the title bar's colour
    QApplication::processEvents();
    EXPECT_NE(pane()->image(), first);
    EXPECT_EQ(pane()->image().pixel(100, 130), first.pixel(100, 130));  // the equalizer face stays

    pane()->findChild<QComboBox*>(QStringLiteral("PlayerZoom"))->setCurrentIndex(2);
    QApplication::processEvents();
    EXPECT_EQ(pane()->image().size(), QSize(1650, 696));
}

TEST_F(PlayerPaneTest, ASkinArchiveOpensInTheViewAndABrokenOneIsReported) {
    MainWindow* main = start();
    const std::filesystem::path broken = scratch / "broken.wsz";
    interaction().chooseSkinFile = [&](QWidget*) { return QString::fromStdString(broken.string()); };
    // No archive at all, and one whose entry fails its checksum: each one message, nothing drawn.
    const std::pair<std::string, std::string> files[] = {
        {"not an archive", "this is not a ZIP archive (a skin archive is a .wsz or .zip file)"},
        {test_support::archiveWithAByteChanged("main.bmp"), "the entry \"main.bmp\" is damaged (its checksum does not match)"},
    };
    for (const auto& [bytes, message] : files) {
        std::ofstream(broken, std::ios::binary | std::ios::trunc) << bytes;
        messages.clear();
        main->findChild<QAction*>(QStringLiteral("mnuOpenSkin"))->trigger();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages.front().toStdString(), broken.string() + ": " + message);
        EXPECT_TRUE(pane()->image().isNull());
    }

    // A skin folder with one sheet: the rest are drawn as placeholders and listed.
    const std::filesystem::path folder = scratch / "skin";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(kProgramFolder / "Samples" / "base_main.bmp", folder / "MAIN.BMP");
    main->openSkin(QString::fromStdString(folder.string()));
    EXPECT_EQ(pane()->image().size(), QSize(550, 232));
    EXPECT_TRUE(pane()->missingText().contains(QStringLiteral("cbuttons.bmp")));
}

}  // namespace
}  // namespace pelterra::app::testing
