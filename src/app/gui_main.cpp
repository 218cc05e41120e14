// schemist: the desktop program. Start-up as for the command line, then the
// splash window and, 1.5 seconds later, the main window. `schemist FILE`
// opens with that database chosen.
#include "platform/paths.h"
#include "run/startup.h"
#include "ui/main_window.h"
#include "ui/message_box.h"
#include "ui/splash_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QTimer>

#include <memory>

using namespace schemist;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("schemist");
    QApplication::setApplicationVersion("1.02");
    QApplication::setFont(QFont("IPAPGothic", 10));

    QCommandLineParser parser;
    parser.setApplicationDescription(kApplicationTitle);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("FILE", "開くデータベース (.mdb / .accdb)", "[FILE]");
    parser.process(app);
    const QStringList files = parser.positionalArguments();

    StartupState state = Startup(processEnvironment());
    std::unique_ptr<ui::MainWindow> main;
    auto openMain = [&] {
        main = std::make_unique<ui::MainWindow>(state.settings, state.storeProblem);
        main->show();
        if (!files.isEmpty())
            main->openDatabase(files.first());
        if (state.storeProblem)
            QTimer::singleShot(0, main.get(), [&] {
                ui::showMessage(main.get(), kApplicationTitle, ui::qt(*state.storeProblem));
            });
    };
    auto* splash = new ui::SplashWindow(openMain);
    splash->show();
    return app.exec();
}
