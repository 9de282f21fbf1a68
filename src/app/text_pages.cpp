#include "text_pages.h"

#include <iterator>
#include <string>

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "bindings.h"
#include "page_helpers.h"
#include "colour_swatch.h"
#include "colours/glyph_colours.h"
#include "colours/viscolor.h"
#include "document/control.h"
#include "generator_windows.h"
#include "output/skin_text.h"
#include "project_page.h"

namespace pelterra::app {

namespace {


// --- "Pledit.txt" -------------------------------------------------------------------------

struct PleditSwatch {
    ControlName swatch;
    const char* caption;
};
constexpr PleditSwatch kPleditSwatches[] = {
    {ctl::PicPleditNormal, QT_TRANSLATE_NOOP("TextPages", "普通の文字の色")},
    {ctl::PicPleditNormalBG, QT_TRANSLATE_NOOP("TextPages", "背景色")},
    {ctl::PicPleditSelectedBG, QT_TRANSLATE_NOOP("TextPages", "選択中の背景色")},
    {ctl::PicPleditCurrent, QT_TRANSLATE_NOOP("TextPages", "再生中の曲の文字の色")},
};
static_assert(std::size(kPleditSwatches) == 4, "four playlist colours");

// A preview of the list: its box takes one colour as background, its label another as text.
struct PleditPreview {
    const char* picture;
    const char* label;
    const char* caption;
    ControlName background;
    ControlName text;
};
constexpr PleditPreview kPleditPreviews[] = {
    {"PrePicPleditNormal", "PreLblPleditNormal", QT_TRANSLATE_NOOP("TextPages", "通常の表示"), ctl::PicPleditNormalBG, ctl::PicPleditNormal},
    {"PrePicPleditSelected", "PreLblPleditSelected", QT_TRANSLATE_NOOP("TextPages", "選択中の表示"), ctl::PicPleditSelectedBG, ctl::PicPleditNormal},
    {"PrePicPleditPlay", "PreLblPleditPlay", QT_TRANSLATE_NOOP("TextPages", "再生中の表示"), ctl::PicPleditNormalBG, ctl::PicPleditCurrent},
    {"PrePicPleditPS", "PreLblPleditPS", QT_TRANSLATE_NOOP("TextPages", "再生中＆選択中の表示"), ctl::PicPleditSelectedBG, ctl::PicPleditCurrent},
};
static_assert(std::size(kPleditPreviews) == 4, "four previews");

// The preview labels' font before any font was chosen.
const QString kPreviewInitialFont = QStringLiteral("ＭＳ Ｐ明朝");

QString previewFontName(const Document& doc) {
    const std::string& chosen = doc.text(ctl::PleditFonts);
    return chosen.empty() ? kPreviewInitialFont : QString::fromStdString(chosen);
}

QFrame* pleditPreview(DocumentBridge& bridge, const PleditPreview& p, QWidget* parent) {
    auto* box = new QFrame(parent);
    box->setObjectName(QString::fromLatin1(p.picture));
    box->setAutoFillBackground(true);
    box->setFrameShape(QFrame::StyledPanel);
    box->setMinimumSize(200, 26);
    auto* label = new QLabel(QCoreApplication::translate("TextPages", p.caption), box);
    label->setObjectName(QString::fromLatin1(p.label));
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(label);
    layout->addStretch();

    Document& doc = bridge.doc();
    auto refresh = [&doc, box, label, p] {
        QPalette boxPalette = box->palette();
        boxPalette.setColor(QPalette::Window, toQColor(doc.swatch(p.background)));
        box->setPalette(boxPalette);
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::WindowText, toQColor(doc.swatch(p.text)));
        label->setPalette(labelPalette);
        QFont font = label->font();
        font.setFamily(previewFontName(doc));
        label->setFont(font);
    };
    for (ControlName key : {p.background, p.text, ctl::PleditFonts}) watchControl(bridge, box, key, refresh);
    return box;
}

// A multi-line box that shows a text control as it is written (CR LF shown as line breaks).
QPlainTextEdit* fileTextView(DocumentBridge& bridge, ControlName name, QWidget* parent) {
    auto* view = new QPlainTextEdit(parent);
    view->setObjectName(objectNameOf(name));
    // The text is remade from the swatches and the font on every change: an edit here would be
    // lost at the next one, so the box only shows it.
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    Document& doc = bridge.doc();
    watchControl(bridge, view, name, [&doc, view, name] {
        QString text = QString::fromStdString(doc.text(name));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        if (view->toPlainText() != text) view->setPlainText(text);
    });
    return view;
}

void selectPleditFont(DocumentBridge& bridge, QWidget* parent) {
    Document& doc = bridge.doc();
    QFont initial;
    initial.setFamily(previewFontName(doc));
    const std::optional<QFont> chosen = ChooseFont(parent, initial);
    if (!chosen) return;
    bridge.setControlText(ControlRef{ctl::PleditFonts}, chosen->family().toStdString());
}

// --- "Maron.txt" ----------------------------------------------------------------------------

// --- "Viscolor" -----------------------------------------------------------------------------

struct ViscolorRow {
    const char* frame;
    const char* caption;
    ControlName swatch;
    int count;          // 0: a single swatch
    const char* ramp;   // the "補完" button, or null
};
constexpr ViscolorRow kViscolorRows[] = {
    {"fraViscolorBack", QT_TRANSLATE_NOOP("TextPages", "背景"), ctl::ViscolorBack, 2, nullptr},
    {"fraViscolorSpec", QT_TRANSLATE_NOOP("TextPages", "スペクトラムアナライザー"), ctl::ViscolorSpec, 16, "BtnViscolorSpec"},
    {"fraViscolorOsc", QT_TRANSLATE_NOOP("TextPages", "オシロスコープ"), ctl::ViscolorOsc, 5, "BtnViscolorOsc"},
    {"fraViscolorPeak", QT_TRANSLATE_NOOP("TextPages", "ピーク表示"), ctl::ViscolorPeak, 0, nullptr},
};
static_assert(std::size(kViscolorRows) == 4, "the four frames of the Viscolor page");

// A column of swatches, numbered, with an optional "補完" button under it.
QGroupBox* swatchColumn(DocumentBridge& bridge, const QString& frameName, const QString& caption,
                        ControlName swatch, int count, QWidget* parent) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(frameName);
    auto* grid = new QGridLayout(frame);
    grid->setVerticalSpacing(2);
    for (int i = 0; i < std::max(1, count); ++i) {
        const int index = count == 0 ? -1 : i;
        auto* view = new ColourSwatch(bridge, swatch, index, {}, frame);
        view->setFixedSize(48, 18);
        if (count > 0) {
            auto* number = new QLabel(QString::number(i), frame);
            number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(number, i, 0);
        }
        grid->addWidget(view, i, 1);
    }
    frame->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    return frame;
}

