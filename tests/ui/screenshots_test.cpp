// Renders every window to PNG for the manual. Runs only when
// SCHEMIST_SCREENSHOT_DIR names the folder to write to; scripts/screenshots.sh
// runs it with a neutral home folder (SCHEMIST_SCREENSHOT_HOME), so that the
// pictures show the folders a user would see rather than those of the build.
#include "ui/main_window.h"
#include "ui/name_editor.h"
#include "ui/option_dialog.h"
#include "ui/splash_window.h"
#include "ui/type_editor.h"

#include "ui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace schemist::test {
namespace {

using namespace schemist::ui;

QString screenshotDir() { return qEnvironmentVariable("SCHEMIST_SCREENSHOT_DIR"); }

// The documents folder the main window shows, with the sample database in it.
QString documentsWithSample()
{
    QString home = qEnvironmentVariable("SCHEMIST_SCREENSHOT_HOME");
    if (home.isEmpty())
        return QFileInfo(QString::fromStdString(dataFile("sample.mdb"))).absolutePath();
    const QString documents = home + "/Documents";
    QDir().mkpath(documents + "/出力");
    QFile::copy(QString::fromStdString(dataFile("sample.mdb")), documents + "/販売管理.mdb");
    QFile::copy(QString::fromStdString(dataFile("edge_flags.mdb")), documents + "/社員管理.mdb");
    return documents;
}

void save(QWidget& window, const QString& name)
{
    window.show();
    QApplication::setActiveWindow(&window);
    QTest::qWaitForWindowExposed(&window);
    QTest::qWait(50);
    const QString path = QDir(screenshotDir()).filePath(name + ".png");
    EXPECT_TRUE(window.grab().save(path)) << path.toStdString();
}

TEST(Screenshots, EveryWindow)
{
    if (screenshotDir().isEmpty())
        GTEST_SKIP() << "SCHEMIST_SCREENSHOT_DIR is not set";
    QDir().mkpath(screenshotDir());
    FreshStore store;
    RunSettings settings = RunSettings::startValues();
    settings.WorkStorePath = store.path();

    SplashWindow splash({});
    splash.timer()->stop();
    save(splash, "splash");

    const QString documents = documentsWithSample();
    const QString sample = QDir(documents).exists("販売管理.mdb") ? documents + "/販売管理.mdb"
                                                                   : QString::fromStdString(dataFile("sample.mdb"));
    MainWindow main(settings, std::nullopt);
    main.resize(1000, 660);
    main.openDatabase(sample);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main.listedFile().isEmpty(); }, 5000));
    main.chooseOutputFolder(QDir(documents).exists("出力") ? documents + "/出力" : documents);
    auto* tables = main.findChild<QListWidget*>("lstTableName");
    main.show();
    QTest::qWaitForWindowExposed(&main);
    if (tables->count() > 0)  // clicked, so that Start is shown as usable
        QTest::mouseClick(tables->viewport(), Qt::LeftButton, {}, tables->visualItemRect(tables->item(0)).center());
    save(main, "main_window");

    DocumentChoice documentChoice;
    OptionDialog options(settings, documentChoice);
    save(options, "options");

    TypeEditor types(store.path());
    types.resize(types.width(), 560);
    save(types, "type_editor");

    const std::pair<NameTableKind, const char*> names[] = {
        {NameTableKind::Top, "top_name_editor"}, {NameTableKind::End, "end_name_editor"},
        {NameTableKind::Full, "full_name_editor"}};
    for (auto [kind, file] : names) {
        NameEditor editor(store.path(), kind);
        editor.resize(editor.width(), 460);
        save(editor, file);
    }
}

}  // namespace
}  // namespace schemist::test
