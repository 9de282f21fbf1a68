#include "playlist_pages.h"

#include "core_captions.h"

#include <iterator>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "bindings.h"
#include "interaction.h"
#include "main_window.h"
#include "page_helpers.h"
#include "part_thumbnails.h"
#include "playlist/playlist_commands.h"
#include "playlist/playlist_layout.h"
#include "slot_view.h"

namespace pelterra::app {

namespace {

// One row of the parts grid on "PlayList": its caption (the include box chkPLParts(check) when
// check >= 0), the Data slot and the Mask slot (-1: the piece has no mask).
struct PartRow {
    const char* caption;
    int check;
    int data;
    int mask;
};
// The ten frame areas, in the index order of their include boxes.
constexpr PartRow kActiveRows[] = {
    {QT_TRANSLATE_NOOP("PlaylistPages", "左上"), 0, 0, 10},  {QT_TRANSLATE_NOOP("PlaylistPages", "上の枠"), 1, 1, 11}, {QT_TRANSLATE_NOOP("PlaylistPages", "タイトルバー"), 2, 2, 12}, {QT_TRANSLATE_NOOP("PlaylistPages", "右上"), 3, 3, 13},
    {QT_TRANSLATE_NOOP("PlaylistPages", "左の枠"), 4, 4, 14}, {QT_TRANSLATE_NOOP("PlaylistPages", "右の枠"), 5, 5, 15}, {QT_TRANSLATE_NOOP("PlaylistPages", "ボタン"), 6, 6, 16},     {QT_TRANSLATE_NOOP("PlaylistPages", "下の枠"), 7, 7, 17},
    {QT_TRANSLATE_NOOP("PlaylistPages", "スペアナ"), 8, 8, 18}, {QT_TRANSLATE_NOOP("PlaylistPages", "コントロール部分"), 9, 9, 19},
};
static_assert(std::size(kActiveRows) == 10);
// The inactive top row, the shade bar and the small pieces.
constexpr PartRow kOtherRows[] = {
    {QT_TRANSLATE_NOOP("PlaylistPages", "左上 NotActive"), -1, 26, 27},       {QT_TRANSLATE_NOOP("PlaylistPages", "上の枠 NotActive"), -1, 24, 25}, {QT_TRANSLATE_NOOP("PlaylistPages", "タイトルバー NotActive"), -1, 22, 23},
    {QT_TRANSLATE_NOOP("PlaylistPages", "右上 NotActive"), -1, 20, 21},       {QT_TRANSLATE_NOOP("PlaylistPages", "Shade 左端"), -1, 28, 29},       {QT_TRANSLATE_NOOP("PlaylistPages", "Shade 真中"), -1, 30, 31},
    {QT_TRANSLATE_NOOP("PlaylistPages", "Shade 右端"), -1, 32, 33},           {QT_TRANSLATE_NOOP("PlaylistPages", "スクロールバー"), -1, 34, -1},   {QT_TRANSLATE_NOOP("PlaylistPages", "押したとき１"), -1, 36, -1},
    {QT_TRANSLATE_NOOP("PlaylistPages", "押したとき２"), -1, 35, -1},         {QT_TRANSLATE_NOOP("PlaylistPages", "押したとき３"), -1, 37, -1},
};
static_assert(std::size(kOtherRows) == 11);

// Cut-out buttons of "SorabePL互換１": pairs that cut the same rectangle into the active and the
// inactive slot, then the single ones.
constexpr int kLayoutPairs[][2] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}};
constexpr int kLayoutSingles[] = {8, 11, 12, 9, 10, 13};
constexpr int kShadeCuts[] = {14, 15, 16};
constexpr int kSmallButtonCuts[][2] = {{27, 28}, {29, 30}, {31, 32}, {33, 34}, {35, 36}, {37, -1}};
constexpr int kButtonBackCuts = 17;   // 17..21, from the background sheet
constexpr int kButtonChosenCuts = 22;  // 22..26, by "背景を切り出す" / "文字を切り出す" / "マスクを切り出す"
constexpr int kButtonGroupCount = 5;

