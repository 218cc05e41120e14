// The main window.
#include "ui/main_window.h"

#include "platform/paths.h"
#include "run/startup.h"
#include "ui/key_filter.h"
#include "ui/manual_window.h"
#include "ui/message_box.h"
#include "ui/name_editor.h"
#include "ui/option_dialog.h"
#include "ui/qt_texts.h"
#include "ui/type_editor.h"
#include "ui/volume_list.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace schemist::ui {
namespace {

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    return label;
}

QPushButton* button(const QString& text, const QString& name, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QFileSystemModel* folderModel(QObject* parent)
{
    auto* model = new QFileSystemModel(parent);
    model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    model->setRootPath("/");
    return model;
}

QTreeView* folderView(QFileSystemModel* model, const QString& name, QWidget* parent)
{
    auto* view = new QTreeView(parent);
    view->setObjectName(name);
    view->setModel(model);
    for (int c = 1; c < model->columnCount(); ++c)
        view->hideColumn(c);
    view->setHeaderHidden(true);
    view->setUniformRowHeights(true);
    return view;
}

void showFolder(QTreeView* view, QFileSystemModel* model, const QString& folder)
{
    const QString root = volumeRootOf(folder);
    view->setRootIndex(model->index(root));
    QModelIndex index = model->index(folder);
    if (folder != root && index.isValid()) {
        QSignalBlocker quiet(view->selectionModel());
        view->setCurrentIndex(index);
        view->scrollTo(index);
        view->expand(index);
    } else {
        QSignalBlocker quiet(view->selectionModel());
        view->setCurrentIndex({});
    }
}

QString startFolder()
{
    std::string documents = documentsFolder(processEnvironment());
    if (directoryExists(documents))
        return qt(documents);
    return QDir::homePath();
}

}  // namespace

QString manualPath()
{
    const QStringList candidates = {
        QCoreApplication::applicationDirPath() + "/../share/doc/schemist/manual.html",
#ifdef SCHEMIST_SOURCE_DIR
        QString(SCHEMIST_SOURCE_DIR) + "/docs/manual.html",
#endif
    };
    for (const QString& path : candidates)
        if (QFileInfo::exists(path))
            return QFileInfo(path).canonicalFilePath();
    return {};
}

MainWindow::MainWindow(RunSettings& settings, std::optional<std::string> storeProblem, QWidget* parent)
    : QMainWindow(parent),
      logic_(settings, std::move(storeProblem)),
      projects_(settings.WorkStorePath),
      openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    installJapaneseQtTexts();
    setObjectName("frmTabler");
    setWindowTitle(kMainCaption);
    buildControls();
    buildMenu();
    logic_.setStateObserver([this] {
        // A run reports from its own thread; the window follows on its own,
        // showing each value as it was set.
        const int value = logic_.progress();
        QMetaObject::invokeMethod(
            this, [this, value] { syncState(value); }, Qt::AutoConnection);
    });

    // Load.
    chkMakeVB_->setChecked(true);
    chkMakeExcel_->setChecked(true);
    logic_.load();
    const QString folder = startFolder();
    chooseInputFolder(folder);
    chooseOutputFolder(folder);
    syncState();
}

