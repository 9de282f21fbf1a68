// PreViewForm: the modal preview after a build. The two panes show the main-window and equalizer
// mock-ups in the order the build chose, picPL the playlist sheet; Label2 names where "Save"
// writes the skin; "Cancel" closes without writing.
#pragma once

#include <filesystem>
#include <optional>

#include <QDialog>

#include "sheets/build_driver.h"
#include "document_bridge.h"
#include "output/save_skin.h"

namespace pelterra::app {

class SlotView;

class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(DocumentBridge& bridge, std::filesystem::path programFolder, QWidget* parent = nullptr);

    // Puts the mock-ups into PreView1 and PreView2 and shows or hides them.
    void arrange(const PreviewPanes& panes);
    // The skin written by the last "Save" of this showing, if any.
    const std::optional<SavedSkin>& saved() const { return m_saved; }

    SlotView* pane1() const { return m_pane1; }
    SlotView* pane2() const { return m_pane2; }

    // Shows the window modally; returns when "Save" or "Cancel" closed it.
    void showModal();

private:
    void save();
    // False when the skin lacks a file a player needs and the user does not want it saved so.
    bool incompleteSkinIsAgreed();
    // False when a skin is already where the save would go and the user does not want it replaced.
    bool replacingIsAgreed();

    DocumentBridge& m_bridge;
    std::filesystem::path m_programFolder;
    SlotView* m_pane1 = nullptr;
    SlotView* m_pane2 = nullptr;
    std::optional<SavedSkin> m_saved;
};

}  // namespace pelterra::app
