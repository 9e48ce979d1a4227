#pragma once

#include "ui/dialogs/DialogController.h"

#include <QString>
#include <memory>

class QLabel;

namespace Ui {
class StartDiagnosisWindow;
}

namespace eboard {

class StartDiagnosisButton;

// Asks whether to start a diagnosis.
class StartDiagnosisWindow : public DialogController {
public:
    StartDiagnosisWindow();
    ~StartDiagnosisWindow() override;

    // The names the buttons post; call after showWindow().
    void setDlgInfo(const QString& yesName, const QString& noName);

    // Outlets; null until showWindow().
    QLabel* txt_title() const;
    QLabel* txt_content() const;
    StartDiagnosisButton* btn_start() const;
    StartDiagnosisButton* btn_cancel() const;

protected:
    void loadLayout(QWidget& window) override;
    void windowDidLoad() override;

private:
    std::unique_ptr<Ui::StartDiagnosisWindow> ui_;
};

} // namespace eboard
