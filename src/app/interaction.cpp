#include "interaction.h"

#include <utility>
#include <algorithm>

#include <QCoreApplication>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>

#include "core_words.h"

namespace pelterra::app {

const char* const kPictureFilter =
    QT_TRANSLATE_NOOP("Interaction", "画像 (*.bmp;*.jpg;*.gif) (*.bmp *.BMP *.jpg *.JPG *.jpeg *.JPEG *.gif *.GIF *.png *.PNG);;"
                                     "すべてのファイル (*)");

Interaction& interaction() {
    static Interaction hooks;
    return hooks;
}

namespace {
QString& droppedFile() {
    static QString file;
    return file;
}
}  // namespace

void OfferDroppedFile(const QString& file) { droppedFile() = file; }

QString ChoosePictureFile(QWidget* parent) {
    if (!droppedFile().isEmpty()) return std::exchange(droppedFile(), QString());
    if (interaction().choosePictureFile) return interaction().choosePictureFile(parent);
    // The dialog starts where the last picture was chosen, as the classic dialog did.
    static QString lastFolder;
    const QString file = QFileDialog::getOpenFileName(parent, QCoreApplication::translate("Interaction", "画像を開く"), lastFolder,
                                                      QCoreApplication::translate("Interaction", kPictureFilter));
    if (!file.isEmpty()) lastFolder = QFileInfo(file).absolutePath();
    return file;
}

namespace {

// Room beside the title: the window's icon, its three buttons and the margins.
constexpr int kTitleBarRoom = 160;

void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    // A message box sizes itself to its text on show and ignores a minimum width; a spacer across
    // its grid holds it wide enough for the title.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(widthForTitle(box.windowTitle()), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    box.exec();
}

}  // namespace

int widthForTitle(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + kTitleBarRoom;
}

void keepTitleWhole(QWidget* dialog) {
    dialog->setMinimumWidth(std::max(dialog->minimumWidth(), widthForTitle(dialog->windowTitle())));
}

void ShowMessage(QWidget* parent, const QString& text) {
    if (interaction().showMessage) {
        interaction().showMessage(parent, text);
        return;
    }
    showBox(parent, QMessageBox::Warning, text);
}

void ShowInformation(QWidget* parent, const QString& text) {
    if (interaction().showInformation) {
        interaction().showInformation(parent, text);
        return;
    }
    showBox(parent, QMessageBox::Information, text);
}

bool AskYesNo(QWidget* parent, const QString& text) {
    if (interaction().askYesNo) return interaction().askYesNo(parent, text);
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

UnsavedAnswer AskUnsaved(QWidget* parent, const QString& text) {
    if (interaction().askUnsaved) return interaction().askUnsaved(parent, text);
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save: return UnsavedAnswer::Save;
        case QMessageBox::Discard: return UnsavedAnswer::Discard;
        default: return UnsavedAnswer::Cancel;
    }
}

QString ChooseFolder(QWidget* parent, const QString& caption) {
    if (interaction().chooseFolder) return interaction().chooseFolder(parent, caption);
    return QFileDialog::getExistingDirectory(parent, caption);
}

QString ChooseSkinFile(QWidget* parent) {
    if (interaction().chooseSkinFile) return interaction().chooseSkinFile(parent);
    return QFileDialog::getOpenFileName(parent, QCoreApplication::translate("Interaction", "スキンを開く"), QString(),
                                        QCoreApplication::translate("Interaction", "Winamp スキン (*.wsz *.zip);;すべてのファイル (*)"));
}

void ShowFailure(QWidget* parent, const Error& error) {
    ShowMessage(parent, wordError(error));
}

}  // namespace pelterra::app
