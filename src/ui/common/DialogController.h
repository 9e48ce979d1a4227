#pragma once

#include "core/layout/PageTexts.h"
#include "core/layout/Pictures.h"
#include "core/layout/Rect.h"
#include "core/notify/ObserverSet.h"
#include "ui/common/AgentWindow.h"

#include <QString>
#include <concepts>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace eboard {

class TwoStateButton;

// What every window controller of the agent shares: the window is created and laid out
// from the controller's layout resource on the first showWindow(), then set up by
// windowDidLoad(); the names a dialog's answer buttons post are handed in afterwards.
// Observations the controller registers on the default centre end with it. The window
// tells assistive technologies what it says (windowTexts()); a boxed dialog's buttons take
// the keyboard on Tab, while the window keeps it until then.
class DialogController {
public:
    // answers names the kind of the two answer buttons (see the faces table), if the
    // window offers a choice.
    explicit DialogController(AgentWindow::Kind kind,
                              std::optional<layout::ButtonKind> answers = std::nullopt);
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

    // The names the answer buttons post: the affirmative one yesName, the negative one
    // noName. Call after showWindow().
    void setDlgInfo(const QString& yesName, const QString& noName);

protected:
    virtual void loadLayout(QWidget& window) = 0;
    virtual void windowDidLoad() = 0;
    // Places what the window's layout does not (the full-screen pages' click areas)
    // from the board screen's size: once the window has loaded, and again whenever it
    // changes size with the board screen.
    virtual void placeButtons() {}
    // What the window says: by default its title label (the one whose role is "title")
    // as the name and its other labels, in layout order, as the description. Pages that
    // draw their words override it with their page texts.
    virtual AgentWindow::Description windowTexts() const;
    // A page's texts in the user's language.
    static AgentWindow::Description describePage(const layout::PageTexts& texts);
    // Tells the window's texts again: call when what the window says has changed.
    void describeWindow();

    AgentWindow& dialogWindow() { return *window_; }
    // The answer buttons as the faces table names them in the layout; null before the
    // window loads or for a window without a choice.
    TwoStateButton* negativeButton() const { return negative_; }
    TwoStateButton* affirmativeButton() const { return affirmative_; }

    // Escape answers as this button would.
    void answerEscapeWith(TwoStateButton& button);
    // A single-button dialog: its button posts name, which closes it.
    void closeOn(std::string_view name);
    // Sets a page's child to a frame given from the page's bottom-left.
    static void placeButton(QWidget& button, const layout::RectD& frame);

    void observe(std::string_view name, std::function<void()> handler);
    void stopObserving(std::string_view name);
    void post(std::string_view name);

private:
    void findAnswerButtons();
    // The buttons of a boxed dialog take the keyboard on Tab; the window keeps it first.
    void offerKeyboardToButtons();

    AgentWindow::Kind kind_;
    std::optional<layout::ButtonKind> answers_;
    AgentWindowPtr window_;
    TwoStateButton* negative_ = nullptr; // children of window_
    TwoStateButton* affirmative_ = nullptr;
    ObserverSet observers_;
};

// A controller whose window is laid out by a Designer form: Form is the form's generated
// class. The form's widgets are the controller's outlets.
template <typename FormClass> class FormController : public DialogController {
public:
    using DialogController::DialogController;

protected:
    using Form = FormClass;

    void loadLayout(QWidget& window) final {
        form_ = std::make_unique<Form>();
        form_->setupUi(&window);
    }
    // An outlet; null until the window has loaded.
    template <typename Widget, typename Owner>
    requires std::derived_from<Form, Owner> Widget* outlet(Widget* Owner::*member) const {
        return form_ ? (*form_).*member : nullptr;
    }
    // The form, once the window has loaded.
    Form& form() const { return *form_; }

private:
    std::unique_ptr<Form> form_;
};

} // namespace eboard