QPushButton* rampButton(const char* name, QWidget* parent, std::function<void()> ramp) {
    auto* button = new QPushButton(QCoreApplication::translate("TextPages", "補完"), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QCoreApplication::translate("TextPages", "最初と最後の色のあいだを順に埋めます"));
    QObject::connect(button, &QPushButton::clicked, button, std::move(ramp));
    return button;
}

// --- glyph colours ------------------------------------------------------------------------

struct GlyphFrame {
    GlyphPart part;
    const char* frame;
    ControlName swatch;
    int count;
    const char* ramp;   // "補完"
    const char* apply;  // "色をつける"
};
constexpr GlyphFrame kGlyphFrames[] = {
    {GlyphPart::Number, "fraNumberColor", ctl::NumberColor, kNumberSwatches, "BtnNumberColor", "Command3"},
    {GlyphPart::Text, "fraTextColor", ctl::PicText, kTextSwatches, "BtnText", "Command2"},
};

// The maker buttons of the part pages.
void addMakerButton(QBoxLayout* column, QPushButton* button) {
    column->insertWidget(0, button);
}

}  // namespace

QWidget* buildPleditPage(DocumentBridge& bridge) {
    auto* pageWidget = new QWidget;

    auto* colours = new QGroupBox(QCoreApplication::translate("TextPages", "色"), pageWidget);
    colours->setObjectName(QStringLiteral("fraPleditColor"));
    auto* grid = new QGridLayout(colours);
    int row = 0;
    for (const PleditSwatch& s : kPleditSwatches) {
        auto* swatch = new ColourSwatch(bridge, s.swatch, -1, {}, colours);
        swatch->setFixedSize(48, 22);
        auto* label = new QLabel(QCoreApplication::translate("TextPages", s.caption), colours);
        label->setBuddy(swatch);
        grid->addWidget(label, row, 0);
        grid->addWidget(swatch, row, 1);
        ++row;
    }

    auto* fontFrame = new QGroupBox(QStringLiteral("Font"), pageWidget);
    fontFrame->setObjectName(QStringLiteral("fraPleditFont"));
    auto* fontName = new QLineEdit(fontFrame);
    bindLineEdit(bridge, fontName, ctl::PleditFonts);
    fontName->setReadOnly(true);
    auto* chooseFont = new QPushButton(QCoreApplication::translate("TextPages", "Font選択"), fontFrame);
    chooseFont->setObjectName(QStringLiteral("SelectPleditFont"));
    QObject::connect(chooseFont, &QPushButton::clicked, pageWidget,
                     [&bridge, pageWidget] { selectPleditFont(bridge, pageWidget); });
    auto* fontRow = new QHBoxLayout(fontFrame);
    fontRow->addWidget(fontName, 1);
    fontRow->addWidget(chooseFont);

    auto* write = new QCheckBox(QCoreApplication::translate("TextPages", "Pledit.txtを出力する"), pageWidget);
    bindCheckBox(bridge, write, ctl::PleditCheck);
    auto* noFont = new QCheckBox(QCoreApplication::translate("TextPages", "Font設定を出力しない（推奨）"), pageWidget);
    bindCheckBox(bridge, noFont, ctl::chkPLFont);

    auto* previews = new QGroupBox(QCoreApplication::translate("TextPages", "プレビュー"), pageWidget);
    previews->setObjectName(QStringLiteral("fraPleditPreview"));
    auto* previewColumn = new QVBoxLayout(previews);
    for (const PleditPreview& p : kPleditPreviews) previewColumn->addWidget(pleditPreview(bridge, p, previews));
    previewColumn->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(colours);
    left->addWidget(fontFrame);
    left->addWidget(write);
    left->addWidget(noFont);
    left->addWidget(previews);
    left->addStretch();

    auto* texts = new QGroupBox(QStringLiteral("pledit.txt"), pageWidget);
    texts->setObjectName(QStringLiteral("fraPleditText"));
    auto* textColumn = new QVBoxLayout(texts);
    textColumn->addWidget(new QLabel(QCoreApplication::translate("TextPages", "Font設定あり"), texts));
    textColumn->addWidget(fileTextView(bridge, ctl::Text1, texts));
    textColumn->addWidget(new QLabel(QCoreApplication::translate("TextPages", "Font設定なし"), texts));
    textColumn->addWidget(fileTextView(bridge, ctl::Text2, texts));

    auto* layout = new QHBoxLayout(pageWidget);
    auto* leftBox = new QWidget(pageWidget);
    leftBox->setLayout(left);
    leftBox->setFixedWidth(340);
    layout->addWidget(leftBox);
    layout->addWidget(texts, 1);
    return pageWidget;
}

