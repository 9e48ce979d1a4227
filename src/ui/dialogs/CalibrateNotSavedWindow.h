#pragma once

#include "ui/dialogs/DialogController.h"

#include <QString>
#include <memory>

class QLabel;

namespace Ui {
class CalibrateNotSavedWindow;
}

namespace eboard {

class CalibrateNotSavedButton;

// Tells that a finished calibration could not be stored, why, and that it holds until
// the agent ends; its OK button closes it.
class CalibrateNotSavedWindow : public DialogController {
public:
    CalibrateNotSavedWindow();
    ~CalibrateNotSavedWindow() override;

    // After showWindow(): the path and the system's reason.
    void setFailure(const QString& failure);

    // Outlets; null until showWindow().
    QLabel* txt_Title() const;
    QLabel* txt_Content() const;
    CalibrateNotSavedButton* btn_OK() const;

protected:
    void loadLayout(QWidget& window) override;
    void windowDidLoad() override;

private:
    std::unique_ptr<Ui::CalibrateNotSavedWindow> ui_;
};

} // namespace eboard
