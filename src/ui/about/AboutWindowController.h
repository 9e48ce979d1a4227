#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace Ui {
class AboutWindowController;
}

namespace eboard {

// The About window: its content comes from the layout resource "AboutWindowController";
// the controller only makes it float above other windows with a close button alone.
class AboutWindowController {
public:
    // Loads the window from its layout resource and sets it up (windowDidLoad).
    explicit AboutWindowController(const QString& versionText);
    ~AboutWindowController();
    AboutWindowController(const AboutWindowController&) = delete;
    AboutWindowController& operator=(const AboutWindowController&) = delete;

    // Shows the window again, in front, whether it was closed or hidden behind others.
    void showWindow();
    QWidget* window() const { return window_.get(); }

private:
    void windowDidLoad();

    std::unique_ptr<QWidget> window_;
    std::unique_ptr<Ui::AboutWindowController> ui_;
};

} // namespace eboard
