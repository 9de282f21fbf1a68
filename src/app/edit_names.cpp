#include "edit_names.h"

#include <string_view>

#include <QCoreApplication>

namespace pelterra::app {

namespace {

struct KnownName {
    std::string_view control;
    const char* text;
};

// Controls whose written name says little to a user. The names are worded in the user's language
// when the step is taken.
constexpr KnownName kKnownNames[] = {
    {"hscR", QT_TRANSLATE_NOOP("EditNames", "色 R")},
    {"hscG", QT_TRANSLATE_NOOP("EditNames", "色 G")},
    {"hscB", QT_TRANSLATE_NOOP("EditNames", "色 B")},
    {"lstData", QT_TRANSLATE_NOOP("EditNames", "パーツの選択")},
    {"lstMask", QT_TRANSLATE_NOOP("EditNames", "マスクの選択")},
    {"lstEQData", QT_TRANSLATE_NOOP("EditNames", "EQ パーツの選択")},
    {"lstEQMask", QT_TRANSLATE_NOOP("EditNames", "EQ マスクの選択")},
    {"SliderCombo", QT_TRANSLATE_NOOP("EditNames", "スライダーの選択")},
    {"BackColorCombo", QT_TRANSLATE_NOOP("EditNames", "背景色の選択")},
    {"EasyCombo", QT_TRANSLATE_NOOP("EditNames", "画像の選択")},
    {"PLStyleCombo", QT_TRANSLATE_NOOP("EditNames", "プレイリストのスタイル")},
    {"StyleCombo", QT_TRANSLATE_NOOP("EditNames", "スキンのスタイル")},
    {"optPelterra", QT_TRANSLATE_NOOP("EditNames", "合成方法")},
    {"optSeken", QT_TRANSLATE_NOOP("EditNames", "合成方法")},
    {"optEQPelterra", QT_TRANSLATE_NOOP("EditNames", "合成方法")},
    {"optEQSeken", QT_TRANSLATE_NOOP("EditNames", "合成方法")},
};

std::string_view baseName(std::string_view key) { return key.substr(0, key.find('(')); }

std::string worded(const char* text) { return QCoreApplication::translate("EditNames", text).toStdString(); }

// "box lstData(2)": the kind of control, then its written name, which stays as it is in any
// language.
std::string kindAndName(ControlKind kind, const std::string& written) {
    const char* pattern = "%1";
    switch (kind) {
        case ControlKind::Check: pattern = QT_TRANSLATE_NOOP("EditNames", "チェック %1"); break;
        case ControlKind::Option: pattern = QT_TRANSLATE_NOOP("EditNames", "オプション %1"); break;
        case ControlKind::Scroll: pattern = QT_TRANSLATE_NOOP("EditNames", "スクロールバー %1"); break;
        case ControlKind::List: pattern = QT_TRANSLATE_NOOP("EditNames", "リスト %1"); break;
        case ControlKind::Text: pattern = QT_TRANSLATE_NOOP("EditNames", "テキスト %1"); break;
        case ControlKind::Swatch: pattern = QT_TRANSLATE_NOOP("EditNames", "色 %1"); break;
    }
    return QCoreApplication::translate("EditNames", pattern).arg(QString::fromStdString(written)).toStdString();
}

}  // namespace

EditName DescribeEdit(const Document& doc, const std::string& firstControl, const std::string& firstSlot) {
    if (!firstControl.empty()) {
        const auto ref = doc.controlByWritten(firstControl);
        const ControlKind kind = ref ? doc.control(ref->name, ref->index).kind : ControlKind::Text;
        std::string text = kindAndName(kind, firstControl);
        for (const KnownName& known : kKnownNames)
            if (known.control == baseName(firstControl)) text = worded(known.text);
        // A drag moves one scroll bar many times: all of it is one step.
        return {text, kind == ControlKind::Scroll ? firstControl : std::string()};
    }
    if (!firstSlot.empty())
        return {QCoreApplication::translate("EditNames", "画像 %1").arg(QString::fromStdString(firstSlot)).toStdString(), {}};
    return {worded(QT_TRANSLATE_NOOP("EditNames", "編集")), {}};
}

}  // namespace pelterra::app
