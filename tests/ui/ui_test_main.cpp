// Test program of the windows: every window runs on the offscreen platform,
// and HOME and the documents folder point into a scratch folder so that no
// test touches the user's own work store.
#include <QApplication>
#include <QFont>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_DOCUMENTS_DIR", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    QApplication app(argc, argv);
    QApplication::setFont(QFont("IPAPGothic", 10));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