void MainWindow::buildControls()
{
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setHorizontalSpacing(14);

    // Input side.
    auto* input = new QVBoxLayout;
    input->addWidget(caption("入力データがあるディスク", central));
    drvInput_ = new QComboBox(central);
    drvInput_->setObjectName("drvInput");
    input->addWidget(drvInput_);
    input->addWidget(caption("入力データがあるフォルダ", central));
    inputDirs_ = folderModel(this);
    dirInput_ = folderView(inputDirs_, "dirInput", central);
    input->addWidget(dirInput_, 3);
    inputPath_ = new QLabel(central);
    inputPath_->setObjectName("lblInputPath");
    inputPath_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    input->addWidget(inputPath_);
    input->addWidget(caption("入力データ", central));
    files_ = new QFileSystemModel(this);
    files_->setFilter(QDir::Files);
    files_->setNameFilters({"*.mdb", "*.accdb"});
    files_->setNameFilterDisables(false);
    flstInput_ = new QListView(central);
    flstInput_->setObjectName("flstInput");
    flstInput_->setModel(files_);
    flstInput_->setSelectionMode(QAbstractItemView::SingleSelection);
    flstInput_->installEventFilter(this);
    input->addWidget(flstInput_, 2);

    // Tables.
    auto* tables = new QVBoxLayout;
    tables->addWidget(caption("処理対処テーブル", central));
    lstTableName_ = new QListWidget(central);
    lstTableName_->setObjectName("lstTableName");
    lstTableName_->setSelectionMode(QAbstractItemView::MultiSelection);
    lstTableName_->installEventFilter(this);
    tables->addWidget(lstTableName_, 1);

    // Output side.
    auto* output = new QVBoxLayout;
    output->addWidget(caption("出力先ディスク", central));
    drvOutput_ = new QComboBox(central);
    drvOutput_->setObjectName("drvOutput");
    output->addWidget(drvOutput_);
    output->addWidget(caption("出力先フォルダ", central));
    outputDirs_ = folderModel(this);
    dirOutput_ = folderView(outputDirs_, "dirOutput", central);
    output->addWidget(dirOutput_, 1);
    outputPath_ = new QLabel(central);
    outputPath_->setObjectName("lblOutputPath");
    outputPath_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    output->addWidget(outputPath_);
    output->addWidget(caption("出力ファイル名(モジュール名)", central));
    txtFileName_ = new QLineEdit("FileName", central);
    txtFileName_->setObjectName("txtFileName");
    txtFileName_->installEventFilter(new SelectAllOnFocus(txtFileName_));
    output->addWidget(txtFileName_);
    chkMakeVB_ = new QCheckBox("VBソースを作成", central);
    chkMakeVB_->setObjectName("chkMakeVB");
    chkMakeExcel_ = new QCheckBox("データベース構造をExcelに出力", central);
    chkMakeExcel_->setObjectName("chkMakeExcel");
    output->addWidget(chkMakeVB_);
    output->addWidget(chkMakeExcel_);

    auto* frame2 = new QGroupBox("データメンテナンス", central);
    frame2->setObjectName("Frame2");
    auto* f2 = new QGridLayout(frame2);
    cmdDefault_ = button("デフォルト宣言", "cmdDefault", frame2);
    cmdName_ = button("名称設定", "cmdName", frame2);
    cmdEndName_ = button("接尾名称設定", "cmdEndName", frame2);
    cmdTopName_ = button("接頭名称設定", "cmdTopName", frame2);
    f2->addWidget(cmdDefault_, 0, 0);
    f2->addWidget(cmdName_, 0, 1);
    f2->addWidget(cmdTopName_, 1, 0);
    f2->addWidget(cmdEndName_, 1, 1);
    output->addWidget(frame2);

    auto* frame1 = new QGroupBox("処理内容定義", central);
    frame1->setObjectName("Frame1");
    auto* f1 = new QHBoxLayout(frame1);
    cmdDataInit_ = button("初期データ作成", "cmdDataInit", frame1);
    cmdOption_ = button("Option", "cmdOption", frame1);
    f1->addWidget(cmdDataInit_);
    f1->addWidget(cmdOption_);
    output->addWidget(frame1);

    auto* runButtons = new QHBoxLayout;
    cmdStart_ = button("Start", "cmdStart", central);
    cmdEnd_ = button("End", "cmdEnd", central);
    for (QPushButton* b : {cmdStart_, cmdEnd_}) {
        b->setMinimumHeight(32);
        runButtons->addWidget(b);
    }
    output->addLayout(runButtons);

    grid->addLayout(input, 0, 0);
    grid->addLayout(tables, 0, 1);
    grid->addLayout(output, 0, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 3);
    prgBar_ = new QProgressBar(central);
    prgBar_->setObjectName("PrgBar");
    prgBar_->setRange(0, 100);
    prgBar_->setValue(0);
    prgBar_->setTextVisible(false);
    grid->addWidget(prgBar_, 1, 0, 1, 3);
    setCentralWidget(central);
    statusBar()->setObjectName("statusLine");
    resize(980, 640);

    refreshDriveLists();
    mounts_ = new MountWatcher(this);
    connect(mounts_, &MountWatcher::mountsChanged, this, &MainWindow::refreshDriveLists);

    connect(drvInput_, &QComboBox::currentTextChanged, this, &MainWindow::onInputDriveChanged);
    connect(drvOutput_, &QComboBox::currentTextChanged, this, &MainWindow::onOutputDriveChanged);
    // The entry already shown, chosen again: back to that drive's root from a
    // folder on a volume the list does not show (such as /dev).
    connect(drvInput_, &QComboBox::textActivated, this, &MainWindow::onInputDriveChanged);
    connect(drvOutput_, &QComboBox::textActivated, this, &MainWindow::onOutputDriveChanged);
    connect(dirInput_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { chooseInputFolder(inputDirs_->filePath(index)); });
    connect(dirOutput_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) { chooseOutputFolder(outputDirs_->filePath(index)); });
    connect(files_, &QFileSystemModel::directoryLoaded, this, &MainWindow::onFileListLoaded);
    // A file asked for in a folder read before it was made (a project's
    // database copied in meanwhile) is chosen once the list shows it.
    connect(files_, &QFileSystemModel::rowsInserted, this, [this] {
        if (!pendingFile_.isEmpty())
            onFileListLoaded(inputFolder_);
    });
    // The selection, not the current index, says which file is chosen: a
    // mouse press moves the current index before it selects, the keyboard
    // selects before it moves it.
    connect(flstInput_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &MainWindow::onFileChosen);
    connect(lstTableName_, &QListWidget::itemClicked, this,
            [this] { logic_.tableListSettled(static_cast<int>(lstTableName_->selectedItems().size())); });
    connect(cmdStart_, &QPushButton::clicked, this, &MainWindow::start);
    connect(cmdEnd_, &QPushButton::clicked, qApp, &QApplication::quit);
    connect(cmdDataInit_, &QPushButton::clicked, this, &MainWindow::rebuildDefaultData);
    connect(cmdOption_, &QPushButton::clicked, this, &MainWindow::openOptions);
    // The store as it is when clicked: an opened project may name another.
    auto store = [this] { return logic_.settings().WorkStorePath; };
    connect(cmdDefault_, &QPushButton::clicked, this, [this, store] { openStoreWindow<TypeEditor>(store()); });
    connect(cmdTopName_, &QPushButton::clicked, this,
            [this, store] { openStoreWindow<NameEditor>(store(), NameTableKind::Top); });
    connect(cmdEndName_, &QPushButton::clicked, this,
            [this, store] { openStoreWindow<NameEditor>(store(), NameTableKind::End); });
    connect(cmdName_, &QPushButton::clicked, this,
            [this, store] { openStoreWindow<NameEditor>(store(), NameTableKind::Full); });
}