constexpr const char* kNotActiveOptions[] = {QT_TRANSLATE_NOOP("PlaylistPages", "ActivePartsと同じ画像を出力"), QT_TRANSLATE_NOOP("PlaylistPages", "元画像を出力")};
constexpr const char* kTransparentOptions[] = {QT_TRANSLATE_NOOP("PlaylistPages", "白を透過"), QT_TRANSLATE_NOOP("PlaylistPages", "黒を透過"), QT_TRANSLATE_NOOP("PlaylistPages", "マスクを使用")};
constexpr const char* kCutChoiceOptions[] = {QT_TRANSLATE_NOOP("PlaylistPages", "背景を切り出す"), QT_TRANSLATE_NOOP("PlaylistPages", "文字を切り出す"), QT_TRANSLATE_NOOP("PlaylistPages", "マスクを切り出す")};

QLabel* helpText(const QString& text, QWidget* parent) {
    auto* help = new QLabel(text, parent);
    help->setWordWrap(true);
    return help;
}

// A playlist picture: a double-click opens a file into it.
SlotView* plView(MainWindow& main, DocumentBridge& bridge, SlotName name, int index, int zoom, QWidget* parent) {
    auto* view = new SlotView(bridge, name, index, parent);
    view->setZoom(zoom);
    view->setToolTip(QCoreApplication::translate("PlaylistPages", "%1  %2×%3\nダブルクリック: 画像を開く")
                         .arg(QString::fromStdString(controlKey(name, index)))
                         .arg(view->image().width())
                         .arg(view->image().height()));
    const SlotName slotName = name;
    QObject::connect(view, &SlotView::doubleClicked, view,
                     [&main, &bridge, slotName, index] { openPlaylistSlotPicture(main, bridge, slotName, index); });
    return view;
}

// cmdPLCopy(k) with its caption.
QPushButton* cutButton(MainWindow& main, DocumentBridge& bridge, int k, QWidget* parent) {
    auto* button = new QPushButton(coreCaption(PLCopyCaption(k)), parent);
    button->setObjectName(objectNameOf("cmdPLCopy", k));
    Document& d = bridge.doc();
    QObject::connect(button, &QPushButton::clicked, button, [&main, &d, k] {
        if (Status cut = cmdPLCopy(d, k); !cut) ShowFailure(&main, cut.error());
    });
    return button;
}

void addOptions(DocumentBridge& bridge, ControlName name, const char* const* captions, int count, QLayout* layout,
                QWidget* parent) {
    for (int i = 0; i < count; ++i) {
        auto* option = new QRadioButton(QCoreApplication::translate("PlaylistPages", captions[i]), parent);
        bindOption(bridge, option, name, i);
        layout->addWidget(option);
    }
}

QHBoxLayout* zoomRow(const QString& name, int initial, const std::vector<SlotView*>& views, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QCoreApplication::translate("PlaylistPages", "倍率"), parent));
    row->addWidget(pageZoomChooser(name, initial, views, parent));
    row->addStretch();
    return row;
}

// Rows of the parts grid from column `column` on; the views are collected for the zoom.
void addPartRows(MainWindow& main, DocumentBridge& bridge, const PartRow* rows, int count, int column,
                 QGridLayout* grid, QWidget* parent, std::vector<SlotView*>& views) {
    grid->addWidget(boldCaption(QStringLiteral("Data"), parent), 0, column + 1);
    grid->addWidget(boldCaption(QStringLiteral("Mask"), parent), 0, column + 2);
    for (int r = 0; r < count; ++r) {
        const PartRow& row = rows[r];
        if (row.check >= 0) {
            auto* box = new QCheckBox(QCoreApplication::translate("PlaylistPages", row.caption), parent);
            bindCheckBox(bridge, box, ctl::chkPLParts, row.check);
            grid->addWidget(box, r + 1, column);
        } else {
            grid->addWidget(new QLabel(QCoreApplication::translate("PlaylistPages", row.caption), parent), r + 1, column);
        }
        SlotView* data = plView(main, bridge, pic::picPLPartsData, row.data, 1, parent);
        grid->addWidget(data, r + 1, column + 1, Qt::AlignLeft | Qt::AlignVCenter);
        views.push_back(data);
        if (row.mask >= 0) {
            SlotView* mask = plView(main, bridge, pic::picPLPartsData, row.mask, 1, parent);
            grid->addWidget(mask, r + 1, column + 2, Qt::AlignLeft | Qt::AlignVCenter);
            views.push_back(mask);
        }
    }
}

