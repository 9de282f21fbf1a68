// libFuzzer target for the desktop program's settings reader: the bytes are the user's settings
// file (QSettings, INI form), read into a fresh document as the program does at start-up. It
// must not crash; and the settings the program then writes must read back to the same values.
// QSettings keeps the files it read in a cache of its own, which libFuzzer's leak check would
// take for a leak after every input and scan the whole heap for: fuzz/settings_reader.options
// turns that check off for this target.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <QSettings>
#include <QString>

#include "document/document.h"
#include "settings_store.h"

using namespace pelterra;

namespace {

// In memory where the system has a folder for it: QSettings syncs every file it writes.
std::filesystem::path scratchFolder() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

// QSettings keeps what it read of a file by its name, so every input gets a name of its own.
std::string freshSettingsPath() {
    static unsigned counter = 0;
    return (scratchFolder() /
            ("pelterra-settings-fuzz-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".ini"))
        .string();
}

// The program folder the save folder falls back to; it exists, so the fallback is stable.
const std::filesystem::path kProgramFolder = std::filesystem::temp_directory_path();

// A fresh document for each input, copied from one built once.
Document freshDocument() {
    static const Document initial;
    return initial;
}

void readSettings(Document& doc, const std::string& path) {
    QSettings settings(QString::fromStdString(path), QSettings::IniFormat);
    app::ReadCheckSettings(doc, settings);
    app::ReadSaveFolderSettings(doc, settings, kProgramFolder);
    app::ReadColourSettings(doc, settings);
}

// The values the settings hold: the boxes and options of "setting", the save folder and name,
// and every swatch of "color".
std::string settingsValues(const Document& doc) {
    std::string values;
    for (ControlName box : {ctl::chkPLFont, ctl::chkASP, ctl::SaveOp1, ctl::optSaveOp1, ctl::ZipCheck})
        values += std::to_string(doc.value(box)) + "\n";
    values += doc.text(ctl::SaveDirText) + "\n" + doc.text(ctl::txtSaveFolda) + "\n";
    for (const app::SwatchSetting& s : app::kSwatchSettings)
        for (int i = 0; i < std::max(1, s.count); ++i)
            if (doc.hasControl(s.swatch, s.count == 0 ? -1 : i))
                values += std::to_string(doc.swatch(s.swatch, s.count == 0 ? -1 : i)) + "\n";
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = freshSettingsPath();
    {
        std::ofstream out(input, std::ios::binary);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Document doc = freshDocument();
    readSettings(doc, input);
    std::remove(input.c_str());

    const std::string output = freshSettingsPath();
    {
        QSettings settings(QString::fromStdString(output), QSettings::IniFormat);
        app::WriteSettings(doc, settings);
    }
    Document again = freshDocument();
    readSettings(again, output);
    std::remove(output.c_str());
    if (settingsValues(again) != settingsValues(doc)) std::abort();
    return 0;
}
