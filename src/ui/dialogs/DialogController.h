#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QScreen;

namespace eboard {

class TwoStateButton;

// A dialog's top-level window. Only the release of Escape or Space reaches the key
// handler, once per press: auto-repeated releases are dropped.
class DialogWindow : public QWidget {
    Q_OBJECT
public:
    using KeyHandler = std::function<void(Qt::Key)>;
    explicit DialogWindow(QWidget* parent = nullptr);
    void setKeyHandler(KeyHandler handler) { keyHandler_ = std::move(handler); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    KeyHandler keyHandler_;
};

// What every dialog controller shares: the window is created and laid out from the
// controller's layout resource on the first showWindow(), then set up by windowDidLoad();
// the names a dialog's buttons post are handed in afterwards. Observations the
// controller registers on the default centre end with it.
class DialogController {
public:
    DialogController() = default;
    virtual ~DialogController();
    DialogController(const DialogController&) = delete;
    DialogController& operator=(const DialogController&) = delete;

    // Loads and sets up the window on the first call; then shows it in front with the
    // keyboard.
    void showWindow();
    void close();
    bool isLoaded() const { return window_ != nullptr; }
    // Null until showWindow().
    DialogWindow* window() const { return window_.get(); }

protected:
    virtual void loadLayout(QWidget& window) = 0;
    virtual void windowDidLoad() = 0;

    DialogWindow& dialogWindow() { return *window_; }

    // The type-0 button gets noName, then the type-1 button yesName, each with its
    // current frame. Nothing happens before the window has loaded.
    static void handOutNames(TwoStateButton* type0, TwoStateButton* type1, const QString& yesName,
                             const QString& noName);

    void observe(const char* name, std::function<void()> handler);
    void stopObserving(const char* name);

    // Frameless, above ordinary windows, covering (0, 0, screenWidth, screenHeight) of
    // the board screen.
    void makeFullScreen();
    // Frameless and see-through where the backdrop is, above ordinary windows, its size
    // from the layout, centred on the board screen.
    void makeBoxed();

private:
    std::unique_ptr<DialogWindow> window_;
};

// The screen the board is projected on.
QScreen* dialogScreen();

} // namespace eboard
