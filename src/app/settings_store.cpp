#include "settings_store.h"

#include <cmath>

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include "fs/program_folders.h"

namespace pelterra::app {

namespace {

constexpr char kSettingSection[] = "setting";
constexpr char kColourSection[] = "color";
constexpr char kTrue[] = "True";
constexpr char kFalse[] = "False";

QString key(std::string_view k) { return QString::fromUtf8(k.data(), static_cast<qsizetype>(k.size())); }

// A stored value as text. An INI value with an unquoted comma reads back as a list; join it again.
QString readText(QSettings& settings, const QString& name, const QString& fallback) {
    const QVariant v = settings.value(name, fallback);
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(','));
    return v.toString();
}

bool isTrue(QSettings& settings, const char* name, const char* fallback) {
    return readText(settings, QString::fromLatin1(name), QString::fromLatin1(fallback)) == QLatin1String(kTrue);
}

void writeFlag(QSettings& settings, const char* name, bool on) {
    settings.setValue(QString::fromLatin1(name), QString::fromLatin1(on ? kTrue : kFalse));
}

// An option pair stored as one yes/no value: "True" selects the first.
void readOptionPair(Document& doc, QSettings& settings, const char* name, ControlName first,
                    ControlName second) {
    doc.select(isTrue(settings, name, kTrue) ? first : second);
}

QString colourKey(const SwatchSetting& s, int i) {
    return s.count == 0 ? key(s.prefix) : key(s.prefix) + QString::number(i);
}

// Every (key, control index) of the colour table, in its order.
template <typename F>
void forEachSwatch(const Document& doc, F&& visit) {
    for (const SwatchSetting& s : kSwatchSettings) {
        for (int i = 0; i < std::max(1, s.count); ++i) {
            const int index = s.count == 0 ? -1 : i;
            if (!doc.hasControl(s.swatch, index)) continue;  // a window not built into this program
            visit(s, colourKey(s, i), index);
        }
    }
}

QString folderText(const QString& path) { return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath())); }

// The save folder of a first start: beside a library the user may write to, else the per-user
// folder; when even that cannot be made the library's folder stays, and a save says why it fails.
QString defaultSaveFolder(const std::filesystem::path& programFolder) {
    const Result<std::filesystem::path> folder = DefaultSaveFolder(programFolder);
    return QString::fromStdString((folder ? folder.value() : programFolder).string());
}

}  // namespace

std::unique_ptr<QSettings> openUserSettings() {
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(kSettingsApplication),
                                       QString::fromLatin1(kSettingsApplication));
}

Colour parseStoredColour(const QString& text) {
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) return kBlack;
    const double whole = std::nearbyint(number);  // rounds half to even
    if (whole < 0 || whole > 0xFFFFFF) return kBlack;
    return static_cast<Colour>(whole);
}

void ReadCheckSettings(Document& doc, QSettings& settings) {
    settings.beginGroup(QString::fromLatin1(kSettingSection));
    doc.setValue(ctl::chkPLFont, isTrue(settings, "PLFont", "false") ? 1 : 0);
    doc.setValue(ctl::chkASP, isTrue(settings, "ASP", "false") ? 1 : 0);
    readOptionPair(doc, settings, "SaveOp", ctl::SaveOp1, ctl::SaveOp2);
    readOptionPair(doc, settings, "optSaveOp", ctl::optSaveOp1, ctl::optSaveOp2);
    doc.setValue(ctl::ZipCheck, isTrue(settings, "ZipCheck", kFalse) ? 1 : 0);
    doc.setValue(ctl::ArchiveWsz, isTrue(settings, "ArchiveWsz", kTrue) ? 1 : 0);
    doc.setValue(ctl::AskBeforeReplacing, isTrue(settings, "AskBeforeReplacing", kTrue) ? 1 : 0);
    settings.endGroup();
}

void ReadSaveFolderSettings(Document& doc, QSettings& settings, const std::filesystem::path& programFolder) {
    settings.beginGroup(QString::fromLatin1(kSettingSection));
    const QString stored = readText(settings, QStringLiteral("SaveDirText"), QString());
    const QFileInfo folder(stored);
    const bool opens = !stored.isEmpty() && folder.isDir() && folder.isReadable() && QDir(stored).isReadable();
    doc.setText(ctl::SaveDirText, folderText(opens ? stored : defaultSaveFolder(programFolder)).toStdString());
    doc.setText(ctl::txtSaveFolda, readText(settings, QStringLiteral("txtSaveFolda"), QStringLiteral("NoTitle")).toStdString());
    settings.endGroup();
}

void ReadColourSettings(Document& doc, QSettings& settings) {
    settings.beginGroup(QString::fromLatin1(kColourSection));
    forEachSwatch(doc, [&](const SwatchSetting& s, const QString& name, int index) {
        // A key that was never written keeps the swatch's first colour.
        if (!settings.contains(name)) return;
        doc.setSwatch(s.swatch, index, parseStoredColour(readText(settings, name, {})));
    });
    settings.endGroup();
}

void WriteSettings(const Document& doc, QSettings& settings) {
    settings.beginGroup(QString::fromLatin1(kSettingSection));
    writeFlag(settings, "ASP", doc.isChecked(ctl::chkASP));
    writeFlag(settings, "PLFont", doc.isChecked(ctl::chkPLFont));
    writeFlag(settings, "SaveOp", doc.isSelected(ctl::SaveOp1));
    writeFlag(settings, "optSaveOp", doc.isSelected(ctl::optSaveOp1));
    writeFlag(settings, "ZipCheck", doc.isChecked(ctl::ZipCheck));
    writeFlag(settings, "ArchiveWsz", doc.isChecked(ctl::ArchiveWsz));
    writeFlag(settings, "AskBeforeReplacing", doc.isChecked(ctl::AskBeforeReplacing));
    settings.setValue(QStringLiteral("SaveDirText"), QString::fromStdString(doc.text(ctl::SaveDirText)));
    settings.setValue(QStringLiteral("txtSaveFolda"), QString::fromStdString(doc.text(ctl::txtSaveFolda)));
    settings.endGroup();

    settings.beginGroup(QString::fromLatin1(kColourSection));
    forEachSwatch(doc, [&](const SwatchSetting& s, const QString& name, int index) {
        settings.setValue(name, QString::number(doc.swatch(s.swatch, index)));
    });
    settings.endGroup();
    settings.sync();
}

}  // namespace pelterra::app