QWidget* buildMaronPage(DocumentBridge& bridge) {
    auto* pageWidget = new QWidget;

    auto* analyser = new QComboBox(pageWidget);
    bindComboList(bridge, analyser, ctl::MaronCombo1);
    auto* blend = new QComboBox(pageWidget);
    bindComboList(bridge, blend, ctl::MaronCombo2);

    auto* ratio = new QLineEdit(pageWidget);
    bindLineEdit(bridge, ratio, ctl::MaronText);
    ratio->setMaximumWidth(60);
    auto* ratioBar = new QScrollBar(Qt::Vertical, pageWidget);
    // Every change of the bar writes its value into the ratio box.
    bindScrollBar(bridge, ratioBar, ctl::MaronVScroll);
    ratioBar->setFixedHeight(48);

    auto* settings = new QGroupBox(QStringLiteral("MARON"), pageWidget);
    settings->setObjectName(QStringLiteral("fraMaron"));
    auto* grid = new QGridLayout(settings);
    auto* analyserLabel = new QLabel(QStringLiteral("AnalyzerMode"), settings);
    analyserLabel->setBuddy(analyser);
    auto* blendLabel = new QLabel(QStringLiteral("BlendMethod"), settings);
    blendLabel->setBuddy(blend);
    auto* ratioLabel = new QLabel(QCoreApplication::translate("TextPages", "透過比率（％）"), settings);
    ratioLabel->setBuddy(ratio);
    grid->addWidget(analyserLabel, 0, 0);
    grid->addWidget(analyser, 0, 1);
    grid->addWidget(blendLabel, 1, 0);
    grid->addWidget(blend, 1, 1);
    auto* ratioRow = new QHBoxLayout;
    ratioRow->addWidget(ratio);
    ratioRow->addWidget(ratioBar);
    ratioRow->addStretch();
    grid->addWidget(ratioLabel, 2, 0);
    grid->addLayout(ratioRow, 2, 1);
    const std::pair<ControlName, const char*> checks[] = {
        {ctl::MaronCheck1, QT_TRANSLATE_NOOP("TextPages", "スペアナの表示を有効にする")},
        {ctl::MaronCheck2, QT_TRANSLATE_NOOP("TextPages", "ピーク表示を有効にする")},
        {ctl::MaronCheck3, QT_TRANSLATE_NOOP("TextPages", "レイン表示")},
    };
    int row = 3;
    for (const auto& c : checks) {
        auto* box = new QCheckBox(QCoreApplication::translate("TextPages", c.second), settings);
        bindCheckBox(bridge, box, c.first);
        grid->addWidget(box, row++, 0, 1, 2);
    }

    auto* write = new QCheckBox(QCoreApplication::translate("TextPages", "Maron.txtを出力する"), pageWidget);
    bindCheckBox(bridge, write, ctl::MaronCheck);

    auto* column = new QVBoxLayout;
    column->addWidget(settings);
    column->addWidget(write);
    column->addStretch();
    auto* layout = new QHBoxLayout(pageWidget);
    layout->addLayout(column);
    layout->addStretch();
    return pageWidget;
}

