// The calibration workflow of the status menu: its handlers turn notifications into
// events of the run, and the actions the run asks for are carried out here.
#include "app/StatusMenu.h"
#include "core/calibration/CalibrationData.h"
#include "core/layout/Pictures.h"
#include "core/notify/Names.h"
#include "core/state/JUXPrompt.h"
#include "ui/calibration/CalibrateMessageWindowController.h"
#include "ui/common/BoardScreen.h"
#include "ui/common/CursorHiding.h"
#include "ui/dialogs/AbortWindowController.h"
#include "ui/dialogs/CalibrateExcellentWindow.h"
#include "ui/dialogs/CalibrateNotSavedWindow.h"
#include "ui/dialogs/CheckCamPositionWindow.h"
#include "ui/dialogs/EndNormalCalibratePoorWindow.h"
#include "ui/dialogs/StartDiagnosisWindow.h"
#include "ui/dialogs/StartNormalCalibrateDlg.h"

#include <QRect>
#include <algorithm>
#include <array>
#include <utility>

namespace eboard {

namespace {

// The two names a dialog that offers a choice is handed, in the order they are
// registered, and the handler of each (the handler of a name is named after it).
struct AnswerPair {
    RunWindow window;
    RunStage abortReturn; // the abort page's names depend on the stage it returns to
    std::string_view first;
    void (StatusMenu::*onFirst)();
    std::string_view second;
    void (StatusMenu::*onSecond)();
};

using SM = StatusMenu;
constexpr std::array kAnswerPairs = {
    AnswerPair{RunWindow::StartNormal, RunStage::Idle, names::kShowCalibrationYes,
               &SM::showCalibrationYes, names::kShowCalibrationNo, &SM::showCalibrationNo},
    AnswerPair{RunWindow::StartDiagnosis, RunStage::Idle, names::kShowCalibrationYes,
               &SM::showCalibrationYes, names::kShowCalibrationNo, &SM::showCalibrationNo},
    AnswerPair{RunWindow::Advice, RunStage::Idle, names::kRestartCalibrationYes,
               &SM::restartCalibrationYes, names::kRestartCalibrationNo, &SM::restartCalibrationNo},
    AnswerPair{RunWindow::Abort, RunStage::Preview, names::kStopCalPreviewYes,
               &SM::StopCalPreviewYes, names::kStopCalPreviewNo, &SM::StopCalPreviewNo},
    AnswerPair{RunWindow::Abort, RunStage::Targets, names::kStopCalYes, &SM::StopCalYes,
               names::kStopCalNo, &SM::StopCalNo},
    AnswerPair{RunWindow::Abort, RunStage::Result, names::kStopResultYes, &SM::StopResultYes,
               names::kStopResultNo, &SM::StopResultNo},
    AnswerPair{RunWindow::Abort, RunStage::Advice, names::kStopCheckPositionYes,
               &SM::StopCheckPositionYes, names::kStopCheckPositionNo, &SM::StopCheckPositionNo},
    AnswerPair{RunWindow::ResultScreen, RunStage::Idle, names::kDiagnosisClose, &SM::DiagnosisClose,
               names::kDiagnosisRestart, &SM::DiagnosisRestart},
    AnswerPair{RunWindow::Excellent, RunStage::Idle, names::kExcellentClose, &SM::ExcellentClose,
               names::kExcellentRestart, &SM::ExcellentRestart},
    AnswerPair{RunWindow::Poor, RunStage::Idle, names::kNormalCalibrateToDiagnosis,
               &SM::NormalCalibrateToDiagnosis, names::kNormalCalibrateEnd,
               &SM::NormalCalibrateEnd},
};

const AnswerPair* answerPairOf(RunWindow window, RunStage abortReturn) {
    for (const AnswerPair& pair : kAnswerPairs) {
        if (pair.window == window &&
            (window != RunWindow::Abort || pair.abortReturn == abortReturn)) {
            return &pair;
        }
    }
    return nullptr;
}

// The requester's token: printable, without blanks (they separate tokens when told back).
std::string requestToken(const UserInfo& userInfo) {
    for (const auto& [key, value] : userInfo) {
        const auto* text = std::get_if<std::string>(&value);
        if (key == names::kRequestKey && text != nullptr && text->size() <= 255 &&
            std::all_of(text->begin(), text->end(),
                        [](unsigned char c) { return c > ' ' && c < 0x7f; })) {
            return *text;
        }
    }
    return {};
}

QString qName(std::string_view name) {
    return QString::fromLatin1(name);
}

// The result screen shows the diagnosis classes 1 to 3 as its grade classes.
layout::GradeClass diagnosisClass(ResultClass result) {
    switch (result) {
    case ResultClass::Class1:
        return layout::GradeClass::Good;
    case ResultClass::Class2:
        return layout::GradeClass::Acceptable;
    default:
        return layout::GradeClass::Poor;
    }
}

} // namespace

void StatusMenu::showCalibration(const UserInfo& userInfo) {
    request(CalibrationType::Normal, userInfo);
}

void StatusMenu::completeCalibrate(const UserInfo& userInfo) {
    request(CalibrationType::Diagnosis, userInfo);
}

void StatusMenu::request(CalibrationType type, const UserInfo& userInfo) {
    requestAtHand_ = requestToken(userInfo);
    if (!JUXPrompt::getPrompt().unitConnected()) {
        dispatch(RunEvent::RequestWithoutUnit);
    } else {
        const bool replacesStartDialog = run_.stage == RunStage::StartDialog;
        dispatch(type == CalibrationType::Normal ? RunEvent::RequestNormal
                                                 : RunEvent::RequestDiagnosis);
        // The run a replaced start dialog began answers both requests; any other request
        // begins a run of its own (the run it cut short has told its end by now).
        if (!replacesStartDialog) {
            runRequests_.clear();
        }
        if (!requestAtHand_.empty()) {
            runRequests_.push_back(requestAtHand_);
        }
    }
    requestAtHand_.clear();
}

void StatusMenu::OpenCalibrateWindow() {
    dispatch(RunEvent::Space);
}
void StatusMenu::CalibrateCaptured() {
    dispatch(RunEvent::Captured);
}
void StatusMenu::CheckCalibrateResult() {
    dispatch(RunEvent::Completed);
}
void StatusMenu::CalibrateNotSaved() {
    dispatch(RunEvent::NotSaved);
}
void StatusMenu::ReCalibrate() {
    dispatch(RunEvent::ReCalibrate);
}
void StatusMenu::StopCalibratePreview() {
    dispatch(RunEvent::Escape);
}
void StatusMenu::StopCalibrate() {
    dispatch(RunEvent::Escape);
}
void StatusMenu::StopResult() {
    dispatch(RunEvent::Escape);
}
void StatusMenu::StopCheckPosition() {
    dispatch(RunEvent::Escape);
}

void StatusMenu::showCalibrationYes() {
    dispatch(RunEvent::Yes);
}
void StatusMenu::showCalibrationNo() {
    dispatch(RunEvent::No);
}
void StatusMenu::restartCalibrationYes() {
    dispatch(RunEvent::Yes);
}
void StatusMenu::restartCalibrationNo() {
    dispatch(RunEvent::No);
}
void StatusMenu::StopCalPreviewYes() {
    dispatch(RunEvent::Yes);
}
void StatusMenu::StopCalPreviewNo() {
    dispatch(RunEvent::No);
}
void StatusMenu::StopCalYes() {
    dispatch(RunEvent::Yes);
}
void StatusMenu::StopCalNo() {
    dispatch(RunEvent::No);
}
void StatusMenu::StopResultYes() {
    dispatch(RunEvent::Yes);
}
void StatusMenu::StopResultNo() {
    dispatch(RunEvent::No);
}
void StatusMenu::StopCheckPositionYes() {
    dispatch(RunEvent::Yes);
}
void StatusMenu::StopCheckPositionNo() {
    dispatch(RunEvent::No);
}
void StatusMenu::ExcellentRestart() {
    dispatch(RunEvent::Yes);
}
void StatusMenu::ExcellentClose() {
    dispatch(RunEvent::No);
}
void StatusMenu::DiagnosisRestart() {
    dispatch(RunEvent::Yes);
}
void StatusMenu::DiagnosisClose() {
    dispatch(RunEvent::No);
}
void StatusMenu::NormalCalibrateToDiagnosis() {
    dispatch(RunEvent::Yes);
}
void StatusMenu::NormalCalibrateEnd() {
    dispatch(RunEvent::No);
}

void StatusMenu::dispatch(RunEvent event) {
    // The run's type and progress live in the shared state, where the grading and the
    // abort page read them.
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    run_.inProgress = prompt.bInPrograss();
    run_.type = prompt.calibrationType();
    const RunTransition step = transition(run_, event);
    run_ = step.next;
    prompt.setBInPrograss(run_.inProgress);
    prompt.setCalibrationType(run_.type);
    for (const RunAction& action : step.actions) {
        carryOut(action);
    }
}

void StatusMenu::carryOut(const RunAction& action) {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    switch (action.kind) {
    case RunActionKind::CloseAll:
        windows_.closeAll();
        break;
    case RunActionKind::Open:
        openWindow(action.window);
        break;
    case RunActionKind::Close:
        closeWindow(action.window);
        break;
    case RunActionKind::ShowCursor:
        restoreCursor();
        break;
    case RunActionKind::PointerMode:
        prompt.setCurrentStatus(JUXPrompt::kPointerMode);
        prompt.setCalibrateIndex(0);
        prompt.CalibratePoint().clear();
        break;
    case RunActionKind::Announce:
        announceEnd(action.result);
        break;
    case RunActionKind::Grade:
        gradeStoredPoints();
        break;
    case RunActionKind::RequestDiagnosis:
        postCommand(names::kCompleteCalibrate);
        break;
    case RunActionKind::PrepareRequest:
        prepareRequest();
        break;
    }
}

void StatusMenu::openWindow(RunWindow window) {
    // Answers registered first, then the window shown, and only then the names handed
    // over: a dialog's buttons exist once its window has loaded.
    const AnswerPair* pair = answerPairOf(window, run_.abortReturn);
    if (pair != nullptr) {
        answerPairs_.registerPair(
            pair->first, [this, on = pair->onFirst] { (this->*on)(); }, pair->second,
            [this, on = pair->onSecond] { (this->*on)(); });
    }
    windows_.open(window);
    const QString first = pair != nullptr ? qName(pair->first) : QString();
    const QString second = pair != nullptr ? qName(pair->second) : QString();
    switch (window) {
    case RunWindow::StartNormal:
        windows_.get<StartNormalCalibrateDlg>()->setDlgInfo(first, second);
        break;
    case RunWindow::StartDiagnosis:
        windows_.get<StartDiagnosisWindow>()->setDlgInfo(first, second);
        break;
    case RunWindow::Advice:
        windows_.get<CheckCamPositionWindow>()->setDlgInfo(first, second);
        break;
    case RunWindow::Abort:
        windows_.get<AbortWindowController>()->setDlgInfo(JUXPrompt::getPrompt().iCalibrateType(),
                                                          first, second);
        break;
    case RunWindow::ResultScreen:
        // Its start button answers with the restart, its close button with the close.
        windows_.get<CalibrateMessageWindowController>()->setErrorType(
            static_cast<std::int32_t>(diagnosisClass(grade_.result)), grade_.edgeFlag ? 1 : 0,
            grade_.longEdgeFlag ? 1 : 0, second, first);
        break;
    case RunWindow::Excellent:
        windows_.get<CalibrateExcellentWindow>()->setDlgInfo(first, second);
        break;
    case RunWindow::Poor:
        windows_.get<EndNormalCalibratePoorWindow>()->setDlgInfo(first, second);
        break;
    case RunWindow::NotSaved:
        windows_.get<CalibrateNotSavedWindow>()->setFailure(
            QString::fromStdString(JUXPrompt::getPrompt().storeFailure()));
        break;
    default:
        break;
    }
}

void StatusMenu::closeWindow(RunWindow window) {
    // A window that closed itself (Escape) can no longer answer: only the open dialog
    // does.
    if (const AnswerPair* pair = answerPairOf(window, run_.abortReturn)) {
        answerPairs_.removePair(pair->first);
    }
    windows_.close(window);
}

void StatusMenu::prepareRequest() {
    takeBoardScreenSize();
    initCalibrateData();
}

void StatusMenu::announceEnd(RunResult result) {
    // "not-connected" answers the request at hand, which started no run.
    std::string requests;
    if (result == RunResult::NotConnected) {
        requests = requestAtHand_;
    } else {
        for (const std::string& token : std::exchange(runRequests_, {})) {
            requests += (requests.empty() ? "" : " ") + token;
        }
    }
    UserInfo userInfo{{std::string(names::kResultKey), std::string(runResultName(result))}};
    if (!requests.empty()) {
        userInfo.emplace_back(std::string(names::kRequestKey), std::move(requests));
    }
    bus_.postNotification(names::kCalibrateEnded, kCommandObject, userInfo);
}

} // namespace eboard
