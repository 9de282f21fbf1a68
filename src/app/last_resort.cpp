#include "last_resort.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <string>

#include <QCoreApplication>
#include <QThread>

#include "interaction.h"
#include "main_window.h"
#include "project_page.h"

namespace pelterra::app {

namespace {

std::function<void(const QString&)>& terminateFault() {
    static std::function<void(const QString&)> handler;
    return handler;
}

void printFault(const QString& fault) {
    std::fprintf(stderr, "pelterra: internal error: %s\n", fault.toLocal8Bit().constData());
}

[[noreturn]] void onTerminate() {
    static bool entered = false;  // a second terminate while reporting the first one: just end
    const QString fault = ExceptionText(std::current_exception());
    printFault(fault);
    const bool onMainThread = qApp && QThread::currentThread() == qApp->thread();
    if (!entered && onMainThread && terminateFault()) {
        entered = true;
        terminateFault()(fault);
    }
    std::abort();
}

}  // namespace

Result<SavedProject> SaveRescueProject(MainWindow& window) {
    const std::string named = window.doc().text(ctl::txtProject);
    return SaveProject(window.doc(), ProjectPageFolder(&window), named.empty() ? kRescueProjectName : named);
}

void OfferRescue(MainWindow* window, const QString& fault) {
    if (!window) {
        ShowMessage(nullptr, QCoreApplication::translate("LastResort", "内部エラーが発生しました: %1\n\nプログラムを終了します。").arg(fault));
        return;
    }
    const QString question =
        QCoreApplication::translate("LastResort", "内部エラーが発生しました: %1\n\nプログラムを終了します。その前にプロジェクトを保存しますか？").arg(fault);
    if (!AskYesNo(window, question)) return;
    const Result<SavedProject> saved = SaveRescueProject(*window);
    if (!saved) {
        ShowFailure(window, saved.error());
        return;
    }
    ShowMessage(window, QCoreApplication::translate("LastResort", "保存しました: %1").arg(QString::fromStdString(saved->folder.string())));
}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const QString fault = ExceptionText(std::current_exception());
        printFault(fault);
        if (onFault && !m_handlingFault) {
            m_handlingFault = true;
            onFault(fault);
            m_handlingFault = false;
        }
        return false;
    }
}

QString ExceptionText(const std::exception_ptr& exception) {
    if (!exception) return QStringLiteral("the program was ended without an exception");
    try {
        std::rethrow_exception(exception);
    } catch (const std::bad_alloc&) {
        return QStringLiteral("out of memory");
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("an exception of unknown kind");
    }
}

void InstallTerminateHandler(std::function<void(const QString& fault)> onFault) {
    terminateFault() = std::move(onFault);
    std::set_terminate(onTerminate);
}

}  // namespace pelterra::app
