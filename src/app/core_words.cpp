#include "core_words.h"

#include <QCoreApplication>

namespace pelterra::app {

namespace {

std::string translated(const Words& words) {
    std::string pattern = words.text();
    if (words.translated())
        pattern = QCoreApplication::translate(CoreMessage::kContext, pattern.c_str()).toStdString();
    if (words.values().empty()) return pattern;
    std::vector<std::string> values;
    values.reserve(words.values().size());
    for (const Words& value : words.values()) values.push_back(translated(value));
    return FillPlaces(pattern, values);
}

}  // namespace

QString wordText(const Words& words) { return QString::fromStdString(translated(words)); }

QString wordError(const Error& error) { return wordText(error.described()); }

}  // namespace pelterra::app
