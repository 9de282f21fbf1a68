// A started program for one test: settings in a temporary folder, the generated PartsData
// library as the program folder, the open-file dialog answered by the test and every message
// box recorded instead of shown.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QString>

#include "application.h"
#include "interaction.h"
#include "main_window.h"
#include "settings_store.h"
#include "support/temp_dir.h"

namespace pelterra::app::testing {

inline const std::filesystem::path kProgramFolder = PELTERRA_BIN_DIR;

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(m_settings.path().string()));
        interaction().choosePictureFile = [this](QWidget*) { return pictureToOpen; };
        interaction().showMessage = [this](QWidget*, const QString& text) { messages.push_back(text); };
        // Unsaved work is let go unless a test asks otherwise: a window closed by a test never waits.
        interaction().askUnsaved = [](QWidget*, const QString&) { return UnsavedAnswer::Discard; };
        interaction().showInformation = [this](QWidget*, const QString& text) {
            messages.push_back(text);
            informations.push_back(text);
        };
    }
    void TearDown() override {
        app.reset();
        interaction() = {};
    }

    // Starts the program (without the splash) on `programFolder`.
    MainWindow* start(const std::filesystem::path& programFolder = kProgramFolder) {
        app.reset();
        app = std::make_unique<Application>(programFolder, openUserSettings());
        app->start(false);
        return app->mainWindow();
    }

    // The ini file the settings are written to.
    std::unique_ptr<QSettings> storedSettings() { return openUserSettings(); }

    template <typename W>
    W* widget(const QString& name) {
        W* w = app->mainWindow()->findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    Document& doc() { return app->doc(); }

    test_support::TempDir m_settings;
    test_support::UserDataFolder userData;  // the region work files of a trace
    test_support::TempDir scratch;
    std::unique_ptr<Application> app;
    QString pictureToOpen;
    std::vector<QString> messages;      // every message box, in order
    std::vector<QString> informations;  // those that came with the information icon
};

}  // namespace pelterra::app::testing
