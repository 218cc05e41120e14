// frmTabler: the main window. Source database and tables, output folder and
// name, the Start button's run with its progress, and the buttons that open
// the maintenance windows. The rules live in MainWindowLogic.
#pragma once

#include "ui/main_window_logic.h"
#include "ui/project_logic.h"

#include <QMainWindow>
#include <QPointer>
#include <QUrl>

#include <functional>

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QAction;
class QProgressBar;
class QPushButton;
class QTreeView;

namespace schemist::ui {

class ManualWindow;
class MountWatcher;

// Hands a file or folder to the desktop (QDesktopServices::openUrl); false
// when nothing took it. Replaceable so that tests see what would be opened.
using UrlOpener = std::function<bool(const QUrl& url)>;

// The bundled manual: installed beside the program, else in the source tree.
QString manualPath();

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(RunSettings& settings, std::optional<std::string> storeProblem, QWidget* parent = nullptr);

    MainWindowLogic& logic() { return logic_; }

    // The database chosen as from the file manager: its folder shown, the
    // file selected and its tables listed once the folder has been read.
    void openDatabase(const QString& path);
    void chooseInputFolder(const QString& folder);
    void chooseOutputFolder(const QString& folder);
    QString inputFolder() const { return inputFolder_; }
    QString outputFolder() const { return outputFolder_; }
    // The selected file of the file list, as a full path; empty when none.
    QString selectedFile() const;
    // The file whose tables the table list shows; a run reads this file.
    QString listedFile() const { return listedFile_; }
    bool running() const { return running_; }
    void setUrlOpener(UrlOpener opener) { openUrl_ = std::move(opener); }
    // The manual's own window, while it is open.
    ManualWindow* manualWindow() const;

    // The buttons' and menu items' work.
    void start();
    void rebuildDefaultData();
    void showVersion();
    void showHelp();
    void refreshDriveLists();

    // "プロジェクトを開く…" / "プロジェクトを保存…": the file asked for in a
    // file dialog, then read into the window or written from it.
    void openProject();
    void saveProject();
    // The same for a file already chosen; false after a message box saying
    // why nothing changed.
    bool openProjectFile(const QString& path);
    bool saveProjectFile(const QString& path);
    // What the window holds that a project file records.
    WindowProject windowProject() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void syncState();
    void syncState(int progress);
    void onInputDriveChanged(const QString& root);
    void onOutputDriveChanged(const QString& root);
    void onFileListLoaded(const QString& folder);
    void onFileChosen();
    void showTables();
    void runElsewhere(const std::function<void()>& work);
    template <typename Dialog, typename... Args>
    void openStoreWindow(Args&&... args);
    void openOptions();
    void reportSuccess(const RunOutcome& outcome);
    void showProject(const WindowProject& project, const QString& note);
    void selectPendingTables();
    QString askProjectPath(bool saving);

    // The tables an opened project selects once its database is listed.
    struct PendingTables {
        QString database;
        bool everyTable = false;
        std::vector<std::string> names;
        QString note;  // for the status line once the tables are selected
    };

    MainWindowLogic logic_;
    ProjectLogic projects_;
    std::optional<PendingTables> pendingTables_;
    bool running_ = false;
    QString inputFolder_;
    QString outputFolder_;
    QString pendingFile_;
    // The file whose tables the table list shows.
    QString listedFile_;
    bool selectFirstFile_ = false;

    QComboBox* drvInput_ = nullptr;
    QTreeView* dirInput_ = nullptr;
    QLabel* inputPath_ = nullptr;
    QListView* flstInput_ = nullptr;
    QListWidget* lstTableName_ = nullptr;
    QComboBox* drvOutput_ = nullptr;
    QTreeView* dirOutput_ = nullptr;
    QLabel* outputPath_ = nullptr;
    QLineEdit* txtFileName_ = nullptr;
    QCheckBox* chkMakeVB_ = nullptr;
    QCheckBox* chkMakeExcel_ = nullptr;
    QPushButton* cmdStart_ = nullptr;
    QPushButton* cmdEnd_ = nullptr;
    QPushButton* cmdDefault_ = nullptr;
    QPushButton* cmdName_ = nullptr;
    QPushButton* cmdEndName_ = nullptr;
    QPushButton* cmdTopName_ = nullptr;
    QPushButton* cmdDataInit_ = nullptr;
    QPushButton* cmdOption_ = nullptr;
    QProgressBar* prgBar_ = nullptr;
    QAction* actOpenProject_ = nullptr;
    QAction* actSaveProject_ = nullptr;
    QFileSystemModel* inputDirs_ = nullptr;
    QFileSystemModel* outputDirs_ = nullptr;
    QFileSystemModel* files_ = nullptr;
    MountWatcher* mounts_ = nullptr;
    UrlOpener openUrl_;
    QPointer<ManualWindow> manual_;
};

}  // namespace schemist::ui