// "PlayList": the playlist build, its source picture, options and part slots.
QWidget* buildMainPlaylistPage(MainWindow& main, DocumentBridge& bridge) {
    auto* pageWidget = new QWidget;

    auto* make = new QCheckBox(QCoreApplication::translate("PlaylistPages", "PLを出力する"), pageWidget);
    bindCheckBox(bridge, make, ctl::chkPLMake);

    // The style of the parts library: one choice fills every playlist part below.
    auto* styleRow = new QHBoxLayout;
    styleRow->addWidget(new QLabel(QCoreApplication::translate("PlaylistPages", "スタイル"), pageWidget));
    auto* style = new QComboBox(pageWidget);
    bindComboList(bridge, style, ctl::PLStyleCombo, -1);
    showComboPictures(bridge, style, ctl::PLStyleCombo);
    style->setToolTip(QCoreApplication::translate("PlaylistPages", "パーツ集のプレイリスト: 枠、タイトル、ボタンをまとめて切り出します"));
    styleRow->addWidget(style, 1);

    auto* source = new QGroupBox(QCoreApplication::translate("PlaylistPages", "元画像"), pageWidget);
    source->setObjectName(QStringLiteral("fraPLSource"));
    auto* sourceLayout = new QVBoxLayout(source);
    auto* fromMain = new QRadioButton(QCoreApplication::translate("PlaylistPages", "こっちを使う"), source);
    bindOption(bridge, fromMain, ctl::optPLPic, 0);
    fromMain->setToolTip(QCoreApplication::translate("PlaylistPages", "開いたスキン画像から取った絵 (下) をプレイリストの元にします"));
    sourceLayout->addWidget(fromMain);
    sourceLayout->addWidget(new SlotView(bridge, pic::picPrePLmain, 0, source));
    auto* ownRow = new QHBoxLayout;
    auto* own = new QRadioButton(QCoreApplication::translate("PlaylistPages", "これを使う"), source);
    bindOption(bridge, own, ctl::optPLPic, 1);
    own->setToolTip(QCoreApplication::translate("PlaylistPages", "PictureOpenで別に開いた画像 (下) をプレイリストの元にします"));
    auto* open = new QPushButton(QStringLiteral("PictureOpen"), source);
    open->setObjectName(QStringLiteral("cmdLoadPL"));
    open->setToolTip(QCoreApplication::translate("PlaylistPages", "プレイリストの元にする画像ファイルを開きます"));
    QObject::connect(open, &QPushButton::clicked, source, [&main, &bridge] { openPlaylistPicture(main, bridge); });
    ownRow->addWidget(own);
    ownRow->addWidget(open);
    ownRow->addStretch();
    sourceLayout->addLayout(ownRow);
    sourceLayout->addWidget(new SlotView(bridge, pic::picPrePLmain, 1, source));

    auto* options = new QGroupBox(QCoreApplication::translate("PlaylistPages", "オプション"), pageWidget);
    options->setObjectName(QStringLiteral("fraPLOptions"));
    auto* optionLayout = new QVBoxLayout(options);
    auto* shade = new QCheckBox(QCoreApplication::translate("PlaylistPages", "ShadeModeパーツを出力する"), options);
    bindCheckBox(bridge, shade, ctl::chkPLShade);
    shade->setToolTip(QCoreApplication::translate("PlaylistPages", "プレイリストを細く畳んだときの姿 (ShadeMode) の部品も出力します"));
    optionLayout->addWidget(shade);
    auto* active = new QCheckBox(QCoreApplication::translate("PlaylistPages", "NotActiveパーツを出力する"), options);
    bindCheckBox(bridge, active, ctl::chkPLActive);
    active->setToolTip(QCoreApplication::translate("PlaylistPages", "窓が選ばれていないときの姿 (NotActive) の部品も出力します"));
    optionLayout->addWidget(active);
    addOptions(bridge, ctl::optPLNotActive, kNotActiveOptions, 2, optionLayout, options);

    auto* left = new QVBoxLayout;
    left->addWidget(make);
    left->addLayout(styleRow);
    left->addWidget(source);
    left->addWidget(options);
    left->addStretch();
    auto* leftBox = new QWidget(pageWidget);
    leftBox->setLayout(left);
    leftBox->setFixedWidth(310);

    auto* parts = new QWidget(pageWidget);
    auto* grid = new QGridLayout(parts);
    std::vector<SlotView*> views;
    addPartRows(main, bridge, kActiveRows, static_cast<int>(std::size(kActiveRows)), 0, grid, parts, views);
    grid->setColumnMinimumWidth(3, 16);
    addPartRows(main, bridge, kOtherRows, static_cast<int>(std::size(kOtherRows)), 4, grid, parts, views);
    grid->setColumnStretch(7, 1);
    grid->setRowStretch(static_cast<int>(std::size(kOtherRows)) + 1, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(boldCaption(QCoreApplication::translate("PlaylistPages", "パーツ (チェックした部分をパーツで置きかえます)"), pageWidget));
    right->addWidget(scrollBox(parts, pageWidget), 1);
    right->addLayout(zoomRow(QStringLiteral("cboPLZoom_0"), 1, views, pageWidget));
    right->addWidget(helpText(QCoreApplication::translate("PlaylistPages", "絵をダブルクリックすると画像ファイルを開きます。"
                                             "「Sorabe互換」のページで他の形式のシートから切り出すこともできます。"),
                              pageWidget));

    auto* layout = new QHBoxLayout(pageWidget);
    layout->addWidget(leftBox);
    layout->addLayout(right, 1);
    return pageWidget;
}

// "SorabePL互換１": the playlist layout sheet and its cut-outs.
QWidget* buildLayoutSheetPage(MainWindow& main, DocumentBridge& bridge) {
    auto* pageWidget = new QWidget;
    SlotView* sheet = plView(main, bridge, pic::picPLPartsData, playlist::kLayoutSheetSlot, 2, pageWidget);
    auto* sheetBox = new QWidget(pageWidget);
    auto* sheetLayout = new QVBoxLayout(sheetBox);
    sheetLayout->addWidget(sheet);
    sheetLayout->addStretch();
    auto* left = new QVBoxLayout;
    left->addWidget(boldCaption(QCoreApplication::translate("PlaylistPages", "プレイリストのシート (375×174)"), pageWidget));
    left->addWidget(scrollBox(sheetBox, pageWidget), 1);
    left->addLayout(zoomRow(QStringLiteral("cboPLZoom_1"), 2, {sheet}, pageWidget));
    left->addWidget(helpText(QCoreApplication::translate("PlaylistPages", "シートの絵をダブルクリックして開き、ボタンで各パーツに切り出します。"), pageWidget));

    auto* cuts = new QGroupBox(QCoreApplication::translate("PlaylistPages", "切り出す"), pageWidget);
    auto* grid = new QGridLayout(cuts);
    grid->addWidget(boldCaption(QStringLiteral("Active"), cuts), 0, 0);
    grid->addWidget(boldCaption(QStringLiteral("NotActive"), cuts), 0, 1);
    int row = 1;
    for (const auto& pair : kLayoutPairs) {
        grid->addWidget(cutButton(main, bridge, pair[0], cuts), row, 0);
        grid->addWidget(cutButton(main, bridge, pair[1], cuts), row, 1);
        ++row;
    }
    for (int k : kLayoutSingles) grid->addWidget(cutButton(main, bridge, k, cuts), row++, 0);
    grid->setRowStretch(row, 1);

    auto* layout = new QHBoxLayout(pageWidget);
    layout->addLayout(left, 1);
    layout->addWidget(cuts);
    return pageWidget;
}

// "Sorabe互換２": the shade bar sheet and the small-button sheet with their cut-outs.
QWidget* buildShadeSheetPage(MainWindow& main, DocumentBridge& bridge) {
    auto* pageWidget = new QWidget;

    auto* shade = new QGroupBox(QStringLiteral("ShadeMode (375×29)"), pageWidget);
    auto* shadeLayout = new QVBoxLayout(shade);
    SlotView* shadeSheet = plView(main, bridge, pic::picPLPartsData, playlist::kShadeSheetSlot, 2, shade);
    shadeLayout->addWidget(shadeSheet);
    auto* shadeCuts = new QHBoxLayout;
    for (int k : kShadeCuts) shadeCuts->addWidget(cutButton(main, bridge, k, shade));
    shadeCuts->addStretch();
    shadeLayout->addLayout(shadeCuts);
    shadeLayout->addLayout(zoomRow(QStringLiteral("cboPLZoom_2"), 2, {shadeSheet}, shade));

    auto* small = new QGroupBox(QCoreApplication::translate("PlaylistPages", "小ボタン (19×59)"), pageWidget);
    auto* smallLayout = new QHBoxLayout(small);
    SlotView* smallSheet = plView(main, bridge, pic::picPLPartsData, playlist::kSmallButtonSheetSlot, 4, small);
    smallLayout->addWidget(smallSheet, 0, Qt::AlignTop);
    auto* smallCuts = new QGridLayout;
    int row = 0;
    for (const auto& pair : kSmallButtonCuts) {
        smallCuts->addWidget(cutButton(main, bridge, pair[0], small), row, 0);
        if (pair[1] >= 0) smallCuts->addWidget(cutButton(main, bridge, pair[1], small), row, 1);
        ++row;
    }
    smallCuts->setRowStretch(row, 1);
    smallLayout->addLayout(smallCuts);
    smallLayout->addStretch();

    auto* layout = new QVBoxLayout(pageWidget);
    layout->addWidget(shade);
    layout->addWidget(small);
    layout->addWidget(helpText(QCoreApplication::translate("PlaylistPages", "シートの絵をダブルクリックして開き、ボタンで各パーツに切り出します。"), pageWidget));
    layout->addStretch();
    return pageWidget;
}

// "Sorabe互換３": the button sheets, the button cut-outs and the button synthesis.
QWidget* buildButtonPage(MainWindow& main, DocumentBridge& bridge) {
    auto* pageWidget = new QWidget;
    Document& d = bridge.doc();

    // The three 252x72 button sheets.
    auto* sheets = new QGroupBox(QCoreApplication::translate("PlaylistPages", "ボタンのシート (252×72)"), pageWidget);
    auto* sheetLayout = new QVBoxLayout(sheets);
    std::vector<SlotView*> sheetViews;
    const std::pair<const char*, int> kSheets[] = {{QT_TRANSLATE_NOOP("PlaylistPages", "背景"), playlist::kButtonBackSheetSlot},
                                                   {QT_TRANSLATE_NOOP("PlaylistPages", "文字"), playlist::kButtonTextSheetSlot},
                                                   {QT_TRANSLATE_NOOP("PlaylistPages", "文字２"), 43}};
    for (const auto& [title, slot] : kSheets) {
        sheetLayout->addWidget(boldCaption(QCoreApplication::translate("PlaylistPages", title), sheets));
        SlotView* view = plView(main, bridge, pic::picPLPartsData, slot, 1, sheets);
        sheetLayout->addWidget(view);
        sheetViews.push_back(view);
    }
    sheetLayout->addLayout(zoomRow(QStringLiteral("cboPLZoom_3"), 1, sheetViews, sheets));
    sheetLayout->addWidget(helpText(QCoreApplication::translate("PlaylistPages", "pledit.bmp のボタン部分 (280×75) も開けます。"), sheets));
    sheetLayout->addStretch();

    // The cut-outs of the five groups: from the background sheet, and by the chosen sheet.
    auto* cuts = new QGroupBox(QCoreApplication::translate("PlaylistPages", "切り出す"), pageWidget);
    auto* cutLayout = new QVBoxLayout(cuts);
    cutLayout->addWidget(boldCaption(QCoreApplication::translate("PlaylistPages", "背景"), cuts));
    for (int g = 0; g < kButtonGroupCount; ++g) cutLayout->addWidget(cutButton(main, bridge, kButtonBackCuts + g, cuts));
    cutLayout->addSpacing(8);
    addOptions(bridge, ctl::optMoePLButton, kCutChoiceOptions, 3, cutLayout, cuts);
    for (int g = 0; g < kButtonGroupCount; ++g)
        cutLayout->addWidget(cutButton(main, bridge, kButtonChosenCuts + g, cuts));
    cutLayout->addStretch();

    // "合成": background and foreground of each group into the composed group.
    auto* synthesis = new QGroupBox(QCoreApplication::translate("PlaylistPages", "合成"), pageWidget);
    auto* synthesisLayout = new QVBoxLayout(synthesis);
    auto* transparent = new QHBoxLayout;
    addOptions(bridge, ctl::optPLButton, kTransparentOptions, 3, transparent, synthesis);
    transparent->addStretch();
    synthesisLayout->addLayout(transparent);
    auto* groups = new QWidget(synthesis);
    auto* grid = new QGridLayout(groups);
    std::vector<SlotView*> buttonViews;
    for (int g = 0; g < kButtonGroupCount; ++g) {
        grid->addWidget(boldCaption(coreCaption(PLCopyCaption(kButtonBackCuts + g)), groups), 0, g);
        SlotView* back = plView(main, bridge, pic::picPLButtonBack, g, 2, groups);
        SlotView* front = plView(main, bridge, pic::picPLButton, g, 2, groups);
        SlotView* composed = plView(main, bridge, pic::picPLButtonBack, playlist::kComposedGroupBase + g, 2, groups);
        auto* run = new QPushButton(QCoreApplication::translate("PlaylistPages", "合成"), groups);
        run->setObjectName(objectNameOf("cmdSynthesize", g));
        run->setToolTip(QCoreApplication::translate("PlaylistPages", "上の背景に文字を重ねて、このボタン群の絵を作ります"));
        QObject::connect(run, &QPushButton::clicked, run, [&main, &d, g] {
            if (Status made = cmdSynthesize(d, g); !made) ShowFailure(&main, made.error());
        });
        auto* pair = new QHBoxLayout;
        pair->addWidget(back, 0, Qt::AlignTop);
        pair->addWidget(front, 0, Qt::AlignTop);
        pair->addStretch();
        grid->addLayout(pair, 1, g);
        grid->addWidget(run, 2, g);
        grid->addWidget(composed, 3, g, Qt::AlignLeft | Qt::AlignTop);
        buttonViews.insert(buttonViews.end(), {back, front, composed});
    }
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(kButtonGroupCount, 1);
    synthesisLayout->addWidget(scrollBox(groups, synthesis), 1);
    synthesisLayout->addLayout(zoomRow(QStringLiteral("cboPLZoom_4"), 2, buttonViews, synthesis));
    synthesisLayout->addWidget(
        helpText(QCoreApplication::translate("PlaylistPages", "上: 背景と文字、下: 合成したボタン。絵をダブルクリックすると画像ファイルを開きます。"), synthesis));

    auto* layout = new QHBoxLayout(pageWidget);
    layout->addWidget(sheets);
    layout->addWidget(cuts);
    layout->addWidget(synthesis, 1);
    return pageWidget;
}

}  // namespace

