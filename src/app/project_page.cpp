#include "project_page.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include "bindings.h"
#include "page_helpers.h"
#include "interaction.h"
#include "project/project.h"

namespace pelterra::app {

namespace {

std::filesystem::path folderOf(const QLineEdit* dir2) {
    return std::filesystem::path(QDir::cleanPath(dir2->text()).toStdString());
}

void saveProject(DocumentBridge& bridge, QWidget* owner, QLineEdit* dir2, QLabel* result) {
    const std::filesystem::path parent = folderOf(dir2);
    Result<SavedProject> saved = SaveProject(bridge.doc(), parent);
    if (!saved) {
        result->clear();
        ShowFailure(owner, saved.error());
        return;
    }
    const QString done = QCoreApplication::translate("ProjectPage", "保存しました: %1").arg(QString::fromStdString(saved->folder.string()));
    result->setText(done);
    // The status bar says it too, as after a skin save: it must not go on showing an older message.
    if (auto* window = qobject_cast<QMainWindow*>(owner ? owner->window() : nullptr))
        window->statusBar()->showMessage(done);
    bridge.markSaved();
    Q_EMIT bridge.projectSaved(QString::fromStdString(saved->folder.string()));
}

// Where the skin is saved is the program's setting ("環境設定"), not the project's: a loaded
// project leaves it as the user set it.
constexpr ControlName kSaveSettings[] = {ctl::SaveOp1,   ctl::SaveOp2,     ctl::optSaveOp1, ctl::optSaveOp2,
                                         ctl::ZipCheck,  ctl::SaveDirText, ctl::txtSaveFolda};

std::vector<std::pair<std::string, Control>> saveSettingsOf(const Document& doc) {
    std::vector<std::pair<std::string, Control>> kept;
    for (ControlName name : kSaveSettings)
        if (doc.hasControl(name)) kept.emplace_back(controlKey(name), doc.control(name));
    return kept;
}

void loadProject(DocumentBridge& bridge, QWidget* owner, QLineEdit* dir2, QLabel* result) {
    // A project that cannot be read whole (an unreadable project.ini, a picture missing or
    // unreadable) changes nothing: the message names each file, and the work stays as it was.
    // The manifest's passed-over lines join the problems the status bar lists.
    const auto saveSettings = saveSettingsOf(bridge.doc());
    const ProjectLoadReport report = LoadProject(bridge.doc(), folderOf(dir2));
    for (const auto& [key, state] : saveSettings) bridge.doc().restoreControl(key, state);
    if (const std::optional<Error> refused = report.refusal(folderOf(dir2))) {
        result->clear();
        ShowFailure(owner, *refused);
        return;
    }
    for (const Error& problem : report.problems) bridge.doc().noteProblem(problem);
    if (report.picturesLoaded == 0 && !report.manifest)
        result->setText(QCoreApplication::translate("ProjectPage", "このフォルダにはプロジェクトのファイルがありません"));
    else
        result->setText(QCoreApplication::translate("ProjectPage", "読みこみました: 画像 %1 枚%2")
                            .arg(report.picturesLoaded)
                            .arg(report.missingFiles.empty() ? QString()
                                                              : QCoreApplication::translate("ProjectPage", "（見つからないファイル %1 個）")
                                                                    .arg(report.missingFiles.size())));
    if (report.picturesLoaded == 0 && !report.manifest) return;
    bridge.markSaved();
    Q_EMIT bridge.projectLoaded(QString::fromStdString(folderOf(dir2).string()));
}

}  // namespace

std::filesystem::path ProjectPageFolder(const QWidget* window) {
    if (const auto* dir2 = window ? window->findChild<QLineEdit*>(QStringLiteral("Dir2Path")) : nullptr)
        return folderOf(dir2);
    return QDir::homePath().toStdString();
}

QWidget* buildProjectPage(DocumentBridge& bridge, QWidget* owner) {
    auto* pageWidget = new QWidget;

    auto* frame = new QGroupBox(QCoreApplication::translate("ProjectPage", "プロジェクト保存"), pageWidget);
    frame->setObjectName(QStringLiteral("fraProject"));

    QComboBox* drive = driveList(QStringLiteral("Drive2"), frame);

    QTreeView* dir = folderTree(QStringLiteral("Dir2"), 240, frame);
    auto* model = static_cast<QFileSystemModel*>(dir->model());

    // The folder Dir2 has open: where projects are made, or the project to load.
    auto* folder = new QLineEdit(frame);
    folder->setObjectName(QStringLiteral("Dir2Path"));
    folder->setText(QDir::toNativeSeparators(QDir::homePath()));
    auto* browse = new QPushButton(QCoreApplication::translate("ProjectPage", "参照..."), frame);
    browse->setObjectName(QStringLiteral("cmdBrowseProject"));

    auto showFolder = [dir, drive, model](const QString& path) {
        int best = -1;
        qsizetype bestLength = -1;
        for (int i = 0; i < drive->count(); ++i) {
            const QString root = drive->itemData(i).toString();
            if (path.startsWith(root) && root.size() > bestLength) {
                best = i;
                bestLength = root.size();
            }
        }
        if (best >= 0 && drive->currentIndex() != best) {
            drive->setCurrentIndex(best);
            dir->setRootIndex(model->index(drive->itemData(best).toString()));
        }
        const QModelIndex at = model->index(path);
        if (at.isValid() && dir->currentIndex() != at) {
            dir->setCurrentIndex(at);
            dir->scrollTo(at);
        }
    };
    showFolder(QDir::homePath());
    auto setFolder = [folder](const QString& path) {
        const QString text = QDir::toNativeSeparators(QDir::cleanPath(path));
        if (folder->text() != text) folder->setText(text);
    };
    QObject::connect(drive, &QComboBox::activated, frame, [drive, dir, model, setFolder](int i) {
        const QString root = drive->itemData(i).toString();
        dir->setRootIndex(model->index(root));
        setFolder(root);
    });
    QObject::connect(dir->selectionModel(), &QItemSelectionModel::currentChanged, frame,
                     [model, setFolder](const QModelIndex& at) {
                         if (at.isValid()) setFolder(model->filePath(at));
                     });
    QObject::connect(folder, &QLineEdit::editingFinished, frame, [folder, showFolder] { showFolder(folder->text()); });
    QObject::connect(browse, &QPushButton::clicked, frame, [owner, folder, setFolder, showFolder] {
        const QString chosen = QFileDialog::getExistingDirectory(owner, QCoreApplication::translate("ProjectPage", "プロジェクトのフォルダ"), folder->text());
        if (chosen.isEmpty()) return;
        setFolder(chosen);
        showFolder(chosen);
    });

    auto* name = new QLineEdit(frame);
    bindLineEdit(bridge, name, ctl::txtProject);
    auto* save = new QPushButton(QCoreApplication::translate("ProjectPage", "プロジェクト保存"), frame);
    save->setObjectName(objectNameOf("cmdSaveProject", 0));
    save->setToolTip(QCoreApplication::translate("ProjectPage", "上のフォルダの中に、この名前のフォルダを作って保存します"));
    auto* load = new QPushButton(QCoreApplication::translate("ProjectPage", "プロジェクト読みこみ"), frame);
    load->setObjectName(objectNameOf("cmdSaveProject", 1));
    load->setToolTip(QCoreApplication::translate("ProjectPage", "上のフォルダをプロジェクトとして読みこみます"));
    auto* result = new QLabel(frame);
    result->setObjectName(QStringLiteral("lblProjectResult"));
    result->setWordWrap(true);
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QObject::connect(save, &QPushButton::clicked, frame,
                     [&bridge, owner, folder, result] { saveProject(bridge, owner, folder, result); });
    QObject::connect(load, &QPushButton::clicked, frame, [&bridge, owner, folder, result] { loadProject(bridge, owner, folder, result); });

    auto* grid = new QGridLayout(frame);
    auto* driveLabel = new QLabel(QCoreApplication::translate("ProjectPage", "ドライブ"), frame);
    driveLabel->setBuddy(drive);
    grid->addWidget(driveLabel, 0, 0);
    grid->addWidget(drive, 0, 1, 1, 2);
    grid->addWidget(dir, 1, 0, 1, 3);
    auto* folderLabel = new QLabel(QCoreApplication::translate("ProjectPage", "フォルダ"), frame);
    folderLabel->setBuddy(folder);
    grid->addWidget(folderLabel, 2, 0);
    grid->addWidget(folder, 2, 1);
    grid->addWidget(browse, 2, 2);
    auto* nameLabel = new QLabel(QCoreApplication::translate("ProjectPage", "プロジェクト名"), frame);
    nameLabel->setBuddy(name);
    grid->addWidget(nameLabel, 3, 0);
    grid->addWidget(name, 3, 1, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(load);
    buttons->addStretch();
    grid->addLayout(buttons, 4, 0, 1, 3);
    grid->addWidget(result, 5, 0, 1, 3);

    auto* help = new QLabel(QCoreApplication::translate("ProjectPage", "保存: 選んだフォルダの中に「プロジェクト名」のフォルダを作り、画像と設定を書きこみます。\n"
                                           "読みこみ: 選んだフォルダそのものをプロジェクトとして読みこみます。"),
                            pageWidget);
    help->setWordWrap(true);

    auto* column = new QVBoxLayout;
    column->addWidget(frame);
    column->addWidget(help);
    column->addStretch();
    auto* layout = new QHBoxLayout(pageWidget);
    auto* box = new QWidget(pageWidget);
    box->setLayout(column);
    box->setMaximumWidth(620);
    layout->addWidget(box, 1);
    layout->addStretch();
    return pageWidget;
}

}  // namespace pelterra::app
