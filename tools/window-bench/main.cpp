// eboard-window-bench: opens one calibration window or dialog alone, as the workflow
// would, for screenshots, the gallery and manual checks.
#include "BenchWindow.h"
#include "app/DisplayCheck.h"
#include "core/calibration/CalibrationData.h"
#include "core/notify/Names.h"
#include "core/notify/NotificationCenter.h"
#include "core/state/JUXPrompt.h"
#include "ui/AppResources.h"
#include "ui/common/BoardScreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <iostream>

namespace {

using namespace eboard;

constexpr char kUsage[] =
    "usage: eboard-window-bench CLASS [--language en|zh|ja|fr|de] [--error-type AREA EDGE "
    "EDGEMAX] [--abort-type N] [--hint-code N] [--yes NAME] [--no NAME] [--failure TEXT] "
    "[--light-point X Y] "
    "[--screenshot FILE] [--print-posts]";

struct Options {
    QString className;
    QString language = QStringLiteral("en");
    bench::HandOver handOver;
    std::optional<std::int32_t> hintCode;
    std::optional<PointD> lightPoint;
    QString screenshot;
    bool printPosts = false;
};

[[noreturn]] void fail(const std::string& message) {
    std::cerr << "eboard-window-bench: " << message << '\n';
    std::exit(2);
}

class Arguments {
public:
    explicit Arguments(QStringList list)
        : list_(std::move(list)) {}
    bool done() const { return next_ >= list_.size(); }
    QString take() { return list_.at(next_++); }
    QString value(const QString& option) {
        if (done()) {
            fail("option " + option.toStdString() + " needs a value");
        }
        return take();
    }
    std::int32_t number(const QString& option) {
        const QString text = value(option);
        bool ok = false;
        const int n = text.toInt(&ok);
        if (!ok) {
            fail("option " + option.toStdString() + " takes a whole number, not '" +
                 text.toStdString() + "'");
        }
        return n;
    }
    double real(const QString& option) {
        const QString text = value(option);
        bool ok = false;
        const double n = text.toDouble(&ok);
        if (!ok) {
            fail("option " + option.toStdString() + " takes a number, not '" + text.toStdString() +
                 "'");
        }
        return n;
    }

private:
    QStringList list_;
    qsizetype next_ = 1;
};

Options parse(const QStringList& arguments) {
    Options options;
    Arguments args(arguments);
    while (!args.done()) {
        const QString a = args.take();
        if (a == "--language") {
            options.language = args.value(a);
            static const QStringList kLanguages{"en", "zh", "ja", "fr", "de"};
            if (!kLanguages.contains(options.language)) {
                fail("unknown language '" + options.language.toStdString() +
                     "' (en, zh, ja, fr or de)");
            }
        } else if (a == "--error-type") {
            const std::int32_t area = args.number(a);
            const std::int32_t edge = args.number(a);
            const std::int32_t edgeMax = args.number(a);
            options.handOver.errorType = std::array<std::int32_t, 3>{area, edge, edgeMax};
        } else if (a == "--abort-type") {
            options.handOver.abortType = args.number(a);
        } else if (a == "--hint-code") {
            options.hintCode = args.number(a);
        } else if (a == "--yes") {
            options.handOver.yes = args.value(a);
        } else if (a == "--no") {
            options.handOver.no = args.value(a);
        } else if (a == "--failure") {
            options.handOver.failure = args.value(a);
        } else if (a == "--light-point") {
            const double x = args.real(a);
            const double y = args.real(a);
            options.lightPoint = PointD{x, y};
        } else if (a == "--screenshot") {
            options.screenshot = args.value(a);
        } else if (a == "--print-posts") {
            options.printPosts = true;
        } else if (a == "--help" || a == "-h") {
            std::cout << kUsage << '\n';
            std::exit(0);
        } else if (a.startsWith("-")) {
            fail("unknown option '" + a.toStdString() + "'");
        } else if (options.className.isEmpty()) {
            options.className = a;
        } else {
            fail("one class only, got '" + options.className.toStdString() + "' and '" +
                 a.toStdString() + "'");
        }
    }
    if (options.className.isEmpty()) {
        fail(std::string("no window class given; ") + kUsage);
    }
    return options;
}

const bench::WindowClass& findClass(const QString& name) {
    std::string known;
    for (const bench::WindowClass& c : bench::windowClasses()) {
        if (QString::fromStdString(c.name) == name) {
            return c;
        }
        known += (known.empty() ? "" : ", ") + c.name;
    }
    fail("unknown class '" + name.toStdString() + "' (known: " + known + ")");
}

// Counts every paint in the process, so a screenshot waits until the window and all of
// its views have drawn what they were given.
class PaintWatch : public QObject {
public:
    QElapsedTimer sinceLastPaint;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
            sinceLastPaint.restart();
        }
        return QObject::eventFilter(watched, event);
    }
};

// Quits when the watched window is hidden (closed by a key or by its own button).
class CloseWatch : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char** argv) {
    if (const auto problem = displayProblem(chosenPlatform(std::nullopt), std::nullopt)) {
        fail(*problem);
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const Options options = parse(QApplication::arguments());
    const bench::WindowClass& windowClass = findClass(options.className);

    if (boardScreen() == nullptr) {
        fail("no screen to show a window on");
    }
    installTranslations(app, QLocale(options.language));
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setlocale(agentLanguage(QLocale(options.language)).toStdString());
    takeBoardScreenSize();
    initCalibrateData();
    if (options.hintCode) {
        prompt.setItoScreenErrorType(*options.hintCode);
    }

    NotificationCenter& center = NotificationCenter::defaultCenter();
    if (options.printPosts) {
        center.setPostTap([&](std::string_view name) {
            std::fwrite(name.data(), 1, name.size(), stdout);
            std::fputc('\n', stdout);
            std::fflush(stdout);
            const QString posted = QString::fromUtf8(name.data(), qsizetype(name.size()));
            if (posted == options.handOver.yes || posted == options.handOver.no) {
                QTimer::singleShot(0, &app, &QCoreApplication::quit);
            }
        });
    }

    PaintWatch paintWatch;
    app.installEventFilter(&paintWatch);

    std::unique_ptr<bench::BenchWindow> bench = windowClass.create();
    bench->showWindow();
    bench->handOver(options.handOver);
    if (options.lightPoint) {
        prompt.setLightPointRaw(*options.lightPoint);
        center.postNotification(names::kUpdatePreView);
    }

    CloseWatch closeWatch;
    if (QWidget* window = bench->window()) {
        window->installEventFilter(&closeWatch);
    }

    int status = 0;
    QTimer screenshotTimer;
    QElapsedTimer waiting;
    waiting.start();
    if (!options.screenshot.isEmpty()) {
        QObject::connect(&screenshotTimer, &QTimer::timeout, [&] {
            constexpr qint64 kQuietMs = 300;
            if (paintWatch.paints > 0 && paintWatch.sinceLastPaint.elapsed() >= kQuietMs) {
                const QPixmap shot = boardScreen()->grabWindow(0);
                if (shot.isNull() || !shot.save(options.screenshot, "PNG")) {
                    std::cerr << "eboard-window-bench: cannot write the screenshot to '"
                              << options.screenshot.toStdString() << "'\n";
                    status = 1;
                }
                app.quit();
            } else if (waiting.elapsed() > 15000) {
                std::cerr << "eboard-window-bench: the window did not paint within 15 s\n";
                status = 1;
                app.quit();
            }
        });
        screenshotTimer.start(50);
    }

    const int loop = app.exec();
    center.setPostTap({});
    return status != 0 ? status : loop;
}