void MainWindow::buildMenu()
{
    QMenu* file = menuBar()->addMenu("ファイル(&F)");
    file->setObjectName("mnuFile");
    actOpenProject_ = file->addAction("プロジェクトを開く(&O)…");
    actOpenProject_->setObjectName("ProjectOpen");
    actOpenProject_->setShortcut(QKeySequence("Ctrl+O"));
    actSaveProject_ = file->addAction("プロジェクトを保存(&S)…");
    actSaveProject_->setObjectName("ProjectSave");
    actSaveProject_->setShortcut(QKeySequence("Ctrl+S"));
    // The window's own too, so that the keys work wherever the focus is.
    addAction(actOpenProject_);
    addAction(actSaveProject_);
    connect(actOpenProject_, &QAction::triggered, this, &MainWindow::openProject);
    connect(actSaveProject_, &QAction::triggered, this, &MainWindow::saveProject);

    QMenu* help = menuBar()->addMenu("ヘルプ");
    help->setObjectName("mnuHelp");
    QAction* helpDisp = help->addAction("Help");
    helpDisp->setObjectName("HelpDisp");
    QAction* version = help->addAction("バージョン情報");
    version->setObjectName("Version");
    connect(helpDisp, &QAction::triggered, this, &MainWindow::showHelp);
    connect(version, &QAction::triggered, this, &MainWindow::showVersion);
}

