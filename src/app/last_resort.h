// The desktop program's last resort. An exception that escapes an event handler, or anything
// that ends in std::terminate, is a fault of this program (failures of the user's files travel
// as errors and are shown as such). The user is told what happened and offered to save the
// project first, where the project page saves it, before the program quits: unsaved work is
// not lost with the program.
#pragma once

#include <exception>
#include <functional>

#include <QApplication>
#include <QString>

#include "project/project.h"
#include "result.h"

namespace pelterra::app {

class MainWindow;

// The exit code of a program that quits after a fault.
inline constexpr int kExitAfterFault = 2;

// The project's folder name when the project page has none: the work is saved all the same.
inline constexpr char kRescueProjectName[] = "pelterra-rescue";

// Saves the window's project into the project page's folder under txtProject (or
// kRescueProjectName when that is empty).
Result<SavedProject> SaveRescueProject(MainWindow& window);

// Tells the user about the fault, asks whether to save the project first and saves it when
// asked to (saying where, or why it could not be saved). The caller quits afterwards.
void OfferRescue(MainWindow* window, const QString& fault);

// A QApplication whose notify catches what an event handler throws and hands its text to
// onFault (and goes on with the event left unhandled). A fault while onFault runs (its dialogs
// run events) is only printed: the first one is being dealt with.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;

    std::function<void(const QString& fault)> onFault;

private:
    bool m_handlingFault = false;
};

// The text of an exception: its what(), or words for one of unknown kind or for none.
QString ExceptionText(const std::exception_ptr& exception);

// Installs the terminate handler: the fault (the exception, if any) goes to `onFault` on the
// program's main thread, then the program aborts. On another thread it is only printed.
void InstallTerminateHandler(std::function<void(const QString& fault)> onFault);

}  // namespace pelterra::app
