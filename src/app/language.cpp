#include "language.h"

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace pelterra::app {

namespace {

// The translators in use; replaced by the next installTranslations.
std::unique_ptr<QTranslator> g_program;
std::unique_ptr<QTranslator> g_qt;

std::unique_ptr<QTranslator> load(const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, folder)) return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

}  // namespace

Language chooseLanguage(const QString& stored, const QLocale& system) {
    if (stored == QLatin1String(kLanguageJapanese)) return Language::Japanese;
    if (stored == QLatin1String(kLanguageEnglish)) return Language::English;
    return system.language() == QLocale::Japanese ? Language::Japanese : Language::English;
}

QString storedLanguage(QSettings& settings) {
    const QString v = settings.value(QLatin1String(kLanguageKey)).toString();
    if (v == QLatin1String(kLanguageJapanese) || v == QLatin1String(kLanguageEnglish)) return v;
    return QLatin1String(kLanguageSystem);
}

void storeLanguage(QSettings& settings, const QString& choice) {
    settings.setValue(QLatin1String(kLanguageKey), choice);
}

std::filesystem::path translationsFolder(const std::filesystem::path& programFolder) {
    return programFolder / "translations";
}

void removeTranslations() {
    if (g_program) QCoreApplication::removeTranslator(g_program.get());
    if (g_qt) QCoreApplication::removeTranslator(g_qt.get());
    g_program.reset();
    g_qt.reset();
}

bool installTranslations(Language language, const std::filesystem::path& programFolder) {
    removeTranslations();
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString ownFolder = QString::fromStdString(translationsFolder(programFolder).string());
    if (language == Language::Japanese) {
        // The windows' words are Japanese already; the core's messages are English until translated.
        g_program = load(QStringLiteral("pelterra_ja"), ownFolder);
        g_qt = load(QStringLiteral("qtbase_ja"), qtFolder);
        return g_program != nullptr && g_qt != nullptr;
    }
    g_program = load(QStringLiteral("pelterra_en"), ownFolder);
    g_qt = load(QStringLiteral("qtbase_en"), qtFolder);
    return g_program != nullptr && g_qt != nullptr;
}

}  // namespace pelterra::app
