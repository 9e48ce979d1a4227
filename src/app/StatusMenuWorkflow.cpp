// The calibration workflow of the status menu: the requests, the stages they open and
// the answers of every dialog along the way.
#include "app/StatusMenu.h"
#include "core/calibration/CalibrationData.h"
#include "core/notify/NotificationCenter.h"
#include "core/state/JUXPrompt.h"
#include "ui/calibration/CalibrateMessageWindowController.h"
#include "ui/calibration/CalibrateWindowController.h"
#include "ui/calibration/CalibrationPreViewWindowController.h"
#include "ui/common/AgentWindow.h"
#include "ui/common/BoardScreen.h"
#include "ui/common/CursorHiding.h"
#include "ui/dialogs/AbortWindowController.h"
#include "ui/dialogs/CalibrateExcellentWindow.h"
#include "ui/dialogs/CheckCamPositionWindow.h"
#include "ui/dialogs/DeviceDoNotConnectWindow.h"
#include "ui/dialogs/EndNormalCalibratePoorWindow.h"
#include "ui/dialogs/EndNormalCalibrateWindow.h"
#include "ui/dialogs/StartDiagnosisWindow.h"
#include "ui/dialogs/StartNormalCalibrateDlg.h"

namespace eboard {

namespace {

template <typename Controller> Controller& openNew(std::unique_ptr<Controller>& field) {
    // The previous controller goes, and with it its observations.
    field = std::make_unique<Controller>();
    field->showWindow();
    return *field;
}

template <typename Controller> void closeIfCreated(const std::unique_ptr<Controller>& field) {
    if (field) {
        field->close();
    }
}

QString qName(const char* name) {
    return QString::fromLatin1(name);
}

} // namespace

void StatusMenu::showCalibration() {
    requestCalibration(0);
}

void StatusMenu::completeCalibrate() {
    requestCalibration(1);
}

void StatusMenu::requestCalibration(std::int32_t calibrateType) {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    const QRect frame = boardScreenGeometry();
    prompt.setScreenWidth(frame.isEmpty() ? 0 : frame.width());
    prompt.setScreenHeight(frame.isEmpty() ? 0 : frame.height());
    initCalibrateData();

    if (prompt.connectionState() != 1) {
        openDeviceNotConnected();
        announceEnd("not-connected");
        return;
    }

    // Closes a start dialog an earlier request left open, while iCalibrateType still
    // names which one.
    replacingStartDialog_ = true;
    NotificationCenter::defaultCenter().postNotification("showCalibrationNo");
    replacingStartDialog_ = false;

    prompt.setICalibrateType(calibrateType);
    registerPair("showCalibrationYes", &StatusMenu::showCalibrationYes, "showCalibrationNo",
                 &StatusMenu::showCalibrationNo);
    if (calibrateType == 0) {
        openNew(StartNormalCtl_)
            .setDlgInfo(qName("showCalibrationYes"), qName("showCalibrationNo"));
    } else {
        openNew(startDiagnosisCtl_)
            .setDlgInfo(qName("showCalibrationYes"), qName("showCalibrationNo"));
    }
    prompt.setBInPrograss(true);
}

void StatusMenu::closeStartDialog() {
    if (JUXPrompt::getPrompt().iCalibrateType() != 0) {
        closeIfCreated(startDiagnosisCtl_);
    } else {
        closeIfCreated(StartNormalCtl_);
    }
}

void StatusMenu::showCalibrationYes() {
    closeStartDialog();
    openPreview();
}

void StatusMenu::showCalibrationNo() {
    closeStartDialog();
    JUXPrompt::getPrompt().setBInPrograss(false);
    if (!replacingStartDialog_) {
        announceEnd("aborted");
    }
}

void StatusMenu::OpenCalibrateWindow() {
    openNew(calWindowCtl_);
}

void StatusMenu::ReCalibrate() {
    registerPair("restartCalibrationYes", &StatusMenu::restartCalibrationYes,
                 "restartCalibrationNo", &StatusMenu::restartCalibrationNo);
    openNew(checkCamPositionCtl_)
        .setDlgInfo(qName("restartCalibrationYes"), qName("restartCalibrationNo"));
}

void StatusMenu::restartCalibrationYes() {
    closeIfCreated(checkCamPositionCtl_);
    openPreview();
}

void StatusMenu::restartCalibrationNo() {
    closeIfCreated(checkCamPositionCtl_);
    JUXPrompt::getPrompt().setBInPrograss(false);
    announceEnd("aborted");
}

void StatusMenu::StopCalibratePreview() {
    openAbortDialog("StopCalPreviewYes", &StatusMenu::StopCalPreviewYes, "StopCalPreviewNo",
                    &StatusMenu::StopCalPreviewNo);
}

void StatusMenu::StopCalPreviewYes() {
    closeIfCreated(abortWindowctl_);
    JUXPrompt::getPrompt().setBInPrograss(false);
    announceEnd("aborted");
}

void StatusMenu::StopCalPreviewNo() {
    closeIfCreated(abortWindowctl_);
    openPreview();
}

void StatusMenu::StopCalibrate() {
    openAbortDialog("StopCalYes", &StatusMenu::StopCalYes, "StopCalNo", &StatusMenu::StopCalNo);
}

void StatusMenu::StopCalYes() {
    closeIfCreated(abortWindowctl_);
    JUXPrompt::getPrompt().setBInPrograss(false);
    announceEnd("aborted");
}

void StatusMenu::StopCalNo() {
    closeIfCreated(abortWindowctl_);
    openNew(calWindowCtl_);
}

void StatusMenu::StopResult() {
    // The result screen closed itself: its buttons can no longer answer.
    answerPairs_.removePair("DiagnosisRestart");
    openAbortDialog("StopResultYes", &StatusMenu::StopResultYes, "StopResultNo",
                    &StatusMenu::StopResultNo);
}

void StatusMenu::StopResultYes() {
    closeIfCreated(abortWindowctl_);
    JUXPrompt::getPrompt().setBInPrograss(false);
    announceEnd("aborted");
}

void StatusMenu::StopResultNo() {
    closeIfCreated(abortWindowctl_);
    NotificationCenter::defaultCenter().postNotification("CalibrateFinish");
}

void StatusMenu::StopCheckPosition() {
    answerPairs_.removePair("restartCalibrationYes");
    openAbortDialog("StopCheckPositionYes", &StatusMenu::StopCheckPositionYes,
                    "StopCheckPositionNo", &StatusMenu::StopCheckPositionNo);
}

void StatusMenu::StopCheckPositionYes() {
    closeIfCreated(abortWindowctl_);
    JUXPrompt::getPrompt().setBInPrograss(false);
    announceEnd("aborted");
}

void StatusMenu::StopCheckPositionNo() {
    closeIfCreated(abortWindowctl_);
    NotificationCenter::defaultCenter().postNotification("ReCalibrate");
}

void StatusMenu::ExcellentRestart() {
    closeIfCreated(calibrateExcellentCtl_);
    postCommand("CompleteCalibrate");
}

void StatusMenu::ExcellentClose() {
    closeIfCreated(calibrateExcellentCtl_);
}

void StatusMenu::DiagnosisRestart() {
    closeIfCreated(finishCalibrationCtl_);
    NotificationCenter::defaultCenter().postNotification("ReCalibrate");
}

void StatusMenu::DiagnosisClose() {
    closeIfCreated(finishCalibrationCtl_);
}

void StatusMenu::NormalCalibrateToDiagnosis() {
    closeIfCreated(EndNormalPoorCtl_);
    postCommand("CompleteCalibrate");
}

void StatusMenu::NormalCalibrateEnd() {
    closeIfCreated(EndNormalPoorCtl_);
}

void StatusMenu::openAbortDialog(const char* yesName, void (StatusMenu::*onYes)(),
                                 const char* noName, void (StatusMenu::*onNo)()) {
    registerPair(yesName, onYes, noName, onNo);
    openNew(abortWindowctl_)
        .setDlgInfo(JUXPrompt::getPrompt().iCalibrateType(), qName(yesName), qName(noName));
}

void StatusMenu::registerPair(const char* first, void (StatusMenu::*onFirst)(), const char* second,
                              void (StatusMenu::*onSecond)()) {
    answerPairs_.registerPair(
        first, [this, onFirst] { (this->*onFirst)(); }, second,
        [this, onSecond] { (this->*onSecond)(); });
}

void StatusMenu::openPreview() {
    openNew(calPreviewWindowCtl_);
}

void StatusMenu::openDeviceNotConnected() {
    openNew(deviceNotConnectCtl_);
}

namespace {

template <typename Controller> bool isOpen(const std::unique_ptr<Controller>& field) {
    return field && field->window() != nullptr && field->window()->isVisible();
}

} // namespace

bool StatusMenu::workflowWindowOpen() const {
    return isOpen(calPreviewWindowCtl_) || isOpen(calWindowCtl_) || isOpen(finishCalibrationCtl_) ||
           isOpen(StartNormalCtl_) || isOpen(abortWindowctl_) || isOpen(EndNormalCrl_) ||
           isOpen(EndNormalPoorCtl_) || isOpen(startDiagnosisCtl_) ||
           isOpen(calibrateExcellentCtl_) || isOpen(checkCamPositionCtl_);
}

void StatusMenu::closeWorkflowWindows() {
    closeIfCreated(calPreviewWindowCtl_);
    closeIfCreated(calWindowCtl_);
    closeIfCreated(finishCalibrationCtl_);
    closeIfCreated(StartNormalCtl_);
    closeIfCreated(abortWindowctl_);
    closeIfCreated(EndNormalCrl_);
    closeIfCreated(EndNormalPoorCtl_);
    closeIfCreated(startDiagnosisCtl_);
    closeIfCreated(calibrateExcellentCtl_);
    closeIfCreated(checkCamPositionCtl_);
    // A closed screen must not go on taking light points: after a replug the pen would
    // feed a preview or a capture nobody sees, and four touches would overwrite the
    // stored calibration. The screens end their observations with their controllers.
    calPreviewWindowCtl_.reset();
    calWindowCtl_.reset();
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setCurrentStatus(JUXPrompt::kPointerMode);
    prompt.setCalibrateIndex(0);
}

void StatusMenu::announceEnd(std::string_view result) {
    bus_.postNotification(kCalibrateEnded, kCommandObject, {{"result", std::string(result)}});
}

} // namespace eboard