void MainWindow::syncState() { syncState(logic_.progress()); }

void MainWindow::syncState(int progress)
{
    const bool on = logic_.controlsEnabled();
    for (QWidget* w : std::initializer_list<QWidget*>{cmdEnd_, cmdDataInit_, cmdOption_, cmdName_, cmdTopName_,
                                                     cmdEndName_, txtFileName_, cmdDefault_, dirInput_, dirOutput_,
                                                     flstInput_})
        w->setEnabled(on);
    actOpenProject_->setEnabled(on);
    actSaveProject_->setEnabled(on);
    cmdStart_->setEnabled(logic_.startEnabled());
    prgBar_->setValue(progress);
}

void MainWindow::refreshDriveLists()
{
    fillDriveList(drvInput_);
    fillDriveList(drvOutput_);
}

void MainWindow::onInputDriveChanged(const QString& root)
{
    if (!root.isEmpty() && volumeRootOf(inputFolder_) != root)
        chooseInputFolder(root);
}

void MainWindow::onOutputDriveChanged(const QString& root)
{
    if (!root.isEmpty() && volumeRootOf(outputFolder_) != root)
        chooseOutputFolder(root);
}

void MainWindow::chooseInputFolder(const QString& folder)
{
    if (folder.isEmpty() || folder == inputFolder_)
        return;
    inputFolder_ = folder;
    {
        QSignalBlocker quiet(drvInput_);
        drvInput_->setCurrentText(volumeRootOf(folder));
    }
    showFolder(dirInput_, inputDirs_, folder);
    inputPath_->setText(folder);
    // Input folder changed: the file list follows.
    {
        QSignalBlocker quiet(flstInput_->selectionModel());
        flstInput_->setRootIndex(files_->setRootPath(folder));
        flstInput_->setCurrentIndex({});
    }
    lstTableName_->clear();
    listedFile_.clear();
    statusBar()->clearMessage();
    logic_.fileListPathChanged();
    selectFirstFile_ = true;
    onFileListLoaded(folder);
}

void MainWindow::chooseOutputFolder(const QString& folder)
{
    if (folder.isEmpty() || folder == outputFolder_)
        return;
    outputFolder_ = folder;
    {
        QSignalBlocker quiet(drvOutput_);
        drvOutput_->setCurrentText(volumeRootOf(folder));
    }
    showFolder(dirOutput_, outputDirs_, folder);
    outputPath_->setText(folder);
}

void MainWindow::openDatabase(const QString& path)
{
    QFileInfo info(path);
    pendingFile_ = info.absoluteFilePath();
    // Also when the folder is the one shown already: the file is chosen in it.
    selectFirstFile_ = true;
    chooseInputFolder(info.absolutePath());
    onFileListLoaded(inputFolder_);
}

// File list path changed: the first entry (or the file asked for on the
// command line) is selected once the folder has been read. Selecting it
// counts as choosing it, so the table list always belongs to the selected
// file; Start stays disabled until a table is selected.
void MainWindow::onFileListLoaded(const QString& folder)
{
    if (!selectFirstFile_ || QDir(folder) != QDir(inputFolder_))
        return;
    const QModelIndex root = flstInput_->rootIndex();
    QModelIndex chosen;
    for (int r = 0; r < files_->rowCount(root); ++r) {
        QModelIndex index = files_->index(r, 0, root);
        if (!(files_->flags(index) & Qt::ItemIsEnabled))
            continue;
        if (!pendingFile_.isEmpty() && files_->filePath(index) == pendingFile_) {
            chosen = index;
            break;
        }
        if (!chosen.isValid() || files_->fileName(index).compare(files_->fileName(chosen), Qt::CaseInsensitive) < 0)
            chosen = index;
    }
    if (!chosen.isValid())
        return;
    if (!pendingFile_.isEmpty() && files_->filePath(chosen) != pendingFile_)
        return;  // the asked-for file has not been read yet
    selectFirstFile_ = false;
    pendingFile_.clear();
    // Chosen again while selected: its tables are listed again all the same.
    const bool alreadyChosen = !listedFile_.isEmpty() && files_->filePath(chosen) == listedFile_;
    flstInput_->setCurrentIndex(chosen);
    flstInput_->scrollTo(chosen);
    if (alreadyChosen)
        onFileChosen();
}

