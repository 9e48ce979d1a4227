#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <TamsuToolKit/TKView.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using TamsuToolKit::TKView;

namespace {

// Records when QWidget's own handlers (the inherited ones) run.
class RecordingView : public TKView {
public:
    using TKView::TKView;
    std::vector<std::string>* log = nullptr;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        log->push_back("inherited mouse");
        TKView::mousePressEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        log->push_back("inherited key");
        TKView::keyPressEvent(event);
    }
};

void pressMouse(QWidget* widget, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

void pressKey(QWidget* widget) {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(widget, &key);
}

struct EventCase {
    const char* name;
    bool hasBlock;
    bool handles;
    std::vector<std::string> expected;
};

TEST(ToolkitTKView, EventBlockAndHandledFlagTable) {
    const EventCase cases[] = {
        {"handled stops the inherited handler", true, true, {"block mouse", "block key"}},
        {"unhandled lets it run after the block",
         true,
         false,
         {"block mouse", "inherited mouse", "block key", "inherited key"}},
        {"no block: inherited only", false, false, {"inherited mouse", "inherited key"}},
    };
    for (const EventCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> log;
        RecordingView view(QRect(0, 0, 100, 50));
        view.log = &log;
        if (c.hasBlock) {
            view.setEventHandleBlock([&log, handles = c.handles](QEvent* event, bool& handled) {
                if (event->type() == QEvent::MouseButtonPress) {
                    log.push_back("block mouse");
                } else if (event->type() == QEvent::KeyPress) {
                    log.push_back("block key");
                }
                handled = handles;
            });
        }
        pressMouse(&view, {10, 10});
        pressKey(&view);
        EXPECT_EQ(log, c.expected);
    }
}

std::weak_ptr<int> gEventCaptureWatch;
bool gEventCaptureAliveAfterReplace = false;

TEST(ToolkitTKView, EventBlockMayReplaceItself) {
    TKView view(QRect(0, 0, 100, 50));
    auto capture = std::make_shared<int>(0);
    gEventCaptureWatch = capture;
    int replacementCalls = 0;
    view.setEventHandleBlock([capture, &view, &replacementCalls](QEvent*, bool& handled) {
        view.setEventHandleBlock([&replacementCalls](QEvent*, bool& h) {
            ++replacementCalls;
            h = true;
        });
        gEventCaptureAliveAfterReplace = !gEventCaptureWatch.expired();
        handled = true;
    });
    capture.reset();
    pressMouse(&view, {10, 10});
    EXPECT_TRUE(gEventCaptureAliveAfterReplace) << "the running block was destroyed under itself";
    EXPECT_TRUE(gEventCaptureWatch.expired());
    pressMouse(&view, {10, 10});
    EXPECT_GE(replacementCalls, 1);
}

TEST(ToolkitTKView, DisablingTwiceCreatesOneMask) {
    TKView view(QRect(0, 0, 100, 50));
    view.show();
    EXPECT_FALSE(view.enabled());
    EXPECT_EQ(view.disableMaskView(), nullptr);
    view.setEnabled(false);
    view.setEnabled(false);
    EXPECT_EQ(view.findChildren<TKView*>(Qt::FindDirectChildrenOnly).size(), 1);
    TKView* mask = view.disableMaskView();
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->geometry(), view.rect());
    EXPECT_EQ(mask->backgroundColor(), QColor::fromRgbF(0.0f, 0.0f, 0.0f, 0.5f));
    view.resize(300, 200);
    EXPECT_EQ(mask->geometry(), QRect(0, 0, 300, 200)) << "the mask follows the view's size";
    view.setEnabled(true);
    EXPECT_TRUE(view.enabled());
    EXPECT_EQ(view.disableMaskView(), nullptr);
    EXPECT_TRUE(view.findChildren<TKView*>(Qt::FindDirectChildrenOnly).isEmpty());
}

TEST(ToolkitTKView, MaskStaysOnTopOfLaterSubviews) {
    TKView view(QRect(0, 0, 100, 50));
    view.show();
    view.setEnabled(false);
    auto* added = new QLabel(QStringLiteral("added"));
    view.addSubview(added);
    added->setGeometry(view.rect());
    auto* created = new QLabel(QStringLiteral("created"), &view);
    created->setGeometry(view.rect());
    created->show();
    EXPECT_EQ(added->parentWidget(), &view);
    EXPECT_EQ(view.childAt(50, 25), view.disableMaskView());
    view.setEnabled(true);
    EXPECT_EQ(view.childAt(50, 25), created);
}

TEST(ToolkitTKView, MaskSwallowsEvents) {
    TKView view(QRect(0, 0, 100, 50));
    view.show();
    int seen = 0;
    view.setEventHandleBlock(
        [&](QEvent* event, bool&) { seen += event->type() == QEvent::MouseButtonPress ? 1 : 0; });
    view.setEnabled(false);
    pressMouse(view.disableMaskView(), {10, 10});
    EXPECT_EQ(seen, 0);
    view.setEnabled(true);
    pressMouse(&view, {10, 10});
    EXPECT_EQ(seen, 1);
}

QImage render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

TEST(ToolkitTKView, BorderRectangle) {
    EXPECT_EQ(TKView::borderRectForBounds({0, 0, 100, 50}, 4), QRectF(2, 2, 96, 46));
    TKView view(QRect(0, 0, 100, 50));
    view.setBackgroundColor(QColor(0, 0, 255));
    view.setBorderColor(QColor(255, 0, 0));
    view.setBorderWidth(4);
    const QImage image = render(view);
    EXPECT_EQ(image.pixelColor(1, 25), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(50, 2), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(5, 25), QColor(0, 0, 255));
    view.setBorderWidth(0);
    EXPECT_EQ(render(view).pixelColor(1, 25), QColor(0, 0, 255)) << "width 0 draws no border";
}

TEST(ToolkitTKView, DrawingBlockReplacesDrawing) {
    TKView view(QRect(0, 0, 60, 40));
    view.setBackgroundColor(QColor(0, 0, 255));
    QRect dirty;
    TKView* drawnView = nullptr;
    view.setDrawingBlock([&](TKView* v, const QRect& rect) {
        drawnView = v;
        dirty = rect;
        QPainter(v).fillRect(v->rect(), QColor(0, 255, 0));
    });
    const QImage image = render(view);
    EXPECT_EQ(drawnView, &view);
    EXPECT_EQ(dirty, QRect(0, 0, 60, 40));
    EXPECT_EQ(image.pixelColor(30, 20), QColor(0, 255, 0));
}

TEST(ToolkitTKView, TearDownBlockRunsOnceAtDestruction) {
    int calls = 0;
    {
        TKView view;
        view.setDeallocCallbackBlock([&] { ++calls; });
        EXPECT_EQ(calls, 0);
    }
    EXPECT_EQ(calls, 1);
}

TEST(ToolkitTKView, ResponderAnswersDriveFocus) {
    TKView view;
    EXPECT_FALSE(view.acceptsFirstResponder());
    EXPECT_EQ(view.focusPolicy(), Qt::NoFocus);
    view.setAcceptsFirstResponder(true);
    EXPECT_EQ(view.focusPolicy(), Qt::NoFocus) << "becoming is still refused";
    view.setBecomeFirstResponder(true);
    EXPECT_EQ(view.focusPolicy(), Qt::StrongFocus);
    view.setTag(42);
    EXPECT_EQ(view.tag(), 42);
}

} // namespace
