#pragma once

#include "ui/dialogs/DialogController.h"

#include <QString>
#include <memory>

namespace Ui {
class CalibrateExcellentWindow;
}

namespace eboard {

class CalibrateExcellentButton;
class CalibrateExcellentView;

// Tells, over the whole screen, that a diagnosis found the calibration excellent; offers to
// finish or to diagnose again.
class CalibrateExcellentWindow : public DialogController {
public:
    CalibrateExcellentWindow();
    ~CalibrateExcellentWindow() override;

    // The names the buttons post; call after showWindow().
    void setDlgInfo(const QString& yesName, const QString& noName);

    // Outlets; null until showWindow().
    CalibrateExcellentButton* btn_RetryDia() const;
    CalibrateExcellentButton* btn_FinishDia() const;
    CalibrateExcellentView* drawView() const;

protected:
    void loadLayout(QWidget& window) override;
    void windowDidLoad() override;
    void placeButtons() override;

private:
    std::unique_ptr<Ui::CalibrateExcellentWindow> ui_;
};

} // namespace eboard
