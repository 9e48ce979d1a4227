#pragma once

#include "ui/dialogs/DialogController.h"

#include <QString>
#include <memory>

namespace Ui {
class AbortWindowController;
}

namespace eboard {

class AbortMessageButton;
class AbortMessageView;

// Asks, over the whole screen, whether to leave the running calibration or diagnosis.
class AbortWindowController : public DialogController {
public:
    AbortWindowController();
    ~AbortWindowController() override;

    // The wording (0 calibration, other diagnosis) and the names the buttons post; call
    // after showWindow().
    void setDlgInfo(int abortType, const QString& yesName, const QString& noName);

    // Outlets; null until showWindow().
    AbortMessageButton* btn_AbortNo() const;
    AbortMessageButton* btn_AbortYes() const;
    AbortMessageView* view_Abort() const;

protected:
    void loadLayout(QWidget& window) override;
    void windowDidLoad() override;
    void placeButtons() override;

private:
    std::unique_ptr<Ui::AbortWindowController> ui_;
};

} // namespace eboard
