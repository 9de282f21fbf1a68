// The pages of the main window: the "Main" page, the part pages, "環境設定", the "Making" frame,
// and the frames of the "EQ", "Region" and "PlayList" tabs.
#include <algorithm>

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include "bindings.h"
#include "page_helpers.h"
#include "part_thumbnails.h"
#include "eq_pages.h"
#include "equalizer/picture_import.h"
#include "language.h"
#include "main_window.h"

#include "sheets/build_driver.h"
#include "parts/colour_change.h"
#include "playlist_pages.h"
#include "region_page.h"
#include "slot_view.h"
#include "tab_strip.h"
#include "text_pages.h"

namespace pelterra::app {

namespace {


QStringList topTabCaptions() { return {QStringLiteral("Main"), QStringLiteral("EQ"), QStringLiteral("Region"),
                              QStringLiteral("PlayList")}; }
QStringList pageTabCaptions() { return {
    QStringLiteral("Main"),      QStringLiteral("Cbuttons"),  QStringLiteral("Shufrep"),   QStringLiteral("Monoster"),
    QStringLiteral("Playpaus"),  QStringLiteral("Slider"),    QStringLiteral("Pledit.txt"), QStringLiteral("Maron.txt"),
    QStringLiteral("Number"),    QStringLiteral("Text"),      QCoreApplication::translate("MainWindowPages", "環境設定"),   QStringLiteral("Titlebar"),
    QStringLiteral("Frame"),     QStringLiteral("Viscolor"),  QCoreApplication::translate("MainWindowPages", "レイヤー1"),  QCoreApplication::translate("MainWindowPages", "レイヤー2"),
    QCoreApplication::translate("MainWindowPages", "プロジェクト保存")}; }
QStringList eqTabCaptions() { return {QStringLiteral("EQ Main"), QStringLiteral("Slider"),   QStringLiteral("On,Auto"),
                             QStringLiteral("Frame"),   QStringLiteral("TitleBar"), QStringLiteral("Image"),
                             QStringLiteral("Preset"),  QCoreApplication::translate("MainWindowPages", "取りこみ"),  QCoreApplication::translate("MainWindowPages", "レイヤー1"),
                             QCoreApplication::translate("MainWindowPages", "レイヤー2")}; }
QStringList regionTabCaptions() { return {QStringLiteral("Region")}; }
QStringList playlistTabCaptions() { return {QStringLiteral("PlayList"), QCoreApplication::translate("MainWindowPages", "SorabePL互換１"),
                                   QCoreApplication::translate("MainWindowPages", "Sorabe互換２"), QCoreApplication::translate("MainWindowPages", "Sorabe互換３")}; }
constexpr int kTabsPerRow = 9;

// The category each part page of TabStrip1 shows (kMainCategories index).
struct CategoryPage {
    int page;
    int category;
};
constexpr CategoryPage kCategoryPages[] = {
    {1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}, {11, 5}, {12, 6}, {8, 7}, {9, 8}, {14, 9}, {15, 10},
};
static_assert(std::size(kCategoryPages) == std::size(kMainCategories));

const MainCategory* categoryOnPage(int page) {
    for (const CategoryPage& p : kCategoryPages)
        if (p.page == page) return &kMainCategories[p.category];
    return nullptr;
}

// The pages whose data list takes the keyboard focus when the page is chosen.
constexpr int kPagesFocusingTheList[] = {1, 2, 3, 4, 5, 8, 9, 12};

// A make box on its category's page.
struct PageMakeBox {
    int page;
    ControlName box;
    const char* caption;
};
constexpr PageMakeBox kPageMakeBoxes[] = {
    {1, ctl::CbuttonsCheck, QT_TRANSLATE_NOOP("MainWindowPages", "Cbuttonsを作る")},
    {2, ctl::ShufrepCheck, QT_TRANSLATE_NOOP("MainWindowPages", "Shufrepを作る")},
    {3, ctl::MonosterCheck, "Monoster"},
    {4, ctl::PlaypausCheck, "Playpaus"},
    {5, ctl::PosbarCheck, "Posbar"},
    {5, ctl::VolumeCheck, "Volume"},
    {5, ctl::BalanceCheck, "Balance"},
    {11, ctl::TitleBarCheck, "Titlebar"},
    {12, ctl::FrameCheck, "Frame"},
};

// The second make boxes of the "Making" frame.
struct MakingBox {
    ControlName box;
    const char* caption;
};
constexpr MakingBox kMakingBoxes[] = {
    {ctl::CbuttonsCheck2, "Cbuttons"}, {ctl::ShufrepCheck2, "Shufrep"}, {ctl::MonosterCheck2, "Monoster"},
    {ctl::PlaypausCheck2, "Playpaus"}, {ctl::PosbarCheck2, "Posbar"},   {ctl::VolumeCheck2, "Volume"},
    {ctl::BalanceCheck2, "Balance"},   {ctl::FrameCheck2, "Frame"},     {ctl::TitleBarCheck2, "TitleBar"},
};
static_assert(std::size(kMakingBoxes) == 9, "the main window's nine make pieces");


constexpr int kMaxZoom = 4;

// The largest zoom up to 4 at which a picture still fits the page's picture column.
int fittingZoom(const Bitmap& picture, int maxWidth, int maxHeight) {
    if (picture.empty()) return 1;
    return std::clamp(std::min(maxWidth / picture.width(), maxHeight / picture.height()), 1, kMaxZoom);
}

QLabel* caption(const QString& s, QWidget* parent) {
    auto* label = new QLabel(s, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

// "倍率": the zoom of the page's pictures.
QHBoxLayout* labelled(const QString& label, QWidget* widget, QWidget* parent) {
    auto* row = new QHBoxLayout;
    auto* l = new QLabel(label, parent);
    l->setBuddy(widget);
    row->addWidget(l);
    row->addWidget(widget);
    row->addStretch();
    return row;
}

}  // namespace

SlotView* MainWindow::addSlotView(SlotName name, int index, QWidget* parent, int zoom) {
    auto* view = new SlotView(m_bridge, name, index, parent);
    view->setZoom(zoom);
    view->setToolTip(QCoreApplication::translate("MainWindowPages", "%1  %2×%3\nダブルクリック: 画像を開く\n右クリック: 貼りつけ／コピー")
                         .arg(QString::fromStdString(controlKey(name, index)))
                         .arg(view->image().width())
                         .arg(view->image().height()));
    m_slotViews.push_back(view);
    return view;
}

QWidget* MainWindow::buildCentralWidget() {
    m_tabStrip3 = new TabStrip(QStringLiteral("TabStrip3"), QStringLiteral("mainframe"), topTabCaptions(), kTabsPerRow, this);

    auto* mainFrame = m_tabStrip3->frame(0);
    auto* mainLayout = new QHBoxLayout(mainFrame);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->addWidget(buildMainTabs(), 1);
    mainLayout->addWidget(buildMakingFrame());

    m_tabStrip2 = new TabStrip(QStringLiteral("TabStrip2"), QStringLiteral("EQFrame"), eqTabCaptions(), kTabsPerRow + 1,
                               m_tabStrip3->frame(1));
    for (int i = 0; i < m_tabStrip2->count(); ++i) {
        QWidget* eqPage = buildEqualizerPage(*this, m_bridge, i);
        addEqualizerPageTools(m_bridge, this, i, eqPage);
        m_tabStrip2->setPage(i, eqPage);
    }
    auto* eqLayout = new QHBoxLayout(m_tabStrip3->frame(1));
    eqLayout->addWidget(m_tabStrip2, 1);
    eqLayout->addWidget(buildEqualizerSideFrame(*this, m_bridge));

    m_tabStrip4 = new TabStrip(QStringLiteral("TabStrip4"), QStringLiteral("RegionFrame"), regionTabCaptions(), kTabsPerRow,
                               m_tabStrip3->frame(2));
    m_tabStrip4->setPage(0, buildRegionPage(*this, m_bridge));
    (new QVBoxLayout(m_tabStrip3->frame(2)))->addWidget(m_tabStrip4);

    m_tabStrip5 = new TabStrip(QStringLiteral("TabStrip5"), QStringLiteral("PLFrame"), playlistTabCaptions(), kTabsPerRow,
                               m_tabStrip3->frame(3));
    for (int i = 0; i < m_tabStrip5->count(); ++i) m_tabStrip5->setPage(i, buildPlaylistPage(*this, m_bridge, i));
    (new QVBoxLayout(m_tabStrip3->frame(3)))->addWidget(m_tabStrip5);

    return m_tabStrip3;
}

QWidget* MainWindow::buildMainTabs() {
    m_tabStrip1 = new TabStrip(QStringLiteral("TabStrip1"), QStringLiteral("Frame1"), pageTabCaptions(), kTabsPerRow, this);
    for (int p = 0; p < page::Count; ++p) {
        QWidget* content = nullptr;
        if (p == page::Main)
            content = buildMainPage();
        else if (p == page::Settings)
            content = buildSettingsPage();
        else if (const MainCategory* category = categoryOnPage(p)) {
            content = buildPartPage(*category, p);
            addPartPageTools(m_bridge, this, p, content);
        } else if (!(content = buildOutputPage(m_bridge, this, p)))
            content = placeholderPage(pageTabCaptions()[p]);
        m_tabStrip1->setPage(p, content);
    }
    connect(m_tabStrip1, &TabStrip::tabChosen, this, &MainWindow::showPageChosen);
    return m_tabStrip1;
}

void MainWindow::showPageChosen(int chosen) {
    if (std::find(std::begin(kPagesFocusingTheList), std::end(kPagesFocusingTheList), chosen) ==
        std::end(kPagesFocusingTheList))
        return;
    const MainCategory* category = categoryOnPage(chosen);
    if (!category) return;
    if (auto* list = m_tabStrip1->frame(chosen)->findChild<QListWidget*>(objectNameOf(ctl::lstData, category->index)))
        list->setFocus(Qt::TabFocusReason);
}

QWidget* MainWindow::buildMakingFrame() {
    auto* frame = new QGroupBox(QStringLiteral("Making"), this);
    frame->setObjectName(QStringLiteral("Frames_7"));
    auto* layout = new QVBoxLayout(frame);
    for (const MakingBox& m : kMakingBoxes) {
        auto* box = new QCheckBox(QCoreApplication::translate("MainWindowPages", m.caption), frame);
        bindCheckBox(m_bridge, box, m.box);
        layout->addWidget(box);
    }
    layout->addSpacing(12);
    auto* build = new QPushButton(QCoreApplication::translate("MainWindowPages", "スキン作成"), frame);
    build->setObjectName(QStringLiteral("cmdMake"));
    build->setToolTip(QCoreApplication::translate("MainWindowPages", "いまの画像とパーツでスキンを作り、プレビューを出します (Ctrl+B)"));
    build->setMinimumHeight(40);
    QFont bold = build->font();
    bold.setBold(true);
    build->setFont(bold);
    connect(build, &QPushButton::clicked, this, &MainWindow::build);
    // Without a picture there is nothing to build: the button waits for one and says so.
    const auto showBuildable = [this, build] {
        const bool ready = hasPictureToBuild(doc());
        build->setEnabled(ready);
        build->setToolTip(ready ? QCoreApplication::translate("MainWindowPages", "いまの画像とパーツでスキンを作り、プレビューを出します (Ctrl+B)")
                                : QCoreApplication::translate("MainWindowPages", "先に「Main」ページの「PictureOpen」で元になる画像を開いてください"));
    };
    connect(&m_bridge, &DocumentBridge::slotChanged, build, showBuildable);
    connect(&m_bridge, &DocumentBridge::controlChanged, build, showBuildable);
    connect(&m_bridge, &DocumentBridge::historyChanged, build, showBuildable);
    showBuildable();
    layout->addWidget(build);
    layout->addStretch();
    frame->setFixedWidth(150);
    return frame;
}

QWidget* MainWindow::buildMainPage() {
    auto* pageWidget = new QWidget;
    Document& d = doc();

    auto* hint = new QLabel(pageWidget);
    hint->setObjectName(QStringLiteral("lblFirstStep"));
    hint->setWordWrap(true);
    hint->setFrameShape(QFrame::StyledPanel);
    hint->setMargin(8);
    auto* open = new QPushButton(QStringLiteral("PictureOpen"), pageWidget);
    open->setObjectName(QStringLiteral("Command1"));
    open->setMinimumHeight(40);
    open->setToolTip(QCoreApplication::translate("MainWindowPages", "スキンの元になる画像を開きます"));
    connect(open, &QPushButton::clicked, this, &MainWindow::openBasePicture);
    auto* skinMode = new QCheckBox(QCoreApplication::translate("MainWindowPages", "EQも出力"), pageWidget);
    bindCheckBox(m_bridge, skinMode, ctl::chkSkinMode);
    skinMode->setToolTip(QCoreApplication::translate("MainWindowPages", "イコライザの画面に、イコライザのページの画像を使います (eqmain.bmp はどの画像からも作られます)"));
    auto* eqBelow = new QCheckBox(QCoreApplication::translate("MainWindowPages", "EQが下"), pageWidget);
    bindCheckBox(m_bridge, eqBelow, ctl::EqUporDown);
    eqBelow->setToolTip(QCoreApplication::translate("MainWindowPages", "縦に重ねた画像で、下の段をイコライザとして使います"));

    // The style of the whole skin: one choice takes a style of the parts library everywhere.
    auto* style = new QComboBox(pageWidget);
    bindComboList(m_bridge, style, ctl::StyleCombo, -1);
    style->setToolTip(QCoreApplication::translate("MainWindowPages",
        "パーツ集のスタイルをスキン全体に使います: 全ページのパーツ、数字と文字の色、プレイリストの色、ビジュアライザの色"));

    SlotView* picture1 = addSlotView(pic::Picture1, -1, pageWidget, 2);
    picture1->setToolTip(QCoreApplication::translate("MainWindowPages", "Picture1: メイン画面の画像\nダブルクリック: 画像を開く\n右クリック: 貼りつけ／コピー"));
    connect(picture1, &SlotView::doubleClicked, this, &MainWindow::openBasePicture);
    connect(picture1, &SlotView::menuRequested, this,
            [this](const QPoint& at) { applyPicture1ClipChoice(askClipChoice(this, at)); });
    SlotView* picture2 = addSlotView(pic::Picture2, -1, pageWidget, 2);
    picture2->setToolTip(QCoreApplication::translate("MainWindowPages", "Picture2: 重ねた画像の二段目"));
    SlotView* picture3 = addSlotView(pic::Picture3, -1, pageWidget, 1);
    picture3->setToolTip(QCoreApplication::translate("MainWindowPages", "Picture3: レイヤーを重ねたメイン画面 (スキン作成のあと)"));
    auto* picture2Caption = caption(QStringLiteral("Picture2"), pageWidget);
    // Picture2 shows only after a stacked picture was imported.
    bindVisibility(m_bridge, picture2, ctl::Picture2);
    bindVisibility(m_bridge, picture2Caption, ctl::Picture2);

    watchSlot(m_bridge, hint, pic::Picture1, [&d, hint] {
        if (d.BackgroundImagePath.empty())
            hint->setText(QCoreApplication::translate("MainWindowPages",
                "<b>はじめに:</b> 「PictureOpen」を押して、スキンの元になる画像を開いてください。<br>"
                "275×116 (メイン画面)、275×232 (メイン＋イコライザ)、275×348 (メイン＋イコライザ＋プレイリスト) の画像が使えます。"));
        else
            hint->setText(QCoreApplication::translate("MainWindowPages",
                "<b>次に:</b> 各ページでパーツを選び、「色補正」で色を合わせてから、右の「スキン作成」(Ctrl+B) を押してください。"
                "プレビューで「Save」を押すとスキンが保存されます。%1<br>開いた画像: %2")
                              .arg(d.combinedPictureFlag != 0
                                       ? QCoreApplication::translate("MainWindowPages", "<br>重ねた画像の下の段がイコライザなら「EQが下」をチェックしてください。")
                                       : QString())
                              .arg(QString::fromStdString(d.BackgroundImagePath).toHtmlEscaped()));
    });

    auto* left = new QVBoxLayout;
    left->addWidget(hint);
    left->addWidget(open);
    left->addWidget(skinMode);
    left->addWidget(eqBelow);
    left->addLayout(labelled(QCoreApplication::translate("MainWindowPages", "スタイル"), style, pageWidget));
    left->addSpacing(12);
    left->addWidget(caption(QStringLiteral("Picture3 (Backdrop)"), pageWidget));
    left->addWidget(picture3);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(caption(QStringLiteral("Picture1"), pageWidget));
    right->addWidget(picture1);
    right->addWidget(picture2Caption);
    right->addWidget(picture2);
    right->addLayout(labelled(QCoreApplication::translate("MainWindowPages", "倍率"),
                              pageZoomChooser(QStringLiteral("cboZoom_0"), 2, {picture1, picture2}, pageWidget), pageWidget));
    right->addStretch();

    auto* layout = new QHBoxLayout(pageWidget);
    auto* leftBox = new QWidget(pageWidget);
    leftBox->setLayout(left);
    leftBox->setFixedWidth(300);
    layout->addWidget(leftBox);
    layout->addLayout(right);
    layout->addStretch();
    return pageWidget;
}

QWidget* MainWindow::buildPartPage(const MainCategory& category, int page) {
    auto* pageWidget = new QWidget;
    Document& d = doc();
    const int k = category.index;

    // Lists: the data list, the link box, and the mask list with its "MaskList" label.
    auto* lists = new QVBoxLayout;
    auto* dataCaption = caption(QStringLiteral("DataList"), pageWidget);
    lists->addWidget(dataCaption);
    dataCaption->setBuddy(addPartList(m_bridge, ctl::lstData, k, lists, 3, pageWidget));
    if (category.maskList >= 0) {
        auto* link = new QCheckBox(QCoreApplication::translate("MainWindowPages", "DataとMaskを別々に指定する"), pageWidget);
        bindCheckBox(m_bridge, link, category.linkBox);
        link->setToolTip(linkBoxTip());
        auto* maskLabel = new QLabel(pageWidget);
        bindLabel(m_bridge, maskLabel, category.maskLabel);
        lists->addWidget(link);
        lists->addWidget(maskLabel);
        maskLabel->setBuddy(addPartList(m_bridge, ctl::lstMask, category.maskList, lists, 2, pageWidget));
    }
    auto* listBox = new QWidget(pageWidget);
    listBox->setLayout(lists);
    listBox->setFixedWidth(220);

    // The Data and Mask slots, as large as the column allows.
    const int zoom = std::min(fittingZoom(d.slot(pic::picData, k), 560, 220), fittingZoom(d.slot(pic::picMask, k), 560, 220));
    SlotView* data = addSlotView(pic::picData, k, pageWidget, zoom);
    SlotView* mask = addSlotView(pic::picMask, k, pageWidget, zoom);
    for (SlotView* view : {data, mask}) {
        connect(view, &SlotView::doubleClicked, this, [this, view] { openPictureIntoSlot(view->slotRef()); });
        connect(view, &SlotView::menuRequested, this,
                [this, view](const QPoint& at) { applyClipChoice(view->slotRef(), askClipChoice(this, at)); });
    }
    auto* pictures = new QVBoxLayout;
    pictures->addWidget(caption(QStringLiteral("Data"), pageWidget));
    pictures->addWidget(data);
    pictures->addWidget(caption(QStringLiteral("Mask"), pageWidget));
    pictures->addWidget(mask);
    pictures->addLayout(labelled(QCoreApplication::translate("MainWindowPages", "倍率"),
                                 pageZoomChooser(QStringLiteral("cboZoom_%1").arg(page), zoom, {data, mask}, pageWidget),
                                 pageWidget));
    auto* help = new QLabel(QCoreApplication::translate("MainWindowPages", "絵をダブルクリックすると画像ファイルを開きます。右クリックで貼りつけ／コピー。"),
                            pageWidget);
    help->setWordWrap(true);
    pictures->addWidget(help);
    pictures->addStretch();

    // The page's make boxes and its colour group "色補正".
    auto* controls = new QVBoxLayout;
    for (const PageMakeBox& m : kPageMakeBoxes) {
        if (m.page != page) continue;
        controls->addWidget(pageMakeBox(m_bridge, m.box, QCoreApplication::translate("MainWindowPages", m.caption), pageWidget));
    }
    if (category.colourGroup != kNone) controls->addWidget(colourGroup(m_bridge, category.colourGroup, 220, pageWidget));
    controls->addStretch();

    auto* layout = new QHBoxLayout(pageWidget);
    layout->addWidget(listBox);
    layout->addLayout(pictures);
    layout->addLayout(controls);
    layout->addStretch();
    return pageWidget;
}

// The language of the program's words, stored at once under kLanguageKey; it takes effect at the
// next start. Each language is named in its own words.
QGroupBox* MainWindow::languageBox(QWidget* parent) {
    auto* box = new QGroupBox(QCoreApplication::translate("MainWindowPages", "言語 (Language)"), parent);
    box->setObjectName(QStringLiteral("fraLanguage"));
    auto* choice = new QComboBox(box);
    choice->setObjectName(QStringLiteral("cboLanguage"));
    choice->addItem(QCoreApplication::translate("MainWindowPages", "システムに合わせる"), QLatin1String(kLanguageSystem));
    choice->addItem(QStringLiteral("日本語"), QLatin1String(kLanguageJapanese));
    choice->addItem(QStringLiteral("English"), QLatin1String(kLanguageEnglish));
    if (m_settings) choice->setCurrentIndex(choice->findData(storedLanguage(*m_settings)));
    choice->setEnabled(m_settings != nullptr);
    connect(choice, &QComboBox::currentIndexChanged, this, [this, choice] {
        storeLanguage(*m_settings, choice->currentData().toString());
        syncSettings();
    });
    auto* note = new QLabel(QCoreApplication::translate("MainWindowPages", "次に起動したときから切りかわります。"), box);
    note->setObjectName(QStringLiteral("lblLanguageNote"));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(choice);
    layout->addWidget(note);
    return box;
}

QWidget* MainWindow::buildSettingsPage() {
    auto* pageWidget = new QWidget;
    Document& d = doc();

    // Where: beside the picture, or in a folder of the user's choice (Drive1, Dir1, SaveDirText).
    auto* place = new QGroupBox(QCoreApplication::translate("MainWindowPages", "保存する場所"), pageWidget);
    place->setObjectName(QStringLiteral("fraSavePlace"));
    auto* saveOp1 = new QRadioButton(QCoreApplication::translate("MainWindowPages", "画像のある場所に新しくフォルダを作りそこへ保存"), place);
    bindOption(m_bridge, saveOp1, ctl::SaveOp1);
    auto* saveOp2 = new QRadioButton(QCoreApplication::translate("MainWindowPages", "自分で設定した場所にフォルダを作りそこへ保存"), place);
    bindOption(m_bridge, saveOp2, ctl::SaveOp2);

    QComboBox* drive = driveList(QStringLiteral("Drive1"), place);

    QTreeView* dir = folderTree(QStringLiteral("Dir1"), 220, place);
    auto* model = static_cast<QFileSystemModel*>(dir->model());
    auto* saveDir = new QLineEdit(place);
    bindLineEdit(m_bridge, saveDir, ctl::SaveDirText);
    auto* browse = new QPushButton(QCoreApplication::translate("MainWindowPages", "参照..."), place);
    browse->setObjectName(QStringLiteral("cmdBrowseSaveDir"));

    // The document's SaveDirText is the folder of Dir1: Dir1 and Drive1 follow it, and every
    // choice in them writes it.
    watchControl(m_bridge, dir, ctl::SaveDirText, [&d, dir, drive, model] {
        const QString folder = QString::fromStdString(d.text(ctl::SaveDirText));
        int best = -1;
        qsizetype bestLength = -1;
        for (int i = 0; i < drive->count(); ++i) {
            const QString root = drive->itemData(i).toString();
            if (folder.startsWith(root) && root.size() > bestLength) {
                best = i;
                bestLength = root.size();
            }
        }
        if (best >= 0 && drive->currentIndex() != best) {
            drive->setCurrentIndex(best);
            dir->setRootIndex(model->index(drive->itemData(best).toString()));
        }
        const QModelIndex at = model->index(folder);
        if (at.isValid() && dir->currentIndex() != at) {
            dir->setCurrentIndex(at);
            dir->scrollTo(at);
        }
    });
    auto setFolder = [&d](const QString& folder) {
        const std::string path = QDir::toNativeSeparators(QDir::cleanPath(folder)).toStdString();
        if (path != d.text(ctl::SaveDirText)) d.setText(ctl::SaveDirText, path);
    };
    connect(drive, &QComboBox::activated, place, [drive, dir, model, setFolder](int i) {
        const QString root = drive->itemData(i).toString();
        dir->setRootIndex(model->index(root));
        setFolder(root);
    });
    connect(dir->selectionModel(), &QItemSelectionModel::currentChanged, place,
            [model, setFolder](const QModelIndex& at) {
                if (at.isValid()) setFolder(model->filePath(at));
            });
    connect(browse, &QPushButton::clicked, place, [this, &d, setFolder] {
        const QString folder = QFileDialog::getExistingDirectory(this, QCoreApplication::translate("MainWindowPages", "保存する場所"),
                                                                 QString::fromStdString(d.text(ctl::SaveDirText)));
        if (!folder.isEmpty()) setFolder(folder);
    });

    auto* placeLayout = new QGridLayout(place);
    placeLayout->addWidget(saveOp1, 0, 0, 1, 3);
    placeLayout->addWidget(saveOp2, 1, 0, 1, 3);
    auto* driveLabel = new QLabel(QCoreApplication::translate("MainWindowPages", "ドライブ"), place);
    driveLabel->setBuddy(drive);
    placeLayout->addWidget(driveLabel, 2, 0);
    placeLayout->addWidget(drive, 2, 1, 1, 2);
    placeLayout->addWidget(dir, 3, 0, 1, 3);
    auto* dirLabel = new QLabel(QCoreApplication::translate("MainWindowPages", "フォルダ"), place);
    dirLabel->setBuddy(saveDir);
    placeLayout->addWidget(dirLabel, 4, 0);
    placeLayout->addWidget(saveDir, 4, 1);
    placeLayout->addWidget(browse, 4, 2);

    // The skin folder's name: the picture's name, or one of the user's.
    auto* name = new QGroupBox(QCoreApplication::translate("MainWindowPages", "保存フォルダ名"), pageWidget);
    name->setObjectName(QStringLiteral("fraSaveName"));
    auto* optSaveOp1 = new QRadioButton(QCoreApplication::translate("MainWindowPages", "読みこんだ画像ファイル名をフォルダ名にする"), name);
    bindOption(m_bridge, optSaveOp1, ctl::optSaveOp1);
    auto* optSaveOp2 = new QRadioButton(QCoreApplication::translate("MainWindowPages", "保存フォルダ名を自分で指定する"), name);
    bindOption(m_bridge, optSaveOp2, ctl::optSaveOp2);
    auto* folderName = new QLineEdit(name);
    bindLineEdit(m_bridge, folderName, ctl::txtSaveFolda);
    auto* nameLayout = new QVBoxLayout(name);
    nameLayout->addWidget(optSaveOp1);
    nameLayout->addWidget(optSaveOp2);
    nameLayout->addWidget(folderName);

    auto* zip = new QCheckBox(QCoreApplication::translate("MainWindowPages", "Zip圧縮して保存する"), pageWidget);
    bindCheckBox(m_bridge, zip, ctl::ZipCheck);
    auto* wsz = new QCheckBox(QCoreApplication::translate("MainWindowPages", "アーカイブを .wsz にする (外すと .zip)"), pageWidget);
    bindCheckBox(m_bridge, wsz, ctl::ArchiveWsz);
    wsz->setToolTip(QCoreApplication::translate("MainWindowPages", ".wsz はプレイヤーがスキンとして開く名前です。中身は .zip と同じです"));
    auto* askReplace = new QCheckBox(QCoreApplication::translate("MainWindowPages", "すでにあるスキンを置きかえる前に確認する"), pageWidget);
    bindCheckBox(m_bridge, askReplace, ctl::AskBeforeReplacing);
    auto* asp = new QCheckBox(QCoreApplication::translate("MainWindowPages", "ASPを出力する"), pageWidget);
    bindCheckBox(m_bridge, asp, ctl::chkASP);

    auto* right = new QVBoxLayout;
    right->addWidget(name);
    right->addWidget(zip);
    right->addWidget(wsz);
    right->addWidget(askReplace);
    right->addWidget(asp);
    right->addWidget(languageBox(pageWidget));
    right->addStretch();
    auto* layout = new QHBoxLayout(pageWidget);
    layout->addWidget(place, 3);
    layout->addLayout(right, 2);
    return pageWidget;
}

QWidget* MainWindow::placeholderPage(const QString& title) {
    auto* pageWidget = new QWidget;
    auto* layout = new QVBoxLayout(pageWidget);
    auto* label = new QLabel(QCoreApplication::translate("MainWindowPages", "「%1」のページは、この版ではまだ使えません。\n"
                                            "スキンはこのページの設定を既定のままにして作られます。")
                                 .arg(title),
                             pageWidget);
    label->setObjectName(QStringLiteral("lblNotYet"));
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    return pageWidget;
}

}  // namespace pelterra::app