QWidget* buildViscolorPage(DocumentBridge& bridge) {
    auto* pageWidget = new QWidget;
    Document& doc = bridge.doc();
    auto* layout = new QHBoxLayout(pageWidget);
    for (const ViscolorRow& r : kViscolorRows) {
        auto* column = new QVBoxLayout;
        QGroupBox* frame = swatchColumn(bridge, QString::fromLatin1(r.frame), QCoreApplication::translate("TextPages", r.caption), r.swatch,
                                        r.count, pageWidget);
        column->addWidget(frame);
        if (r.ramp) {
            const ControlName swatch = r.swatch;
            const int count = r.count;
            column->addWidget(rampButton(r.ramp, pageWidget, [&doc, swatch, count] {
                InterpolateSwatches(doc, swatch, count);
            }));
        }
        column->addStretch();
        layout->addLayout(column);
    }
    auto* write = new QCheckBox(QCoreApplication::translate("TextPages", "Viscolor.txtを出力する"), pageWidget);
    bindCheckBox(bridge, write, ctl::ViscolorCheck);
    auto* side = new QVBoxLayout;
    side->addWidget(write);
    side->addStretch();
    layout->addLayout(side);
    layout->addStretch();
    return pageWidget;
}

QWidget* buildGlyphColourFrame(DocumentBridge& bridge, GlyphPart part, QWidget* parent) {
    const GlyphFrame& g = kGlyphFrames[part == GlyphPart::Number ? 0 : 1];
    Document& doc = bridge.doc();
    auto* frame = new QWidget(parent);
    auto* column = new QVBoxLayout(frame);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(swatchColumn(bridge, QString::fromLatin1(g.frame), QCoreApplication::translate("TextPages", "行ごとの色"), g.swatch, g.count,
                                   frame));
    column->addWidget(rampButton(g.ramp, frame, [&doc, part] {
        part == GlyphPart::Number ? InterpolateNumberColours(doc) : InterpolateTextColours(doc);
    }));
    auto* apply = new QPushButton(QCoreApplication::translate("TextPages", "色をつける"), frame);
    apply->setObjectName(QString::fromLatin1(g.apply));
    apply->setToolTip(QCoreApplication::translate("TextPages", "Maskの形に行ごとの色を塗り、Dataにします"));
    QObject::connect(apply, &QPushButton::clicked, apply, [&doc, part] {
        part == GlyphPart::Number ? ColourNumberGlyphs(doc) : ColourTextGlyphs(doc);
    });
    column->addWidget(apply);
    column->addStretch();
    return frame;
}

