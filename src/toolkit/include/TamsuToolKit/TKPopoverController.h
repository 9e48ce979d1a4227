#pragma once

#include <QObject>
#include <QPointer>
#include <TamsuToolKit/Export.h>
#include <TamsuToolKit/TKPopoverWindow.h>
#include <cstdint>
#include <memory>

namespace TamsuToolKit {

// Shows a content widget in a TKPopoverWindow above a button, the arrow pointing
// at the button, optionally fading in and out. NSWindowController maps to a
// QObject that owns the window; the view controller to the content widget, which
// is put into a container widget inside the window (and owned through it).
// The button's window becomes the popover's transient parent while it is shown
// (the platform's child window).
class TAMSUTOOLKIT_EXPORT TKPopoverController : public QObject {
    Q_OBJECT
public:
    // Bit 0 of the permitted directions, with bits 2 and 3 clear, places the
    // popover above the button; any other mask keeps the current point and side.
    static constexpr std::uint64_t ArrowDirectionUp = 1u << 0;
    static constexpr std::uint64_t ArrowDirectionDown = 1u << 1;
    static constexpr std::uint64_t ArrowDirectionLeft = 1u << 2;
    static constexpr std::uint64_t ArrowDirectionRight = 1u << 3;

    // initWithContentViewController
    explicit TKPopoverController(QWidget* contentViewController, QObject* parent = nullptr);
    ~TKPopoverController() override;

    void presentPopoverFromButton(QWidget* button, std::uint64_t permittedArrowDirections,
                                  bool animated);
    // An animated dismissal fades out and then hides the window.
    void dismissPopoverAnimated(bool animated);

    QWidget* contentViewController() const { return contentViewController_; }
    QWidget* containerView() const { return containerView_; }
    TKPopoverWindow* window() const { return window_.get(); }

private:
    QPointer<QWidget> contentViewController_;
    QPointer<QWidget> containerView_;
    std::unique_ptr<TKPopoverWindow> window_;
    QPointer<QWidget> parentWindow_;
};

} // namespace TamsuToolKit
