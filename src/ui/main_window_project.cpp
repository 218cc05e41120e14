// The main window's project file: "プロジェクトを開く…" shows a project in
// the window (database, tables, output folder and name, outputs, documents
// and every run setting); "プロジェクトを保存…" writes what the window holds.
#include "ui/main_window.h"

#include "platform/error.h"
#include "run/startup.h"
#include "run/table_selection.h"
#include "ui/message_box.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>

#include <algorithm>

namespace schemist::ui {
namespace {

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

}  // namespace

WindowProject MainWindow::windowProject() const
{
    WindowProject w;
    w.database = utf8(listedFile_);
    int selected = 0;
    for (int i = 0; i < lstTableName_->count(); ++i)
        if (lstTableName_->item(i)->isSelected()) {
            w.tables.push_back(utf8(lstTableName_->item(i)->text()));
            ++selected;
        }
    // Every table, or none chosen yet: the file holds no table list, which
    // the command line reads as every table, as it reads a list it lacks.
    w.everyTable = selected == 0 || selected == lstTableName_->count();
    if (w.everyTable)
        w.tables.clear();
    w.outputFolder = utf8(outputFolder_);
    w.outputName = utf8(txtFileName_->text());
    w.makeVB = chkMakeVB_->isChecked();
    w.makeExcel = chkMakeExcel_->isChecked();
    w.documents = logic_.documents();
    w.settings = logic_.settings();
    w.jet3Charset = logic_.jet3Charset();
    return w;
}

// The file dialog of Qt itself, the same on every desktop, with its own
// labels in Japanese; replacing a file is asked in a box of this program.
QString MainWindow::askProjectPath(bool saving)
{
    QString folder = QFileInfo(qt(projects_.lastPath())).absolutePath();
    if (projects_.lastPath().empty())
        folder = listedFile_.isEmpty() ? inputFolder_ : QFileInfo(listedFile_).absolutePath();
    QFileDialog dialog(this, saving ? "プロジェクトを保存" : "プロジェクトを開く", folder);
    dialog.setObjectName("dlgProject");
    dialog.resize(820, 480);  // wide enough for the name, size, type and date columns
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters({"プロジェクトファイル (*.toml)", "すべてのファイル (*)"});
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setLabelText(QFileDialog::LookIn, "場所:");
    dialog.setLabelText(QFileDialog::FileName, "ファイル名:");
    dialog.setLabelText(QFileDialog::FileType, "ファイルの種類:");
    dialog.setLabelText(QFileDialog::Accept, saving ? "保存" : "開く");
    dialog.setLabelText(QFileDialog::Reject, "キャンセル");
    if (saving) {
        dialog.setDefaultSuffix("toml");
        dialog.selectFile(projects_.lastPath().empty() ? "schemist.toml" : QFileInfo(qt(projects_.lastPath())).fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void MainWindow::openProject()
{
    const QString path = askProjectPath(false);
    if (!path.isEmpty())
        openProjectFile(path);
}

void MainWindow::saveProject()
{
    // A name the project file could not hold is asked for before the file.
    if (auto problem = ProjectLogic::saveProblem(windowProject())) {
        showMessage(this, kApplicationTitle, qt(*problem));
        txtFileName_->setFocus();
        txtFileName_->selectAll();
        return;
    }
    const QString path = askProjectPath(true);
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) &&
        !askQuestion(this, kApplicationTitle, path + " は既にあります。\n上書きしますか?", "上書きする", "キャンセル"))
        return;
    saveProjectFile(path);
}

bool MainWindow::openProjectFile(const QString& path)
{
    WindowProject project;
    try {
        project = projects_.open(utf8(QFileInfo(path).absoluteFilePath()), windowProject());
    } catch (const ProjectError& e) {
        showMessage(this, kApplicationTitle, qt(e.what()));
        return false;
    }
    showProject(project, "プロジェクトを開きました: " + path);
    return true;
}

bool MainWindow::saveProjectFile(const QString& path)
{
    const WindowProject project = windowProject();
    if (auto problem = ProjectLogic::saveProblem(project)) {
        showMessage(this, kApplicationTitle, qt(*problem));
        return false;
    }
    try {
        projects_.save(utf8(QFileInfo(path).absoluteFilePath()), project);
    } catch (const Error& e) {
        showMessage(this, kApplicationTitle, qt(e.what()));
        return false;
    }
    statusBar()->showMessage("プロジェクトを保存しました: " + path);
    return true;
}

void MainWindow::showProject(const WindowProject& project, const QString& note)
{
    RunSettings& settings = logic_.settings();
    const std::string store = settings.WorkStorePath;
    settings = project.settings;
    settings.WorkStorePath = store;  // changed by the logic, which checks the store
    if (auto problem = logic_.useWorkStore(project.settings.WorkStorePath))
        showMessage(this, kApplicationTitle, qt(*problem));
    logic_.setJet3Charset(project.jet3Charset);
    logic_.documents() = project.documents;
    chkMakeVB_->setChecked(project.makeVB);
    chkMakeExcel_->setChecked(project.makeExcel);
    txtFileName_->setText(qt(project.outputName));
    chooseOutputFolder(qt(project.outputFolder));
    if (project.database.empty()) {
        pendingTables_.reset();
        statusBar()->showMessage(note);
        return;
    }
    pendingTables_ = PendingTables{qt(project.database), project.everyTable, project.tables, note};
    openDatabase(qt(project.database));
}

// Once the project's database is listed: its tables selected, as a user
// would select them, and Start enabled when there are any.
void MainWindow::selectPendingTables()
{
    if (!pendingTables_ || pendingTables_->database != listedFile_)
        return;
    const PendingTables pending = *pendingTables_;
    pendingTables_.reset();
    std::vector<std::string> unknown;
    const std::vector<std::string> chosen =
        pending.everyTable ? logic_.tables() : tablesAsSpelled(pending.names, logic_.tables(), unknown);
    int selected = 0;
    for (int i = 0; i < lstTableName_->count(); ++i) {
        QListWidgetItem* item = lstTableName_->item(i);
        const bool on = std::find(chosen.begin(), chosen.end(), utf8(item->text())) != chosen.end();
        item->setSelected(on);
        selected += on ? 1 : 0;
    }
    logic_.tableListSettled(selected);
    // A file that cannot be listed says so in the status line already.
    if (!logic_.listProblem().empty())
        return;
    statusBar()->showMessage(pending.note);
    if (!unknown.empty())
        showMessage(this, kApplicationTitle,
                    qt("テーブルが見つかりません: " + joined(unknown) + " (" + utf8(listedFile_) +
                       ")\nプロジェクトファイルのテーブルのうち、見つかったものだけを選択しました。"));
}

}  // namespace schemist::ui
