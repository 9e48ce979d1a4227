#pragma once

#include "ui/dialogs/DialogController.h"

#include <QString>
#include <memory>

class QLabel;

namespace Ui {
class EndNormalCalibrateWindow;
}

namespace eboard {

class EndNormalCalibrateButton;

// Tells that a normal calibration came out good; its OK button closes it.
class EndNormalCalibrateWindow : public DialogController {
public:
    EndNormalCalibrateWindow();
    ~EndNormalCalibrateWindow() override;

    // Outlets; null until showWindow().
    QLabel* txt_EndNormalCalTitle() const;
    QLabel* txt_EndNormalCalContent_1() const;
    QLabel* txt_EndNormalCalContent_2() const;
    EndNormalCalibrateButton* btn_EndNormalCal_OK() const;

protected:
    void loadLayout(QWidget& window) override;
    void windowDidLoad() override;

private:
    std::unique_ptr<Ui::EndNormalCalibrateWindow> ui_;
};

} // namespace eboard
