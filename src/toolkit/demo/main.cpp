// toolkit-demo [--present-popover] [--quit-after <ms>]
//  --present-popover  show the popover at once, without fading, and print its
//                     geometry line followed by "ready" on standard output.
#include "DemoWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption present(QStringLiteral("present-popover"),
                                     QStringLiteral("Show the popover at start."));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
                                       QStringLiteral("Quit after <ms> milliseconds."),
                                       QStringLiteral("ms"));
    parser.addOption(present);
    parser.addOption(quitAfter);
    parser.process(app);

    DemoWindow window;
    window.move(100, 100);
    window.show();

    if (parser.isSet(present)) {
        QTimer::singleShot(300, &window, [&window] {
            window.presentPopover(false);
            QTimer::singleShot(300, &window, [&window] {
                QTextStream out(stdout);
                out << window.popoverGeometryLine() << '\n' << "ready" << Qt::endl;
            });
        });
    }
    if (parser.isSet(quitAfter)) {
        QTimer::singleShot(parser.value(quitAfter).toInt(), &app, &QCoreApplication::quit);
    }
    return QApplication::exec();
}
