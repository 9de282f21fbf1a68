// The language of the program's words: Japanese (the captions as written in the sources, the core's
// English messages through translations/pelterra_ja.qm) or English (translations/pelterra_en.qm
// beside the program). The stored choice "setting/Language"
// ("ja", "en" or "system") wins over the system locale; Qt's own dialogs follow through qtbase_*.qm.
#pragma once

#include <filesystem>

#include <QLocale>
#include <QSettings>
#include <QString>

namespace pelterra::app {

enum class Language { Japanese, English };

// The settings key and its values; "system" (or no value, or anything else) follows the locale.
inline constexpr char kLanguageKey[] = "setting/Language";
inline constexpr char kLanguageJapanese[] = "ja";
inline constexpr char kLanguageEnglish[] = "en";
inline constexpr char kLanguageSystem[] = "system";

// Japanese for "ja"; English for "en"; otherwise Japanese when the locale is Japanese (ja*), else
// English.
Language chooseLanguage(const QString& stored, const QLocale& system);

// The stored choice: "ja", "en" or "system".
QString storedLanguage(QSettings& settings);
void storeLanguage(QSettings& settings, const QString& choice);

// Loads the program's and Qt's translations for `language` into the application, replacing any
// loaded before. The program's .qm files lie in `programFolder`/translations. False when a file
// the language needs is missing (the words then stay as the sources write them, Qt's as Qt has
// them).
bool installTranslations(Language language, const std::filesystem::path& programFolder);

// Unloads them: every word as the sources write it (the captions Japanese, the core's messages
// English).
void removeTranslations();

// The folder of the program's .qm files.
std::filesystem::path translationsFolder(const std::filesystem::path& programFolder);

}  // namespace pelterra::app
