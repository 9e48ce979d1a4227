// Runs toolkit-demo on the X display, takes a screenshot of the root window and
// checks the popover bubble's pixels: its outline, its fill, its content and the
// arrow whose tip touches the button.
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Geometry {
    QRect popover;
    QPoint anchor;
};

bool parseGeometry(const QString& line, Geometry& out) {
    const QStringList f = line.split(u' ', Qt::SkipEmptyParts);
    if (f.size() != 8 || f[0] != QLatin1String("popover") || f[5] != QLatin1String("anchor")) {
        return false;
    }
    out.popover = QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt());
    out.anchor = QPoint(f[6].toInt(), f[7].toInt());
    return true;
}

bool white(QColor c) {
    return c.red() > 200 && c.green() > 200 && c.blue() > 200;
}
bool dark(QColor c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}
bool orange(QColor c) {
    return c.red() > 200 && c.green() > 100 && c.green() < 180 && c.blue() < 80;
}

TEST(ToolkitDemoScreenshot, PopoverBubblePixels) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    }
    const QString importTool = QStandardPaths::findExecutable(QStringLiteral("import"));
    ASSERT_FALSE(importTool.isEmpty()) << "imagemagick's import is missing";

    QProcess demo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    demo.setProcessEnvironment(env);
    demo.start(QStringLiteral(EBOARD_BIN_DIR "/toolkit-demo"),
               {QStringLiteral("--present-popover"), QStringLiteral("--quit-after"),
                QStringLiteral("20000")});
    ASSERT_TRUE(demo.waitForStarted(5000));

    QString output;
    while (!output.contains(QLatin1String("ready")) && demo.waitForReadyRead(10000)) {
        output += QString::fromUtf8(demo.readAllStandardOutput());
    }
    ASSERT_TRUE(output.contains(QLatin1String("ready"))) << output.toStdString();
    Geometry g;
    ASSERT_TRUE(parseGeometry(output.section(u'\n', 0, 0), g)) << output.toStdString();

    QTemporaryDir dir;
    const QString shotPath = dir.filePath(QStringLiteral("shot.png"));
    QProcess::execute(importTool, {QStringLiteral("-window"), QStringLiteral("root"), shotPath});
    demo.terminate();
    demo.waitForFinished(5000);

    const QImage shot(shotPath);
    ASSERT_FALSE(shot.isNull());
    const QRect p = g.popover;
    ASSERT_TRUE(shot.rect().contains(p));
    // Content 180 by 70, margin 5, arrow 10.
    EXPECT_EQ(p.size(), QSize(190, 90));
    // The arrow's tip touches the middle of the button's top edge.
    EXPECT_EQ(p.x() + p.width() / 2, g.anchor.x());
    EXPECT_EQ(p.y() + p.height(), g.anchor.y());

    const int mx = p.x() + p.width() / 2;
    const auto at = [&](int x, int y) { return shot.pixelColor(x, y); };
    // Outline: two pixels of white just inside the top and left edges.
    EXPECT_TRUE(white(at(mx, p.y() + 2))) << "top outline";
    EXPECT_TRUE(white(at(p.x() + 2, p.y() + 40))) << "left outline";
    // Fill between outline and content.
    EXPECT_TRUE(dark(at(mx, p.y() + 4))) << "fill under the top outline";
    EXPECT_TRUE(dark(at(p.x() + 4, p.y() + 40))) << "fill beside the left outline";
    // Content widget.
    EXPECT_TRUE(orange(at(p.x() + 8, p.y() + 10))) << "content";
    // The bottom outline runs beside the arrow but is open under its base.
    const int bottomBand = p.y() + p.height() - 12;
    EXPECT_TRUE(white(at(mx + 20, bottomBand))) << "bottom outline";
    EXPECT_TRUE(dark(at(mx, bottomBand))) << "open arrow base";
    // Near the tip the arrow is all outline.
    EXPECT_TRUE(white(at(mx, p.y() + p.height() - 4))) << "arrow tip";
    const QColor beside = at(mx - 8, p.y() + p.height() - 4);
    EXPECT_FALSE(beside == QColor(255, 255, 255)) << "beside the tip is not bubble";
}

} // namespace