QWidget* buildOutputPage(DocumentBridge& bridge, QWidget* owner, int page) {
    switch (page) {
        case own_page::Pledit: return buildPleditPage(bridge);
        case own_page::Maron: return buildMaronPage(bridge);
        case own_page::Viscolor: return buildViscolorPage(bridge);
        case own_page::Project: return buildProjectPage(bridge, owner);
        default: return nullptr;
    }
}

void addPartPageTools(DocumentBridge& bridge, QWidget* owner, int page, QWidget* pageWidget) {
    auto* row = qobject_cast<QBoxLayout*>(pageWidget->layout());
    if (!row) return;
    const int beforeStretch = std::max(0, row->count() - 1);
    if (page == own_page::Number || page == own_page::Text) {
        row->insertWidget(beforeStretch, buildGlyphColourFrame(
                                             bridge, page == own_page::Number ? GlyphPart::Number : GlyphPart::Text,
                                             pageWidget));
    } else if (page == own_page::Frame || page == own_page::Slider) {
        // The maker button heads the page's column of make boxes and colour bars.
        auto* controls = qobject_cast<QBoxLayout*>(row->itemAt(beforeStretch - 1) ? row->itemAt(beforeStretch - 1)->layout()
                                                                                   : nullptr);
        QPushButton* button = page == own_page::Frame ? frameMakerButton(bridge, owner, "btmMakeFrame", pageWidget)
                                                      : sliderMakerButton(bridge, owner, pageWidget);
        if (controls)
            addMakerButton(controls, button);
        else
            row->insertWidget(beforeStretch, button);
    }
}

void addEqualizerPageTools(DocumentBridge& bridge, QWidget* owner, int eqPage, QWidget* pageWidget) {
    if (eqPage != own_eq_page::Frame && eqPage != own_eq_page::Slider) return;
    auto* row = qobject_cast<QBoxLayout*>(pageWidget->layout());
    if (!row) return;
    QPushButton* button = eqPage == own_eq_page::Frame
                              ? frameMakerButton(bridge, owner, "btnEQMakeFrame", pageWidget)
                              : backColorButton(bridge, owner, pageWidget);
    row->addWidget(button, 0, Qt::AlignTop);
}

}  // namespace pelterra::app
