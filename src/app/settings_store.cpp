#include "settings_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringConverter>
#include <QStringList>

#include "core_words.h"
#include "fs/program_folders.h"
#include "fs/system_reason.h"

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

namespace fs = std::filesystem;

fs::path settingsPath(const QSettings& settings) { return fs::path(settings.fileName().toStdString()); }

// The whole file, or the errno of the failed open or read.
struct FileRead {
    std::string bytes;
    int error = 0;
};

FileRead readSettingsFile(const fs::path& path) {
    FileRead read;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        read.error = errno;
        return read;
    }
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            read.bytes.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            if (n < 0) read.error = errno;
            break;
        }
    }
    ::close(fd);
    return read;
}

// A line of an INI file the store reads: blank, a comment, a [section] or a key=value.
bool isSettingsLine(QStringView line) {
    const QStringView text = line.trimmed();
    if (text.isEmpty() || text.startsWith(u';') || text.startsWith(u'#')) return true;
    if (text.startsWith(u'[')) return text.endsWith(u']');
    return text.contains(u'=');
}

// True when the bytes are text in INI form: UTF-8 without control characters (but tabs and line
// ends), every line one the store reads. A value may go on over the next line after a backslash.
bool holdsSettings(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (utf8.hasError()) return false;
    for (const QChar c : text)
        if (c.category() == QChar::Other_Control && c != u'\t' && c != u'\n' && c != u'\r') return false;
    bool continued = false;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        if (!continued && !isSettingsLine(line)) return false;
        continued = line.trimmed().endsWith(u'\\');
    }
    return true;
}

// "a folder is in its place", for a folder (or anything but a file) where the file should be.
QString inItsPlace(fs::file_type type) {
    return QCoreApplication::translate("Settings", "その場所に%1があります").arg(wordText(FileTypeName(type)));
}

QString unusableFile(const QSettings& settings, const QString& why) {
    return QCoreApplication::translate("Settings",
                                       "設定ファイル %1 を使えません: %2\n"
                                       "今回は最初の設定で始めます。ファイルを書きかえないよう、設定は保存しません。")
        .arg(QDir::toNativeSeparators(settings.fileName()), why);
}

// The first folder on the way to `path` that is there (the store makes the missing ones).
fs::path firstExistingFolderOf(fs::path path) {
    std::error_code ec;
    fs::path folder = path.parent_path();
    while (!folder.empty() && folder != folder.parent_path() && !fs::exists(fs::symlink_status(folder, ec)))
        folder = folder.parent_path();
    return folder;
}

// Why the store cannot write `path`, in the program's language, as far as the file system tells.
QString whyNotWritable(const fs::path& path) {
    std::error_code ec;
    const fs::file_status file = fs::status(path, ec);
    if (fs::exists(file) && !fs::is_regular_file(file)) return inItsPlace(file.type());
    const fs::path folder = firstExistingFolderOf(path);
    if (std::error_code typeError; !fs::is_directory(folder, typeError)) return wordText(SystemReason(ENOTDIR));
    if (::access(folder.c_str(), W_OK) != 0) return wordText(SystemReason(errno));
    if (fs::exists(file) && ::access(path.c_str(), W_OK) != 0) return wordText(SystemReason(errno));
    return QCoreApplication::translate("Settings", "書きこみが拒まれました");
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
}

QString SettingsFileProblem(const QSettings& settings) {
    const fs::path path = settingsPath(settings);
    std::error_code ec;
    const fs::file_status entry = fs::status(path, ec);
    if (!fs::exists(entry)) return {};
    if (!fs::is_regular_file(entry)) return unusableFile(settings, inItsPlace(entry.type()));
    const FileRead read = readSettingsFile(path);
    if (read.error != 0) return unusableFile(settings, wordText(SystemReason(read.error)));
    if (settings.status() == QSettings::FormatError || !holdsSettings(read.bytes))
        return unusableFile(settings, QCoreApplication::translate("Settings", "設定として読める内容ではありません"));
    return {};
}

QString SettingsSaveProblem(const QSettings& settings) {
    return QCoreApplication::translate("Settings",
                                       "設定を %1 に保存できませんでした: %2\n"
                                       "今回変えた設定は、次に起動したときには戻りません。")
        .arg(QDir::toNativeSeparators(settings.fileName()), whyNotWritable(settingsPath(settings)));
}

}  // namespace pelterra::app
