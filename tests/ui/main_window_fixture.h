// The main window's test fixture: a fresh work store, scratch input and
// output folders, message boxes recorded, the desktop's opener replaced, and
// the user's ways of choosing files, tables, folders and names.
#pragma once

#include "ui/main_window.h"

#include "run/run_driver.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace schemist::test {

using namespace schemist::ui;

inline QStringList listed(QListWidget* list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

inline QStringList tablesOf(const std::string& path)
{
    RunSettings s = RunSettings::startValues();
    QStringList names;
    for (const std::string& name : RunDriver(s).listTables(path))
        names << QString::fromStdString(name);
    return names;
}

class MainWindowTest : public testing::Test {
protected:
    FreshStore store;
    RunSettings settings = [this] {
        RunSettings s = RunSettings::startValues();
        s.WorkStorePath = store.path();
        return s;
    }();
    MessageRecorder messages;
    ScratchDir input;
    ScratchDir output;
    std::vector<QUrl> opened;

    // A window shown and active, with `input` as its input folder, whose
    // first file is listed.
    std::unique_ptr<MainWindow> openWindow()
    {
        auto w = std::make_unique<MainWindow>(settings, std::nullopt);
        w->setUrlOpener([this](const QUrl& url) {
            opened.push_back(url);
            return true;
        });
        w->show();
        QApplication::setActiveWindow(w.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        w->chooseInputFolder(QString::fromStdString(input.path()));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !w->listedFile().isEmpty(); }, 5000));
        return w;
    }

    QString inputFile(const char* name) { return QString::fromStdString(input.file(name)); }

    void chooseFile(MainWindow& w, const char* name)
    {
        auto* files = child<QListView>(w, "flstInput");
        ASSERT_TRUE(QTest::qWaitFor([&] { return itemNamed(files, name, files->rootIndex()).isValid(); }, 5000));
        clickItem(files, itemNamed(files, name, files->rootIndex()));
    }

    void chooseTable(MainWindow& w, const char* name)
    {
        auto* tables = child<QListWidget>(w, "lstTableName");
        clickItem(tables, itemNamed(tables, name));
    }

    // The output folder clicked in the folder tree below its parent.
    void chooseOutputFolderByMouse(MainWindow& w)
    {
        const std::filesystem::path out(output.path());
        w.chooseOutputFolder(QString::fromStdString(out.parent_path().string()));
        auto* tree = child<QTreeView>(w, "dirOutput");
        const QString name = QString::fromStdString(out.filename().string());
        ASSERT_TRUE(QTest::qWaitFor([&] { return itemNamed(tree, name, tree->currentIndex()).isValid(); }, 5000));
        clickItem(tree, itemNamed(tree, name, tree->currentIndex()));
        ASSERT_EQ(w.outputFolder(), QString::fromStdString(output.path()));
    }

    void typeOutputName(MainWindow& w, const QString& name)
    {
        auto* box = child<QLineEdit>(w, "txtFileName");
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, name);
        ASSERT_EQ(box->text(), name);
    }
};

}  // namespace schemist::test