QString MainWindow::selectedFile() const
{
    for (const QModelIndex& index : flstInput_->selectionModel()->selectedIndexes())
        if (index.column() == 0)
            return files_->filePath(index);
    return {};
}

void MainWindow::onFileChosen()
{
    const QString path = selectedFile();
    listedFile_ = path;
    if (path.isEmpty()) {
        // No file chosen any more: no tables of a file that is not shown.
        lstTableName_->clear();
        statusBar()->clearMessage();
        logic_.fileListLostFocus();
        return;
    }
    logic_.fileChosen(utf8(path));
    showTables();
    if (pendingTables_ && pendingTables_->database != path)
        pendingTables_.reset();  // another file was chosen meanwhile
    selectPendingTables();
}

void MainWindow::showTables()
{
    lstTableName_->clear();
    QStringList names;
    names.reserve(static_cast<int>(logic_.tables().size()));
    for (const std::string& name : logic_.tables())
        names << qt(name);
    lstTableName_->addItems(names);
    if (logic_.listProblem().empty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(qt(logic_.listProblem()));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == flstInput_)
            logic_.fileListLostFocus();
        else if (watched == lstTableName_)
            logic_.tableListSettled(static_cast<int>(lstTableName_->selectedItems().size()));
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The window ends with the program, but never in the middle of a run.
    if (running_) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::rebuildDefaultData()
{
    const QString question = QString("変換テーブル (デフォルト宣言・接頭名称・接尾名称・名称) を初期データで作り直します。\n"
                                     "編集した変換テーブルの内容は初期データに置き換わります。\n"
                                     "今の作業用データベースは %1.bak としてバックアップに残ります (直近 3 回分まで)。\n\n"
                                     "作り直しますか?")
                                 .arg(QFileInfo(qt(logic_.settings().WorkStorePath)).fileName());
    if (!askQuestion(this, kApplicationTitle, question, "作り直す", "キャンセル"))
        return;
    if (auto failure = logic_.rebuildDefaultData())
        showMessage(this, kApplicationTitle, qt(*failure));
    syncState();
}

void MainWindow::showVersion() { showMessage(this, kApplicationTitle, kVersionMessage); }

// The manual in the user's browser; where none takes it, in a window of
// the program's own.
void MainWindow::showHelp()
{
    const QString path = manualPath();
    if (path.isEmpty()) {
        showMessage(this, kApplicationTitle, "マニュアルが見つかりません: manual.html");
        return;
    }
    if (openUrl_(QUrl::fromLocalFile(path)))
        return;
    if (!manual_)
        manual_ = new ManualWindow(path, this);
    manual_->show();
    manual_->raise();
    manual_->activateWindow();
}

ManualWindow* MainWindow::manualWindow() const { return manual_.data(); }

template <typename Dialog, typename... Args>
void MainWindow::openStoreWindow(Args&&... args)
{
    if (auto problem = logic_.storeMessage()) {
        showMessage(this, kApplicationTitle, qt(*problem));
        return;
    }
    Dialog dialog(std::forward<Args>(args)..., this);
    dialog.exec();
}

void MainWindow::openOptions()
{
    OptionDialog dialog(logic_.settings(), logic_.documents(), this);
    dialog.exec();
}

}  // namespace schemist::ui
