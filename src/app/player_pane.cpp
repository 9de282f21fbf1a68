#include "player_pane.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "core_words.h"
#include "document/history.h"
#include "player/render.h"
#include "player/skin_reader.h"
#include "sheets/build_driver.h"

namespace pelterra::app {

namespace {

QImage toArgbImage(const WindowImage& drawn) {
    QImage image(drawn.width(), drawn.height(), QImage::Format_ARGB32);
    for (int y = 0; y < drawn.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const Colour* row = drawn.colours.row(y);
        for (int x = 0; x < drawn.width(); ++x)
            line[x] = qRgba(GetRed(row[x]), GetGreen(row[x]), GetBlue(row[x]), drawn.alphaAt(x, y));
    }
    return image;
}

// What the skin lacked or could not read, and before it each file it held twice, one a line.
QString skinNotesText(const Skin& skin) {
    QStringList lines;
    for (const SkinNote& note : skin.givenTwice) lines << QString::fromStdString(note.file) + QStringLiteral(": ") + wordText(note.message);
    QStringList names;
    for (const SkinNote& note : skin.missing)
        names << QString::fromStdString(note.file) + QStringLiteral(" (") + wordText(note.message) + QLatin1Char(')');
    if (!names.isEmpty())
        lines << QCoreApplication::translate("PlayerPane", "見つからない・読めないもの: ") + names.join(QStringLiteral(", "));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

PlayerPane::PlayerPane(DocumentBridge& bridge, std::filesystem::path programFolder, QWidget* parent)
    : QDockWidget(QCoreApplication::translate("PlayerPane", "プレイヤーでの見え方 (Player view)"), parent),
      m_bridge(bridge),
      m_programFolder(std::move(programFolder)) {
    setObjectName(QStringLiteral("PlayerView"));
    auto* body = new QWidget(this);
    m_picture = new QLabel(body);
    m_picture->setObjectName(QStringLiteral("PlayerPicture"));
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* scroll = new QScrollArea(body);
    scroll->setWidget(m_picture);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(560, 250);

    m_shade = new QCheckBox(QStringLiteral("Shade"), body);
    m_shade->setObjectName(QStringLiteral("PlayerShade"));
    m_shade->setToolTip(QCoreApplication::translate("PlayerPane", "どのウィンドウもシェードモードのバーで表示します"));
    m_inactive = new QCheckBox(QCoreApplication::translate("PlayerPane", "非アクティブ"), body);
    m_inactive->setObjectName(QStringLiteral("PlayerInactive"));
    m_inactive->setToolTip(QCoreApplication::translate("PlayerPane", "フォーカスのないウィンドウのタイトルバーで表示します"));
    m_pressed = new QCheckBox(QCoreApplication::translate("PlayerPane", "押したボタン"), body);
    m_pressed->setObjectName(QStringLiteral("PlayerPressed"));
    m_pressed->setToolTip(QCoreApplication::translate("PlayerPane", "ボタンとつまみを押したときの絵で表示します"));
    m_zoom = new QComboBox(body);
    m_zoom->setObjectName(QStringLiteral("PlayerZoom"));
    m_zoom->addItems({QStringLiteral("×1"), QStringLiteral("×2"), QStringLiteral("×3")});
    auto* edited = new QPushButton(QCoreApplication::translate("PlayerPane", "編集中のスキン"), body);
    edited->setObjectName(QStringLiteral("PlayerShowEdited"));
    edited->setToolTip(QCoreApplication::translate("PlayerPane", "開いたスキンではなく、編集中のスキンを表示します"));
    m_status = new QLabel(body);
    m_status->setObjectName(QStringLiteral("PlayerStatus"));
    m_status->setWordWrap(true);

    auto* toggles = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{m_shade, m_inactive, m_pressed, m_zoom, edited}) toggles->addWidget(w);
    toggles->addStretch();
    auto* layout = new QVBoxLayout(body);
    layout->addLayout(toggles);
    layout->addWidget(scroll, 1);
    layout->addWidget(m_status);
    setWidget(body);

    m_redraw = new QTimer(this);
    m_redraw->setSingleShot(true);
    m_redraw->setInterval(0);
    connect(m_redraw, &QTimer::timeout, this, &PlayerPane::redrawNow);
    for (QCheckBox* box : {m_shade, m_inactive, m_pressed}) connect(box, &QCheckBox::toggled, this, &PlayerPane::scheduleRedraw);
    connect(m_zoom, &QComboBox::currentIndexChanged, this, &PlayerPane::scheduleRedraw);
    connect(edited, &QPushButton::clicked, this, &PlayerPane::showEditedSkin);
    // What a build writes is the view's own doing: only an edit asks for a new drawing.
    const auto onChange = [this](const QString& key) {
        if (!m_drawing && !History::isBuildOutput(key.toStdString())) scheduleRedraw();
    };
    connect(&m_bridge, &DocumentBridge::slotChanged, this, onChange);
    connect(&m_bridge, &DocumentBridge::controlChanged, this, onChange);
    connect(&m_bridge, &DocumentBridge::flagsChanged, this, [this] {
        if (!m_drawing) scheduleRedraw();
    });
    scheduleRedraw();
}

void PlayerPane::scheduleRedraw() { m_redraw->start(); }

Status PlayerPane::openSkin(const std::filesystem::path& path) {
    Result<Skin> skin = ReadSkin(path);
    if (!skin) return skin.error();
    m_openedSkin = std::move(*skin);
    redrawNow();
    return ok();
}

void PlayerPane::showEditedSkin() {
    m_openedSkin.reset();
    redrawNow();
}

// The skin being edited, built from the document as "スキン作成" builds it (without the preview
// window); none while there is no picture to build from.
std::optional<Skin> PlayerPane::editedSkin() {
    Document& doc = m_bridge.doc();
    if (!hasPictureToBuild(doc) || isBuilding(doc)) return std::nullopt;
    Result<BuildReport> built = BuildSkinImages(doc, m_programFolder);
    if (!built || built->outcome != BuildOutcome::Built) return std::nullopt;
    Result<Skin> skin = SkinFromDocument(doc);
    if (!skin) return std::nullopt;
    return std::move(*skin);
}

void PlayerPane::redrawNow() {
    m_redraw->stop();
    m_drawing = true;
    std::optional<Skin> skin = m_openedSkin ? m_openedSkin : editedSkin();
    m_drawing = false;
    if (!skin) {
        m_image = QImage();
        m_picture->clear();
        m_status->setText(QCoreApplication::translate("PlayerPane", "「PictureOpen」で画像を開くと、ここにプレイヤーでの見え方が出ます。"));
        return;
    }
    PlayerView view;
    view.shade = m_shade->isChecked();
    view.active = !m_inactive->isChecked();
    if (m_pressed->isChecked()) view.pressed.set();
    m_image = toArgbImage(RenderPlayer(*skin, view, PlayerWindow::All, m_zoom->currentIndex() + 1));
    m_picture->setPixmap(QPixmap::fromImage(m_image));
    m_status->setText(skinNotesText(*skin));
}

QString PlayerPane::missingText() const { return m_status->text(); }

}  // namespace pelterra::app
