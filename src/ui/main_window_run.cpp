// The main window's Start button: the run request made of what the window
// shows, the run on a thread of its own, and the summary afterwards.
#include "ui/main_window.h"

#include "run/startup.h"
#include "ui/message_box.h"
#include "ui/run_summary.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QListWidget>
#include <QThread>
#include <QUrl>

namespace schemist::ui {

// The run works on a thread of its own while this thread keeps painting the
// window (and lets the window manager move it); input to the window's
// controls is held back until the run is over.
void MainWindow::runElsewhere(const std::function<void()>& work)
{
    running_ = true;
    QEventLoop loop;
    QThread* thread = QThread::create(work);
    connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    delete thread;
    running_ = false;
}

void MainWindow::start()
{
    RunRequest request;
    // The file whose tables are listed, so names and file always belong together.
    request.sourcePath = utf8(listedFile_);
    for (int i = 0; i < lstTableName_->count(); ++i)
        if (lstTableName_->item(i)->isSelected())
            request.tables.push_back(utf8(lstTableName_->item(i)->text()));
    request.outputFolder = utf8(outputFolder_);
    request.outputName = utf8(txtFileName_->text());
    request.makeVB = chkMakeVB_->isChecked();
    request.makeExcel = chkMakeExcel_->isChecked();

    StartAnswer answer = logic_.start(request, [this](const std::function<void()>& work) { runElsewhere(work); });
    syncState();
    if (answer.ran && answer.outcome.succeeded) {
        reportSuccess(answer.outcome);
        return;
    }
    if (answer.message)
        showMessage(this, kApplicationTitle, qt(*answer.message));
    if (answer.focusOutputName) {
        txtFileName_->setFocus();
        txtFileName_->selectAll();
    }
    if (answer.warnings)
        showMessage(this, kApplicationTitle, qt(*answer.warnings));
}

void MainWindow::reportSuccess(const RunOutcome& outcome)
{
    const std::string folder = utf8(outputFolder_);
    // Files left as they were because their content did not change are this
    // run's outputs too.
    std::vector<std::string> files = outcome.writtenFiles;
    files.insert(files.end(), outcome.unchangedFiles.begin(), outcome.unchangedFiles.end());
    const QString text = qt(runSummaryMessage(folder, files, outcome.warnings));
    if (!askQuestion(this, kApplicationTitle, text, kOpenOutputFolder, kCloseSummary))
        return;
    if (!openUrl_(QUrl::fromLocalFile(outputFolder_)))
        showMessage(this, kApplicationTitle, "出力フォルダを開けません: " + outputFolder_);
}

}  // namespace schemist::ui
