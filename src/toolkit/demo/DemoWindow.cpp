#include "DemoWindow.h"

#include "DemoPicture.h"

#include <QLabel>
#include <QPainter>
#include <TamsuToolKit/Hex.h>
#include <TamsuToolKit/TKImageView.h>
#include <TamsuToolKit/TKView.h>

using namespace TamsuToolKit;

namespace {

QLabel* caption(const QString& text, const QRect& frame, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(frame);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QWidget* makePopoverContent() {
    auto* content = new TKView(QRect(0, 0, 180, 70));
    content->setBackgroundColor(Hex::colorWithHexColorString(QStringLiteral("#F08A24")));
    auto* text = new QLabel(QStringLiteral("Hello from the popover"), content);
    text->setGeometry(content->rect());
    text->setAlignment(Qt::AlignCenter);
    return content;
}

} // namespace

DemoWindow::DemoWindow() {
    setWindowTitle(QStringLiteral("TamsuToolKit demo"));
    setCanBecomeKeyWindow(true);
    setCanBecomeMainWindow(true);
    setFixedSize(720, 440);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Hex::colorWithHexColorString(QStringLiteral("#23364A")));
    setPalette(palette);

    buildViews();
    buildImageViews();
    buildButtons();
    popover_ = std::make_unique<TKPopoverController>(makePopoverContent());
}

void DemoWindow::buildViews() {
    auto* plain = new TKView(QRect(20, 20, 200, 100), this);
    plain->setBackgroundColor(Hex::colorWithHexColorString(QStringLiteral("5B8DEF")));
    plain->setBorderColor(Qt::white);
    plain->setBorderWidth(4);
    plain->setCornerRadius(12);
    caption(QStringLiteral("background and border"), QRect(20, 122, 200, 20), this);

    auto* drawn = new TKView(QRect(260, 20, 200, 100), this);
    drawn->setDrawingBlock([](TKView* view, const QRect&) {
        QPainter painter(view);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillRect(view->rect(), QColor(0x2b, 0x2b, 0x2b));
        painter.setBrush(QColor(0xe0, 0x4f, 0x5f));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(view->rect().center(), 40, 40);
    });
    caption(QStringLiteral("drawing block"), QRect(260, 122, 200, 20), this);

    auto* disabled = new TKView(QRect(500, 20, 200, 100), this);
    disabled->setBackgroundColor(QColor(0x4c, 0xaf, 0x50));
    disabled->setEventHandleBlock([disabled](QEvent* event, bool& handled) {
        if (event->type() == QEvent::MouseButtonPress) {
            disabled->setBackgroundColor(disabled->backgroundColor() == QColor(0x4c, 0xaf, 0x50)
                                             ? QColor(0x9c, 0x27, 0xb0)
                                             : QColor(0x4c, 0xaf, 0x50));
            disabled->update();
            handled = true;
        }
    });
    disabled->addSubview(caption(QStringLiteral("click me"), QRect(0, 40, 200, 20), nullptr));
    disabled->setEnabled(false);
    caption(QStringLiteral("disabled (masked)"), QRect(500, 122, 200, 20), this);
}

void DemoWindow::buildImageViews() {
    const QImage picture = makeDemoPicture();
    const QString names[] = {QStringLiteral("mode 0: fit"), QStringLiteral("mode 1: none"),
                             QStringLiteral("mode 2: stretch")};
    for (int mode = 0; mode < 3; ++mode) {
        const QRect frame(20 + mode * 240, 160, 200, 140);
        auto* imageView = new TKImageView(frame, this);
        imageView->setBackgroundColor(QColor(0x10, 0x1a, 0x24));
        imageView->setResizeMode(mode);
        imageView->setImage(picture);
        caption(names[mode], QRect(frame.x(), frame.bottom() + 2, 200, 20), this);
    }
}

void DemoWindow::buildButtons() {
    popoverButton_ = new TKButton(QRect(260, 380, 200, 36), this);
    popoverButton_->setText(QStringLiteral("Show popover"));
    connect(popoverButton_, &QPushButton::clicked, this, &DemoWindow::togglePopover);

    auto* select = new TKButton(QRect(20, 380, 200, 36), this);
    select->setNormalTitle(QStringLiteral("Select me"));
    select->setSelectedTitle(QStringLiteral("Selected"));
    select->setText(select->normalTitle());
    connect(select, &QPushButton::clicked, select,
            [select] { select->setSelected(!select->selected()); });
}

void DemoWindow::togglePopover() {
    if (popoverShown_) {
        popover_->dismissPopoverAnimated(true);
        popoverShown_ = false;
        return;
    }
    presentPopover(true);
}

void DemoWindow::presentPopover(bool animated) {
    popover_->presentPopoverFromButton(popoverButton_, TKPopoverController::ArrowDirectionUp,
                                       animated);
    popoverShown_ = true;
}

QString DemoWindow::popoverGeometryLine() const {
    const QRect frame = popover_->window()->geometry();
    const QPoint anchor = popoverButton_->mapToGlobal(QPoint(popoverButton_->width() / 2, 0));
    return QStringLiteral("popover %1 %2 %3 %4 anchor %5 %6")
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height())
        .arg(anchor.x())
        .arg(anchor.y());
}
