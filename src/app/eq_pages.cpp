#include "eq_pages.h"

#include "core_captions.h"

#include <iterator>
#include <string>

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "bindings.h"
#include "equalizer/eq_parts.h"
#include "interaction.h"
#include "main_window.h"
#include "page_helpers.h"
#include "part_thumbnails.h"
#include "parts/colour_change.h"
#include "parts/easy_import.h"
#include "slot_view.h"

namespace pelterra::app {

namespace {

// The include box of each equalizer part position on its page; the first five are make flags
// whose second box lies in fraEqCheck.
struct EqIncludeBox {
    int slot;
    ControlName box;
    const char* caption;
    bool makeFlag;
};
constexpr EqIncludeBox kEqIncludeBoxes[] = {
    {0, ctl::OnAutoCheck, "on,auto", true},  {1, ctl::EQFrameCheck, "Frame", true}, {2, ctl::EQCheck, "Titlebar", true},
    {3, ctl::ImageCheck, "Image", true},     {4, ctl::PresetCheck, "Preset", true}, {5, ctl::chkEQLayer1, "Layer1", false},
    {6, ctl::chkEQLayer2, "Layer2", false},
};
static_assert(std::size(kEqIncludeBoxes) == 7, "one include box per equalizer part position");

// The second include boxes of the frame fraEqCheck.
struct SecondBox {
    ControlName box;
    const char* caption;
};
constexpr SecondBox kEqSecondBoxes[] = {
    {ctl::OnAutoCheck2, "On Auto"}, {ctl::EQFrameCheck2, "EQ Frame"}, {ctl::EQCheck2, "EQ Titlebar"},
    {ctl::ImageCheck2, "Image"},    {ctl::PresetCheck2, "Preset"},
};
static_assert(std::size(kEqSecondBoxes) == 5);

// The Easy boxes of "取りこみ", in the order the import runs; the last one is hidden.
constexpr SecondBox kEasyBoxes[] = {
    {ctl::EasyEQMainCheck, "EQ Main"}, {ctl::EasySliderCheck, QT_TRANSLATE_NOOP("EqPages", "ボタン")}, {ctl::EasyOnAutoCheck, "On,Auto"},
    {ctl::EasyPresetCheck, "Preset"},  {ctl::EasyImageCheck, "Image"},  {ctl::EasyEQCheck, "TitleBar"},
    {ctl::EasyEQFrameCheck, "EQ Frame"},
};
static_assert(std::size(kEasyBoxes) == 7);


// The part pictures of a page take at most this much room at their starting zoom.
constexpr int kPictureWidth = 556;
constexpr int kPictureHeight = 200;

const EqIncludeBox* includeBoxOf(int slot) {
    for (const EqIncludeBox& b : kEqIncludeBoxes)
        if (b.slot == slot) return &b;
    return nullptr;
}

// The equalizer pages of TabStrip2 (EQFrame(0..9)), and the part category each part page shows.
enum class EqPage : int { EqMain = 0, Slider = 1, Easy = 7 };
struct EqPartPage {
    int page;
    int category;  // kEqCategories index
};
constexpr EqPartPage kEqPartPages[] = {
    {2, 0},  // "on,auto"
    {3, 1},  // "EQ Frame"
    {4, 2},  // "TitleBar"
    {5, 3},  // "image"
    {6, 4},  // "Preset"
    {8, 5},  // "レイヤ―1"
    {9, 6},  // "レイヤー2"
};

void showSizeMessage(MainWindow& main, const std::optional<std::string>& message) {
    if (message) ShowMessage(&main, coreCaption(*message));
}

// A check box bound to a make flag: a click sets the flag of the pair.
QCheckBox* makeBox(DocumentBridge& bridge, ControlName name, const char* caption, QWidget* parent) {
    auto* box = new QCheckBox(QCoreApplication::translate("EqPages", caption), parent);
    bindCheckBox(bridge, box, name);
    return box;
}

// A slot view of an equalizer picture: double-click opens a file into it; with `clipMenu` a
// right-click offers the clipboard menu.
SlotView* eqView(MainWindow& main, DocumentBridge& bridge, SlotName name, int index, int zoom, bool clipMenu,
                 QWidget* parent) {
    auto* view = new SlotView(bridge, name, index, parent);
    view->setZoom(zoom);
    const SlotName slotName = name;
    QObject::connect(view, &SlotView::doubleClicked, view,
                     [&main, &bridge, slotName, index] { openEqPicture(main, bridge, slotName, index); });
    QString tip = QCoreApplication::translate("EqPages", "%1  %2×%3\nダブルクリック: 画像を開く")
                      .arg(QString::fromStdString(controlKey(name, index)))
                      .arg(view->image().width())
                      .arg(view->image().height());
    if (clipMenu) {
        tip += QCoreApplication::translate("EqPages", "\n右クリック: 貼りつけ／コピー");
        QObject::connect(view, &SlotView::menuRequested, view, [&main, &bridge, slotName, index](const QPoint& at) {
            applyEqClipChoice(main, bridge, slotName, index, askClipChoice(&main, at));
        });
    }
    view->setToolTip(tip);
    return view;
}

QLabel* helpText(const QString& text, QWidget* parent) {
    auto* help = new QLabel(text, parent);
    help->setWordWrap(true);
    return help;
}

// "EQ Main": the face from the base picture ("こっちを使う") and the one opened here ("これを使う").
QWidget* buildEqMainPage(MainWindow& main, DocumentBridge& bridge) {
    auto* pageWidget = new QWidget;
    Document& d = bridge.doc();

    auto* first = new QRadioButton(QCoreApplication::translate("EqPages", "こっちを使う"), pageWidget);
    bindOption(bridge, first, ctl::OpEqMain1);
    first->setToolTip(QCoreApplication::translate("EqPages", "開いたスキン画像から取ったイコライザの面 (上の絵) を使います"));
    auto* second = new QRadioButton(QCoreApplication::translate("EqPages", "これを使う"), pageWidget);
    bindOption(bridge, second, ctl::OpEqMain2);
    second->setToolTip(QCoreApplication::translate("EqPages", "PictureOpenで別に開いた画像 (下の絵) をイコライザの面に使います"));
    auto* open = new QPushButton(QStringLiteral("PictureOpen"), pageWidget);
    open->setObjectName(QStringLiteral("OpenEQData"));
    open->setToolTip(QCoreApplication::translate("EqPages", "イコライザの面にする画像ファイルを開きます"));
    QObject::connect(open, &QPushButton::clicked, pageWidget, [&main, &bridge] { openEqMainPicture(main, bridge); });

    SlotView* face1 = eqView(main, bridge, pic::PreEQMainData, -1, 2, true, pageWidget);
    SlotView* face2 = eqView(main, bridge, pic::PreEQMainData2, -1, 2, false, pageWidget);
    auto* opened = new QLabel(pageWidget);
    opened->setObjectName(QStringLiteral("lblEQMainFile"));
    opened->setWordWrap(true);
    watchSlot(bridge, opened, pic::PreEQMainData2, [&d, opened] {
        opened->setText(d.ExtraImageTitle.empty() ? QCoreApplication::translate("EqPages", "(画像はまだ開かれていません)")
                                                  : QString::fromStdString(d.ExtraImageTitle));
    });

    auto* firstColumn = new QVBoxLayout;
    firstColumn->addWidget(first);
    firstColumn->addWidget(helpText(QCoreApplication::translate("EqPages", "「Main」ページで開いた画像のイコライザ部分"), pageWidget));
    firstColumn->addStretch();
    auto* secondColumn = new QVBoxLayout;
    secondColumn->addWidget(second);
    secondColumn->addWidget(open);
    secondColumn->addWidget(opened);
    secondColumn->addWidget(helpText(QCoreApplication::translate("EqPages", "275×116 のイコライザ画像を開きます。ほかの大きさは 275×116 に変換されます。"),
                                     pageWidget));
    secondColumn->addStretch();

    auto* pictures = new QWidget(pageWidget);
    auto* grid = new QGridLayout(pictures);
    grid->addLayout(firstColumn, 0, 0);
    grid->addWidget(face1, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addLayout(secondColumn, 1, 0);
    grid->addWidget(face2, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->setColumnMinimumWidth(0, 220);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(2, 1);

    auto* layout = new QVBoxLayout(pageWidget);
    layout->addWidget(scrollBox(pictures, pageWidget), 1);
    auto* zoomRow = new QHBoxLayout;
    zoomRow->addWidget(new QLabel(QCoreApplication::translate("EqPages", "倍率"), pageWidget));
    zoomRow->addWidget(pageZoomChooser(QStringLiteral("cboEQZoom_0"), 2, {face1, face2}, pageWidget));
    zoomRow->addStretch();
    layout->addLayout(zoomRow);
    return pageWidget;
}

// "Slider": the slider graphic and its mask, the back colour, and "BackColorを合成する".
QWidget* buildSliderPage(MainWindow& main, DocumentBridge& bridge) {
    auto* pageWidget = new QWidget;

    auto* slider = new QComboBox(pageWidget);
    bindComboList(bridge, slider, ctl::SliderCombo, -1);
    showComboPictures(bridge, slider, ctl::SliderCombo);
    auto* back = new QComboBox(pageWidget);
    bindComboList(bridge, back, ctl::BackColorCombo, -1);
    showComboPictures(bridge, back, ctl::BackColorCombo);
    auto* useBack = new QCheckBox(QCoreApplication::translate("EqPages", "BackColorを合成する"), pageWidget);
    bindCheckBox(bridge, useBack, ctl::UseSliderBack);
    useBack->setToolTip(QCoreApplication::translate("EqPages", "スライダーの溝に、選んだBackColorの色を重ねます"));

    auto* controls = new QVBoxLayout;
    auto* sliderCaption = boldCaption(QStringLiteral("Slider"), pageWidget);
    sliderCaption->setBuddy(slider);
    controls->addWidget(sliderCaption);
    controls->addWidget(slider);
    auto* backCaption = boldCaption(QStringLiteral("BackColor"), pageWidget);
    backCaption->setBuddy(back);
    controls->addWidget(backCaption);
    controls->addWidget(back);
    controls->addWidget(useBack);
    controls->addWidget(helpText(QCoreApplication::translate("EqPages", "絵をダブルクリックすると画像ファイルを開きます。右クリックで貼りつけ／コピー。"),
                                 pageWidget));
    controls->addStretch();
    auto* controlBox = new QWidget(pageWidget);
    controlBox->setLayout(controls);
    controlBox->setFixedWidth(220);

    SlotView* data = eqView(main, bridge, pic::PreSliderData, -1, 1, true, pageWidget);
    SlotView* mask = eqView(main, bridge, pic::PreSliderMask, -1, 1, true, pageWidget);
    SlotView* colour = eqView(main, bridge, pic::EQSliderBackColor, -1, 1, true, pageWidget);
    auto* pictures = new QWidget(pageWidget);
    auto* grid = new QGridLayout(pictures);
    grid->addWidget(boldCaption(QStringLiteral("Data"), pictures), 0, 0);
    grid->addWidget(boldCaption(QStringLiteral("Mask"), pictures), 0, 1);
    grid->addWidget(data, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(mask, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(boldCaption(QStringLiteral("BackColor"), pictures), 2, 0);
    grid->addWidget(colour, 3, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(scrollBox(pictures, pageWidget), 1);
    auto* zoomRow = new QHBoxLayout;
    zoomRow->addWidget(new QLabel(QCoreApplication::translate("EqPages", "倍率"), pageWidget));
    zoomRow->addWidget(pageZoomChooser(QStringLiteral("cboEQZoom_1"), 1, {data, mask, colour}, pageWidget));
    zoomRow->addStretch();
    right->addLayout(zoomRow);

    auto* layout = new QHBoxLayout(pageWidget);
    layout->addWidget(controlBox);
    layout->addLayout(right, 1);
    return pageWidget;
}

// A part page: data list, link box and mask list, the Data and Mask pictures, the include box
// and, for the recoloured positions, the colour bars.
QWidget* buildEqPartPage(MainWindow& main, DocumentBridge& bridge, int page, const EqCategory& position) {
    auto* pageWidget = new QWidget;
    Document& d = bridge.doc();
    const int slot = position.index;

    auto* lists = new QVBoxLayout;
    auto* dataCaption = boldCaption(QStringLiteral("DataList"), pageWidget);
    lists->addWidget(dataCaption);
    dataCaption->setBuddy(addPartList(bridge, ctl::lstEQData, slot, lists, 3, pageWidget));
    auto* link = new QCheckBox(QCoreApplication::translate("EqPages", "DataとMaskを別々に指定する"), pageWidget);
    bindCheckBox(bridge, link, position.linkBox);
    link->setToolTip(linkBoxTip());
    auto* maskLabel = new QLabel(pageWidget);
    bindLabel(bridge, maskLabel, ctl::lblEQMask, slot);
    lists->addWidget(link);
    lists->addWidget(maskLabel);
    maskLabel->setBuddy(addPartList(bridge, ctl::lstEQMask, slot, lists, 2, pageWidget));
    auto* listBox = new QWidget(pageWidget);
    listBox->setLayout(lists);
    listBox->setFixedWidth(220);

    const Bitmap& part = d.slot(pic::picEQData, slot);
    const int zoom = zoomToFit(part.width(), part.height(), kPictureWidth, kPictureHeight);
    SlotView* data = eqView(main, bridge, pic::picEQData, slot, zoom, true, pageWidget);
    SlotView* mask = eqView(main, bridge, pic::picEQMask, slot, zoom, true, pageWidget);
    auto* pictureBox = new QWidget(pageWidget);
    auto* pictureLayout = new QVBoxLayout(pictureBox);
    pictureLayout->setContentsMargins(0, 0, 0, 0);
    pictureLayout->addWidget(boldCaption(QStringLiteral("Data"), pictureBox));
    pictureLayout->addWidget(data);
    pictureLayout->addWidget(boldCaption(QStringLiteral("Mask"), pictureBox));
    pictureLayout->addWidget(mask);
    pictureLayout->addStretch();
    auto* pictures = new QVBoxLayout;
    pictures->addWidget(scrollBox(pictureBox, pageWidget), 1);
    auto* zoomRow = new QHBoxLayout;
    zoomRow->addWidget(new QLabel(QCoreApplication::translate("EqPages", "倍率"), pageWidget));
    zoomRow->addWidget(pageZoomChooser(QStringLiteral("cboEQZoom_%1").arg(page), zoom,
                                       {data, mask}, pageWidget));
    zoomRow->addStretch();
    pictures->addLayout(zoomRow);
    pictures->addWidget(helpText(QCoreApplication::translate("EqPages", "絵をダブルクリックすると画像ファイルを開きます。右クリックで貼りつけ／コピー。"),
                                 pageWidget));

    auto* controls = new QVBoxLayout;
    if (const EqIncludeBox* include = includeBoxOf(slot)) {
        if (include->makeFlag) {
            controls->addWidget(pageMakeBox(bridge, include->box, QCoreApplication::translate("EqPages", include->caption), pageWidget));
        } else {
            auto* box = new QCheckBox(QCoreApplication::translate("EqPages", include->caption), pageWidget);
            bindCheckBox(bridge, box, include->box);
            controls->addWidget(box);
        }
    }
    if (position.colourGroup != kNone) controls->addWidget(colourGroup(bridge, position.colourGroup, 150, pageWidget));
    controls->addStretch();
    auto* controlBox = new QWidget(pageWidget);
    controlBox->setLayout(controls);
    controlBox->setFixedWidth(250);

    auto* layout = new QHBoxLayout(pageWidget);
    layout->addWidget(listBox);
    layout->addLayout(pictures, 1);
    layout->addWidget(controlBox);
    return pageWidget;
}

// "取りこみ": the Easy import in the group frame Frames(8).
QWidget* buildEasyPage(MainWindow& main, DocumentBridge& bridge) {
    auto* pageWidget = new QWidget;
    Document& d = bridge.doc();
    auto* frame = new QGroupBox(QCoreApplication::translate("EqPages", "取りこみ"), pageWidget);
    frame->setObjectName(QStringLiteral("Frames_8"));

    auto* combo = new QComboBox(frame);
    bindComboList(bridge, combo, ctl::EasyCombo, -1);
    showComboPictures(bridge, combo, ctl::EasyCombo);
    auto* controls = new QVBoxLayout;
    auto* comboCaption = boldCaption(QCoreApplication::translate("EqPages", "画像"), frame);
    comboCaption->setBuddy(combo);
    controls->addWidget(comboCaption);
    controls->addWidget(combo);
    controls->addSpacing(8);
    for (const SecondBox& b : kEasyBoxes) {
        auto* box = new QCheckBox(QCoreApplication::translate("EqPages", b.caption), frame);
        bindCheckBox(bridge, box, b.box);
        controls->addWidget(box);
    }
    auto* run = new QPushButton(QCoreApplication::translate("EqPages", "取りこむ"), frame);
    run->setObjectName(QStringLiteral("EasyButton"));
    QObject::connect(run, &QPushButton::clicked, frame, [&d] { EasyImport(d); });
    controls->addWidget(run);
    controls->addWidget(helpText(QCoreApplication::translate("EqPages", "eqmain.bmp と同じ並びの画像から、チェックした部分をイコライザのパーツに取りこみます。"
                                                "絵をダブルクリックすると画像ファイルを開きます。右クリックで貼りつけ／コピー。"),
                                 frame));
    controls->addStretch();
    auto* controlBox = new QWidget(frame);
    controlBox->setLayout(controls);
    controlBox->setFixedWidth(240);

    auto* image = new SlotView(bridge, pic::PreEasyImage, -1, frame);
    image->setToolTip(QCoreApplication::translate("EqPages", "PreEasyImage\nダブルクリック: 画像を開く\n右クリック: 貼りつけ／コピー"));
    QObject::connect(image, &SlotView::doubleClicked, image, [&main, &bridge] { openEasyPicture(main, bridge); });
    QObject::connect(image, &SlotView::menuRequested, image, [&main, &bridge](const QPoint& at) {
        applyEasyClipChoice(main, bridge, askClipChoice(&main, at));
    });
    auto* imageBox = new QWidget(frame);
    auto* imageLayout = new QVBoxLayout(imageBox);
    imageLayout->addWidget(image);
    imageLayout->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(scrollBox(imageBox, frame), 1);
    auto* zoomRow = new QHBoxLayout;
    zoomRow->addWidget(new QLabel(QCoreApplication::translate("EqPages", "倍率"), frame));
    zoomRow->addWidget(pageZoomChooser(QStringLiteral("cboEQZoom_7"), 1, {image}, frame));
    zoomRow->addStretch();
    right->addLayout(zoomRow);

    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->addWidget(controlBox);
    frameLayout->addLayout(right, 1);
    (new QVBoxLayout(pageWidget))->addWidget(frame);
    return pageWidget;
}

}  // namespace

QWidget* buildEqualizerPage(MainWindow& main, DocumentBridge& bridge, int page) {
    switch (static_cast<EqPage>(page)) {
        case EqPage::EqMain:
            return buildEqMainPage(main, bridge);
        case EqPage::Slider:
            return buildSliderPage(main, bridge);
        case EqPage::Easy:
            return buildEasyPage(main, bridge);
        default:
            for (const EqPartPage& p : kEqPartPages)
                if (p.page == page) return buildEqPartPage(main, bridge, page, kEqCategories[p.category]);
            return new QWidget;
    }
}

QWidget* buildEqualizerSideFrame(MainWindow& main, DocumentBridge& bridge) {
    auto* frame = new QGroupBox;
    frame->setObjectName(QStringLiteral("Frames_9"));
    auto* layout = new QVBoxLayout(frame);

    // Command4: the build without the archiver check (the program carries its archiver).
    auto* build = new QPushButton(QCoreApplication::translate("EqPages", "スキン作成"), frame);
    build->setObjectName(QStringLiteral("Command4"));
    QObject::connect(build, &QPushButton::clicked, frame, [&main] { main.build(); });
    layout->addWidget(build);
    auto* only = new QCheckBox(QCoreApplication::translate("EqPages", "EQ部分だけ出力する"), frame);
    bindCheckBox(bridge, only, ctl::chkEQOnly);
    only->setToolTip(QCoreApplication::translate("EqPages", "イコライザの絵だけのスキンとして出力します (メイン画面の画像を開いていなくても作れます)"));
    layout->addWidget(only);
    auto* mode = new QCheckBox(QStringLiteral("EQ Slider"), frame);
    bindCheckBox(bridge, mode, ctl::EQModeCheck);
    mode->setToolTip(QCoreApplication::translate("EqPages", "eqmain.bmpにスライダー・プリセット・グラフの段まで含めます。\n外すと上の275×163だけを出力します"));
    layout->addWidget(mode);

    auto* twins = new QGroupBox(frame);
    twins->setObjectName(objectNameOf(ctl::fraEqCheck));
    bindVisibility(bridge, twins, ctl::fraEqCheck);
    auto* twinLayout = new QVBoxLayout(twins);
    for (const SecondBox& b : kEqSecondBoxes) twinLayout->addWidget(makeBox(bridge, b.box, b.caption, twins));
    layout->addWidget(twins);
    layout->addStretch();
    frame->setFixedWidth(180);
    return frame;
}

void openEqPicture(MainWindow& main, DocumentBridge& bridge, SlotName name, int index) {
    const QString file = ChoosePictureFile(&main);
    if (file.isEmpty()) return;
    auto loaded = LoadEqPictureFile(bridge.doc(), name, index, file.toStdString());
    if (!loaded) {
        ShowFailure(&main, loaded.error());
        return;
    }
    showSizeMessage(main, *loaded);
}

void openEqMainPicture(MainWindow& main, DocumentBridge& bridge) {
    const QString file = ChoosePictureFile(&main);
    if (file.isEmpty()) return;
    auto opened = OpenEqMainImage(bridge.doc(), file.toStdString());
    if (!opened) {
        ShowFailure(&main, opened.error());
        return;
    }
    // The face label shows the new file name; the slot may have stayed the same picture.
    bridge.doc().slotChanged(pic::PreEQMainData2);
    showSizeMessage(main, *opened);
}

void applyEqClipChoice(MainWindow& main, DocumentBridge& bridge, SlotName name, int index, ClipChoice choice) {
    Document& d = bridge.doc();
    if (choice == ClipChoice::Copy) {
        putPictureOnClipboard(d.slot(name, index));
    } else if (choice == ClipChoice::Paste) {
        auto pasted = PasteEqPicture(d, name, index, clipboardPicture());
        if (!pasted)
            ShowFailure(&main, pasted.error());
        else
            showSizeMessage(main, *pasted);
    }
}

void openEasyPicture(MainWindow& main, DocumentBridge& bridge) {
    const QString file = ChoosePictureFile(&main);
    if (file.isEmpty()) return;
    if (Status loaded = LoadEasyPictureFile(bridge.doc(), file.toStdString()); !loaded) ShowFailure(&main, loaded.error());
}

void applyEasyClipChoice(MainWindow& main, DocumentBridge& bridge, ClipChoice choice) {
    Document& d = bridge.doc();
    if (choice == ClipChoice::Copy) {
        // The shown picture, then the held one: the held one stays on the clipboard.
        putPictureOnClipboard(d.slot(pic::PreEasyImage));
        putPictureOnClipboard(d.slot(pic::PreEasyData));
    } else if (choice == ClipChoice::Paste) {
        if (Status pasted = PasteEasyPicture(d, clipboardPicture()); !pasted) ShowFailure(&main, pasted.error());
    }
}

}  // namespace pelterra::app
