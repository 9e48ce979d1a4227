#include "ui/about/AboutWindowController.h"

#include "ui_AboutWindowController.h"

#include <QWidget>

namespace eboard {

AboutWindowController::AboutWindowController(const QString& versionText)
    : window_(std::make_unique<QWidget>())
    , ui_(std::make_unique<Ui::AboutWindowController>()) {
    ui_->setupUi(window_.get());
    // The one text the layout cannot know: the version of this build.
    ui_->txt_version->setText(versionText);
    windowDidLoad();
}

AboutWindowController::~AboutWindowController() = default;

void AboutWindowController::windowDidLoad() {
    // Only the close button in the title bar; above ordinary windows; no shadow. A plain
    // top-level window stays visible while the agent is not the active application.
    window_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint |
                            Qt::NoDropShadowWindowHint);
    window_->setWindowTitle(QStringLiteral("About"));
    // Assistive technologies name the window by what it says, in the user's language.
    window_->setAccessibleName(ui_->txt_product->text());
    window_->setAccessibleDescription(ui_->txt_description->text());
    window_->setAttribute(Qt::WA_QuitOnClose, false);
    window_->setFixedSize(window_->sizeHint().expandedTo(window_->size()));
}

void AboutWindowController::showWindow() {
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace eboard
