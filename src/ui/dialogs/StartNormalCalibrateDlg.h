#pragma once

#include "ui/dialogs/DialogController.h"

#include <QString>
#include <memory>

class QLabel;

namespace Ui {
class StartNormalCalibrateDlg;
}

namespace eboard {

class StartNormalCalibrateButton;

// Asks whether to start a normal calibration.
class StartNormalCalibrateDlg : public DialogController {
public:
    StartNormalCalibrateDlg();
    ~StartNormalCalibrateDlg() override;

    // The names the buttons post; call after showWindow().
    void setDlgInfo(const QString& yesName, const QString& noName);

    // Outlets; null until showWindow().
    QLabel* txt_contentText() const;
    QLabel* txt_title() const;
    StartNormalCalibrateButton* btn_NO() const;
    StartNormalCalibrateButton* btn_YES() const;

protected:
    void loadLayout(QWidget& window) override;
    void windowDidLoad() override;

private:
    std::unique_ptr<Ui::StartNormalCalibrateDlg> ui_;
};

} // namespace eboard
