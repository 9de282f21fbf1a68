// The thin Qt side of the document: turns the document's change notifications into signals, so
// that every widget bound to a control or a slot repaints when (and only when) it changed.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include <QObject>
#include <QString>

#include "document/document.h"

namespace pelterra::app {

class DocumentBridge : public QObject {
    Q_OBJECT
public:
    // `programFolder` is where the part commands find PartsData.
    explicit DocumentBridge(Document& doc, std::filesystem::path programFolder = {}, QObject* parent = nullptr);
    ~DocumentBridge() override;

    Document& doc() { return m_doc; }
    const Document& doc() const { return m_doc; }
    const std::filesystem::path& programFolder() const { return m_programFolder; }

    // A user's change of a bound widget: the core's SetControl sets the control and runs its
    // command, exactly as --set does. A failure goes to the failure handler.
    void setControl(std::string_view key, int value);
    void setControlText(std::string_view key, std::string text);
    void setControlText(ControlRef control, std::string text);
    // Shows a failed command to the user (the main window's message box); unset, failures are
    // dropped.
    std::function<void(const Error&)> onFailure;

Q_SIGNALS:
    // The key is the document's key of the slot or control: "picData(3)", ctl::chkASP.
    void slotChanged(const QString& key);
    void controlChanged(const QString& key);
    void flagsChanged();
    // A problem no dialog reported was added to the document's problems().
    void problemNoted();

private:
    void report(const Status& status);

    Document& m_doc;
    std::filesystem::path m_programFolder;
    int m_listener = 0;
};

}  // namespace pelterra::app
