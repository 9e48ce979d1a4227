#pragma once
// The top-level window of every calibration screen and dialog. Full-screen members cover
// the board screen; boxed members keep the size of their layout, centred on it. Both are
// frameless, stay above ordinary windows and panels, take the keyboard when shown and
// act on the release of Escape and Space only. On a window whose buttons take the
// keyboard (the boxed dialogs), Tab and Backtab move it round those buttons and Space,
// Return or Enter presses the one that has it.

#include "ui/common/WindowKeys.h"

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

namespace eboard {

class DrawnButton;

class AgentWindow : public QWidget {
    Q_OBJECT
public:
    enum class Kind { FullScreen, Boxed };

    explicit AgentWindow(Kind kind);
    ~AgentWindow() override;
    AgentWindow(const AgentWindow&) = delete;
    AgentWindow& operator=(const AgentWindow&) = delete;

    Kind kind() const { return kind_; }

    // Runs on the release of Escape or Space while the window has the keyboard (Space
    // only while no button has it).
    void setKeyHandler(std::function<void(WindowKey)> handler) { keyHandler_ = std::move(handler); }

    // What the window says, for assistive technologies: its accessible name and
    // description. The window title stays the class name that tools look for.
    struct Description {
        QString name;
        QString text;
    };
    // Asks describer now, again on describe() and whenever the language changes.
    void setDescriber(std::function<Description()> describer);
    void describe();

    // Takes the keyboard back whenever another application takes it while this window is
    // open. One of the agent's own windows taking it never counts.
    void setKeepsFocus(bool keeps) { keepsFocus_ = keeps; }
    bool keepsFocus() const { return keepsFocus_; }

    // A picture stretched over the whole window under its content (the boxed dialogs'
    // "BKg.png"); with a translucent window its transparent parts show the desktop.
    void setBackdrop(const QString& pictureName);

    // Places the window on the board screen (all of it, or centred), shows it in front of
    // everything and gives it the keyboard.
    void present();
    // Places the window on the board screen's current geometry without showing it.
    void placeOnBoardScreen();

    // Runs whenever the window's size changes (it follows the board screen), once its
    // layout has resized the content: places what the layout does not, such as the click
    // areas over a picture's drawn buttons.
    void setContentFollower(std::function<void()> follower) {
        contentFollower_ = std::move(follower);
    }

    // Raises the window and gives it the keyboard again.
    void reclaimFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Puts a full-screen window on the board output, in the window manager's full-screen
    // state there.
    void coverBoardScreen(const QRect& board);
    void actOnPendingKey();
    // The button that has the window's keyboard, if any.
    DrawnButton* focusedButton() const;

    Kind kind_;
    bool keepsFocus_ = false;
    std::function<void(WindowKey)> keyHandler_;
    std::function<void()> contentFollower_;
    std::function<Description()> describer_;
    QPixmap backdrop_;
    // A release acts only once no press of the same key follows it at once: an X server
    // repeats a held key as release-press pairs, and Qt cannot always tell. The Qt key.
    std::optional<int> pendingKey_;
    QTimer pendingTimer_;
};

// Puts every open agent window back on the board screen: the screens have changed.
void followBoardScreen();

// Holds a controller's window. A controller may be replaced from inside one of its own
// window's event handlers (a key that posts, an observer that opens the next window),
// so the window goes once the event loop is back, never under its own handler.
struct DeleteLater {
    void operator()(QObject* object) const { object->deleteLater(); }
};
using AgentWindowPtr = std::unique_ptr<AgentWindow, DeleteLater>;

} // namespace eboard
