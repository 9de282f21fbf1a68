// The player view: the three windows of the skin as the players draw them, beside the editor. It
// draws the skin being edited again after every change of the document, once the event that made
// the change has been handled (changes in a row are drawn once), or a skin opened from a folder
// or an archive. Shade mode, the inactive title bars, pressed buttons and the zoom are its own.
#pragma once

#include <filesystem>
#include <optional>

#include <QDockWidget>

#include "document_bridge.h"
#include "player/skin.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTimer;

namespace pelterra::app {

class PlayerPane : public QDockWidget {
    Q_OBJECT
public:
    PlayerPane(DocumentBridge& bridge, std::filesystem::path programFolder, QWidget* parent);

    // Shows a skin read from a folder, a .wsz or a .zip instead of the one being edited; a skin
    // that cannot be read is reported and the view stays as it was.
    Status openSkin(const std::filesystem::path& path);
    // Back to the skin being edited.
    void showEditedSkin();
    // Draws now what a change asked for (the tests; the view does it by itself).
    void redrawNow();

    // The last drawing, at its zoom, transparent where a region cuts the windows.
    const QImage& image() const { return m_image; }
    // The sheets and text files the last drawing found missing or unreadable.
    QString missingText() const;

private:
    void scheduleRedraw();
    std::optional<Skin> editedSkin();

    DocumentBridge& m_bridge;
    std::filesystem::path m_programFolder;
    std::optional<Skin> m_openedSkin;
    bool m_drawing = false;
    QTimer* m_redraw = nullptr;
    QLabel* m_picture = nullptr;
    QLabel* m_status = nullptr;
    QCheckBox* m_shade = nullptr;
    QCheckBox* m_inactive = nullptr;
    QCheckBox* m_pressed = nullptr;
    QComboBox* m_zoom = nullptr;
    QImage m_image;
};

}  // namespace pelterra::app