QWidget* buildPlaylistPage(MainWindow& main, DocumentBridge& bridge, int page) {
    switch (page) {
        case 0:
            return buildMainPlaylistPage(main, bridge);
        case 1:
            return buildLayoutSheetPage(main, bridge);
        case 2:
            return buildShadeSheetPage(main, bridge);
        case 3:
            return buildButtonPage(main, bridge);
        default:
            return new QWidget;
    }
}

void openPlaylistSlotPicture(MainWindow& main, DocumentBridge& bridge, SlotName name, int index) {
    const QString file = ChoosePictureFile(&main);
    if (file.isEmpty()) return;
    if (Status loaded = LoadPlaylistSlotFile(bridge.doc(), name, index, file.toStdString()); !loaded)
        ShowFailure(&main, loaded.error());
}

void openPlaylistPicture(MainWindow& main, DocumentBridge& bridge) {
    const QString file = ChoosePictureFile(&main);
    if (file.isEmpty()) return;
    Result<bool> stretched = LoadPlaylistPictureFile(bridge.doc(), file.toStdString());
    if (!stretched) {
        ShowFailure(&main, stretched.error());
        return;
    }
    if (*stretched) ShowMessage(&main, coreCaption(kPlaylistPictureSizeMessage));
}

}  // namespace pelterra::app
