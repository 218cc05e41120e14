// Time from choosing a database in the main window's file list to the filled
// table list, for a large database (default: the 400-table fixture).
//   build/src/bench_list_tables [FILE.mdb] [REPEATS]
#include "run/run_driver.h"
#include "model/run_settings.h"
#include "run/startup.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QListView>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace schemist;

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString file = QFileInfo(argc > 1 ? argv[1] : SCHEMIST_SOURCE_DIR "/../shared/fixtures/big.mdb")
                             .absoluteFilePath();
    const int repeats = argc > 2 ? std::atoi(argv[2]) : 7;
    if (!QFileInfo::exists(file)) {
        std::fprintf(stderr, "ファイルがありません: %s\n", qPrintable(file));
        return 2;
    }
    QTemporaryDir home;
    qputenv("XDG_DOCUMENTS_DIR", home.path().toUtf8());
    StartupState state = Startup(processEnvironment());
    ui::MainWindow window(state.settings, state.storeProblem);
    window.show();
    window.openDatabase(file);
    auto* files = window.findChild<QListView*>("flstInput");
    auto* tables = window.findChild<QListWidget*>("lstTableName");
    if (!QTest::qWaitFor([&] { return window.listedFile() == file; }, 10000)) {
        std::fprintf(stderr, "ファイル一覧に %s が現れません\n", qPrintable(file));
        return 2;
    }
    const QModelIndex target = files->currentIndex();
    files->scrollTo(target);
    const QPoint where = files->visualRect(target).center();
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        files->clearSelection();
        files->setCurrentIndex({});
        tables->clear();
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, where);
        const double ms = timer.nsecsElapsed() / 1e6;
        times.push_back(ms);
        if (i == 0)
            std::printf("%s: %d テーブル\n", qPrintable(QFileInfo(file).fileName()), tables->count());
        app.processEvents();
    }
    std::sort(times.begin(), times.end());
    std::printf("クリックから一覧表示まで: 最小 %.1f ms, 中央値 %.1f ms, 最大 %.1f ms (%d 回)\n", times.front(),
                times[times.size() / 2], times.back(), repeats);

    RunSettings settings = RunSettings::startValues();
    RunDriver driver(settings);
    QElapsedTimer timer;
    timer.start();
    driver.listTables(file.toStdString());
    std::printf("うち読み取り (RunDriver::listTables): %.1f ms\n", timer.nsecsElapsed() / 1e6);
    return 0;
}
