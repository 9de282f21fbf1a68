#include "core_captions.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace pelterra::app {

namespace {

// Listed here so that the translation tools see them; the core's tables hold the same words.
[[maybe_unused]] constexpr const char* kCaptions[] = {
    // The cut-out buttons of the playlist pages.
    QT_TRANSLATE_NOOP("CoreCaption", "左上"), QT_TRANSLATE_NOOP("CoreCaption", "上の枠"),
    QT_TRANSLATE_NOOP("CoreCaption", "タイトルバー"), QT_TRANSLATE_NOOP("CoreCaption", "右上"),
    QT_TRANSLATE_NOOP("CoreCaption", "左の枠"), QT_TRANSLATE_NOOP("CoreCaption", "下の枠"),
    QT_TRANSLATE_NOOP("CoreCaption", "スペアナ"), QT_TRANSLATE_NOOP("CoreCaption", "右の枠"),
    QT_TRANSLATE_NOOP("CoreCaption", "ボタン"), QT_TRANSLATE_NOOP("CoreCaption", "コントロール"),
    QT_TRANSLATE_NOOP("CoreCaption", "左端"), QT_TRANSLATE_NOOP("CoreCaption", "真中"),
    QT_TRANSLATE_NOOP("CoreCaption", "右端"), QT_TRANSLATE_NOOP("CoreCaption", "ファイル追加"),
    QT_TRANSLATE_NOOP("CoreCaption", "ファイル削除"), QT_TRANSLATE_NOOP("CoreCaption", "ファイル選択"),
    QT_TRANSLATE_NOOP("CoreCaption", "ロード"), QT_TRANSLATE_NOOP("CoreCaption", "押したとき１"),
    QT_TRANSLATE_NOOP("CoreCaption", "押したとき２"), QT_TRANSLATE_NOOP("CoreCaption", "押したとき３"),
    // A picture for the equalizer or playlist that is not 275×116.
    QT_TRANSLATE_NOOP("CoreCaption", "画像の大きさが２７５＊１１６では有りません。無理矢理変換します"),
};

}  // namespace

QString coreCaption(std::string_view words) {
    const QByteArray source(words.data(), static_cast<qsizetype>(words.size()));
    return QCoreApplication::translate("CoreCaption", source.constData());
}

QString coreProgressLine(std::string_view line) {
    struct Pattern {
        QRegularExpression match;
        const char* words;
    };
    static const Pattern kPatterns[] = {
        // The trace of the window outline: rows done, then the row being cut out.
        {QRegularExpression(QStringLiteral("^(\\d+)/116 終了$")), QT_TRANSLATE_NOOP("CoreCaption", "%1/116 終了")},
        {QRegularExpression(QStringLiteral("^(\\d+)切り取り中$")), QT_TRANSLATE_NOOP("CoreCaption", "%1切り取り中")},
    };
    const QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    for (const Pattern& pattern : kPatterns) {
        const QRegularExpressionMatch match = pattern.match.match(text);
        if (match.hasMatch()) return QCoreApplication::translate("CoreCaption", pattern.words).arg(match.captured(1));
    }
    return coreCaption(line);
}

}  // namespace pelterra::app
