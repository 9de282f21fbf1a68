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

struct Interaction {
    // Returns the chosen file, or an empty string when the dialog was cancelled.
    std::function<QString(QWidget* parent)> choosePictureFile;
    // Shows a message with an OK button alone.
    std::function<void(QWidget* parent, const QString& text)> showMessage;
    // Shows news of a finished task (an information icon) with an OK button alone.
    std::function<void(QWidget* parent, const QString& text)> showInformation;
    // Asks a question with the buttons Yes and No; true for Yes.
    std::function<bool(QWidget* parent, const QString& text)> askYesNo;
};

// The hooks in force; empty members mean the real dialogs.
Interaction& interaction();

QString ChoosePictureFile(QWidget* parent);
void ShowMessage(QWidget* parent, const QString& text);
void ShowInformation(QWidget* parent, const QString& text);
bool AskYesNo(QWidget* parent, const QString& text);
// The width a window needs for the whole of `title` in its title bar: the text in a bold title
// font with room for the window's icon and its buttons. Window managers cut a longer title.
int widthForTitle(const QString& title);
// A dialog at least that wide for its own title.
void keepTitleWhole(QWidget* dialog);

// A failure of the core: its message (and the file it names) in a message box with OK only.
void ShowFailure(QWidget* parent, const Error& error);

}  // namespace pelterra::app
