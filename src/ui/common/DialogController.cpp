#include "ui/common/DialogController.h"

#include "core/state/JUXPrompt.h"
#include "ui/AppResources.h"
#include "ui/common/BoardScreen.h"
#include "ui/common/DrawnView.h"
#include "ui/common/TwoStateButton.h"

#include <QLabel>
#include <QLayout>
#include <QStringList>

namespace eboard {

DialogController::DialogController(AgentWindow::Kind kind,
                                   std::optional<layout::ButtonKind> answers)
    : kind_(kind)
    , answers_(answers) {}

DialogController::~DialogController() {
    if (window_) {
        // The window goes later than this controller: nothing of it may call back.
        window_->setKeyHandler({});
        window_->setContentFollower({});
        window_->setDescriber({});
        window_->close();
    }
}

void DialogController::showWindow() {
    if (window_) {
        window_->present();
        return;
    }
    window_.reset(new AgentWindow(kind_));
    loadLayout(*window_);
    findAnswerButtons();
    if (kind_ == AgentWindow::Kind::FullScreen) {
        // The page is laid out from the board screen's size before it first paints, so
        // the buttons placed from its anchors sit where the drawing puts them.
        window_->setGeometry(boardScreenGeometry());
        if (QLayout* layout = window_->layout()) {
            layout->activate();
        }
    } else {
        // Transparent parts of the backdrop show the desktop behind.
        window_->setAttribute(Qt::WA_TranslucentBackground);
        window_->setFixedSize(window_->size());
    }
    windowDidLoad();
    if (kind_ == AgentWindow::Kind::FullScreen) {
        placeButtons();
        window_->setContentFollower([this] { placeButtons(); });
    } else {
        offerKeyboardToButtons();
    }
    // Until a button takes it, the keyboard goes to the window itself, and activating the
    // window gives it no button either.
    window_->setFocus(Qt::OtherFocusReason);
    window_->setDescriber([this] { return windowTexts(); });
    window_->present();
}

void DialogController::close() {
    if (window_) {
        window_->close();
    }
}

void DialogController::findAnswerButtons() {
    if (!answers_) {
        return;
    }
    const layout::ButtonFaces& faces = layout::buttonFaces(*answers_);
    const auto find = [this](std::string_view name) {
        return window_->findChild<TwoStateButton*>(QString::fromLatin1(name));
    };
    negative_ = find(faces.negative.widget);
    affirmative_ = find(faces.affirmative.widget);
    Q_ASSERT(negative_ != nullptr && affirmative_ != nullptr);
    negative_->initval(0);
    affirmative_->initval(1);
}

void DialogController::offerKeyboardToButtons() {
    for (DrawnButton* button : window_->findChildren<DrawnButton*>()) {
        // Tab only: a click still leaves the keyboard where it was, and nothing changes on
        // screen until Tab is pressed.
        button->setFocusPolicy(Qt::TabFocus);
    }
}

AgentWindow::Description DialogController::windowTexts() const {
    AgentWindow::Description description;
    QStringList content;
    for (const QLabel* label : window_->findChildren<QLabel*>()) {
        if (label->property("role").toString() == QLatin1String("title")) {
            description.name = label->text();
        } else if (!label->text().isEmpty()) {
            content.push_back(label->text());
        }
    }
    description.text = content.join(QLatin1Char('\n'));
    return description;
}

AgentWindow::Description DialogController::describePage(const layout::PageTexts& texts) {
    AgentWindow::Description description;
    description.name = tableString(texts.table, texts.title);
    QStringList content;
    for (const std::string_view key : texts.content) {
        if (!key.empty()) {
            content.push_back(tableString(texts.table, key));
        }
    }
    description.text = content.join(QLatin1Char('\n'));
    return description;
}

void DialogController::describeWindow() {
    if (window_) {
        window_->describe();
    }
}

void DialogController::setDlgInfo(const QString& yesName, const QString& noName) {
    if (negative_ == nullptr || affirmative_ == nullptr) {
        return;
    }
    negative_->setButtonInfo(noName, negative_->geometry());
    affirmative_->setButtonInfo(yesName, affirmative_->geometry());
}

void DialogController::answerEscapeWith(TwoStateButton& button) {
    window_->setKeyHandler([&button](WindowKey key) {
        if (key == WindowKey::Escape) {
            button.answer();
        }
    });
}

void DialogController::closeOn(std::string_view name) {
    observe(name, [this, name] {
        stopObserving(name);
        close();
    });
}

void DialogController::placeButton(QWidget& button, const layout::RectD& frame) {
    const QWidget* page = button.parentWidget();
    button.setGeometry(toQtRect(frame, page != nullptr ? page->height() : 0).toRect());
}

void DialogController::observe(std::string_view name, std::function<void()> handler) {
    observers_.observe(name, std::move(handler));
}

void DialogController::stopObserving(std::string_view name) {
    observers_.stopObserving(name);
}

void DialogController::post(std::string_view name) {
    observers_.center().postNotification(name);
}

} // namespace eboard
