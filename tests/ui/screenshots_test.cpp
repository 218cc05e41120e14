// Renders every window to PNG for the manual. Runs only when
// SCHEMIST_SCREENSHOT_DIR names the folder to write to:
//   SCHEMIST_SCREENSHOT_DIR=docs/images build/tests/test_ui --gtest_filter='Screenshots.*'
#include "ui/main_window.h"
#include "ui/name_editor.h"
#include "ui/option_dialog.h"
#include "ui/splash_window.h"
#include "ui/type_editor.h"

#include "ui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace schemist::test {
namespace {

using namespace schemist::ui;

QString screenshotDir() { return qEnvironmentVariable("SCHEMIST_SCREENSHOT_DIR"); }

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

    MainWindow main(settings, std::nullopt);
    main.resize(1000, 660);
    main.openDatabase(QString::fromStdString(dataFile("sample.mdb")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main.selectedFile().isEmpty(); }, 5000));
    main.chooseOutputFolder(QDir::homePath());
    auto* tables = main.findChild<QListWidget*>("lstTableName");
    if (tables->count() > 0)
        tables->item(0)->setSelected(true);
    save(main, "main_window");

    OptionDialog options(settings);
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
