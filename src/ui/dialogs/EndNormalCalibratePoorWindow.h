#pragma once

#include "ui/dialogs/DialogController.h"

#include <QString>
#include <memory>

class QLabel;

namespace Ui {
class EndNormalCalibratePoorWindow;
}

namespace eboard {

class PoorEndNormalCalBtn;

// Tells that a normal calibration came out poor and offers a diagnosis.
class EndNormalCalibratePoorWindow : public DialogController {
public:
    EndNormalCalibratePoorWindow();
    ~EndNormalCalibratePoorWindow() override;

    // The names the buttons post; call after showWindow().
    void setDlgInfo(const QString& yesName, const QString& noName);

    // Outlets; null until showWindow().
    QLabel* txt_EndTitle() const;
    QLabel* txt_EndContent1() const;
    QLabel* txt_EndContent2() const;
    PoorEndNormalCalBtn* btn_End_StartDia() const;
    PoorEndNormalCalBtn* btn_End_FinishCal() const;

protected:
    void loadLayout(QWidget& window) override;
    void windowDidLoad() override;

private:
    std::unique_ptr<Ui::EndNormalCalibratePoorWindow> ui_;
};

} // namespace eboard
