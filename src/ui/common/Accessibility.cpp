#include "ui/common/Accessibility.h"

#include "ui/common/AgentWindow.h"
#include "ui/common/DrawnButton.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace eboard {

namespace {

// A drawn button: the button role, its face's words as its name, the question its window
// asks as its description, and a press action that answers as a click would.
class DrawnButtonInterface : public QAccessibleWidget {
public:
    explicit DrawnButtonInterface(DrawnButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        QString own = QAccessibleWidget::text(kind);
        if (!own.isEmpty()) {
            return own;
        }
        switch (kind) {
        case QAccessible::Name:
            return button()->label();
        case QAccessible::Description:
            return button()->window()->accessibleName();
        default:
            return own;
        }
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (button()->isEnabled()) {
            button()->press();
        }
    }

private:
    DrawnButton* button() const { return static_cast<DrawnButton*>(widget()); }
};

QAccessibleInterface* agentInterface(const QString& /*className*/, QObject* object) {
    if (auto* button = qobject_cast<DrawnButton*>(object)) {
        return new DrawnButtonInterface(button);
    }
    if (auto* window = qobject_cast<AgentWindow*>(object)) {
        return new QAccessibleWidget(window, window->kind() == AgentWindow::Kind::Boxed
                                                 ? QAccessible::Dialog
                                                 : QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void installAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(agentInterface);
        return true;
    }();
    static_cast<void>(installed);
}

} // namespace eboard
