// The few places where the program asks the user something outside its own windows: the
// open-file dialog and the message box with an OK button. Each can be answered by a test instead.
#pragma once

#include <functional>

#include <QString>

#include "result.h"

class QWidget;

namespace pelterra::app {

// The picture filter of the open-file dialog: the classic "*.bmp;*.jpg;*.gif", plus PNG.
extern const char* const kPictureFilter;

// The answers to "there is unsaved work" before the program ends.
enum class UnsavedAnswer { Save, Discard, Cancel };

struct Interaction {
    // Returns the chosen file, or an empty string when the dialog was cancelled.
    std::function<QString(QWidget* parent)> choosePictureFile;
    // Shows a message with an OK button alone.
    std::function<void(QWidget* parent, const QString& text)> showMessage;
    // Shows news of a finished task (an information icon) with an OK button alone.
    std::function<void(QWidget* parent, const QString& text)> showInformation;
    // Asks a question with the buttons Yes and No; true for Yes.
    std::function<bool(QWidget* parent, const QString& text)> askYesNo;
    // Asks what to do with unsaved work: save it, discard it or go on working.
    std::function<UnsavedAnswer(QWidget* parent, const QString& text)> askUnsaved;
    // Returns the chosen folder, or an empty string when the dialog was cancelled.
    std::function<QString(QWidget* parent, const QString& caption)> chooseFolder;
    std::function<QString(QWidget* parent)> chooseSkinFile;
};

// The hooks in force; empty members mean the real dialogs.
Interaction& interaction();

QString ChoosePictureFile(QWidget* parent);
// A file dropped on a picture slot: the next ChoosePictureFile answers it without a dialog, so
// that the drop loads the file exactly as a double-click and a choice in the dialog would.
// Withdrawn with an empty name when nothing asked for it.
void OfferDroppedFile(const QString& file);
void ShowMessage(QWidget* parent, const QString& text);
void ShowInformation(QWidget* parent, const QString& text);
bool AskYesNo(QWidget* parent, const QString& text);
UnsavedAnswer AskUnsaved(QWidget* parent, const QString& text);
QString ChooseFolder(QWidget* parent, const QString& caption);
// A skin archive (.wsz, .zip) to show in the player view; empty when cancelled.
QString ChooseSkinFile(QWidget* parent);
// The width a window needs for the whole of `title` in its title bar: the text in a bold title
// font with room for the window's icon and its buttons. Window managers cut a longer title.
int widthForTitle(const QString& title);
// A dialog at least that wide for its own title.
void keepTitleWhole(QWidget* dialog);

// A failure of the core: its message (and the file it names) in a message box with OK only.
void ShowFailure(QWidget* parent, const Error& error);

}  // namespace pelterra::app
