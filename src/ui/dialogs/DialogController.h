#pragma once

#include "core/layout/Rect.h"
#include "core/notify/ObserverSet.h"
#include "ui/common/AgentWindow.h"

#include <QString>
#include <functional>
#include <string_view>

namespace eboard {

class TwoStateButton;

// What every dialog controller shares: the window is created and laid out from the
// controller's layout resource on the first showWindow(), then set up by windowDidLoad();
// the names a dialog's buttons post are handed in afterwards. Observations the
// controller registers on the default centre end with it.
class DialogController {
public:
    explicit DialogController(AgentWindow::Kind kind);
    virtual ~DialogController();
    DialogController(const DialogController&) = delete;
    DialogController& operator=(const DialogController&) = delete;

    // Loads and sets up the window on the first call; then shows it in front with the
    // keyboard: covering the board screen, or boxed and centred on it.
    void showWindow();
    void close();
    bool isLoaded() const { return window_ != nullptr; }
    // Null until showWindow().
    AgentWindow* window() const { return window_.get(); }

protected:
    virtual void loadLayout(QWidget& window) = 0;
    virtual void windowDidLoad() = 0;
    // Places what the window's layout does not (the full-screen dialogs' click areas)
    // from the board screen's size: once the window has loaded, and again whenever it
    // changes size with the board screen.
    virtual void placeButtons() {}

    AgentWindow& dialogWindow() { return *window_; }

    // The type-0 button gets noName, then the type-1 button yesName, each with its
    // current frame.
    static void handOutNames(TwoStateButton& type0, TwoStateButton& type1, const QString& yesName,
                             const QString& noName);
    // Escape answers as this button would.
    void answerEscapeWith(TwoStateButton& button);
    // Sets a page's child to a frame given from the page's bottom-left.
    static void placeButton(QWidget& button, const layout::RectD& frame);

    void observe(std::string_view name, std::function<void()> handler);
    void stopObserving(std::string_view name);
    void post(std::string_view name);

private:
    AgentWindow::Kind kind_;
    AgentWindowPtr window_;
    ObserverSet observers_;
};

} // namespace eboard
