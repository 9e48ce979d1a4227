#pragma once
// Every notification name of the agent, and the keys of their user information, written
// once. Local names travel on the in-process centre, distributed ones on the command bus.

#include <string_view>

namespace eboard::names {

// Distributed commands.
inline constexpr std::string_view kStartCalibrate = "StartCalibrate";
inline constexpr std::string_view kCompleteCalibrate = "CompleteCalibrate";
inline constexpr std::string_view kQuit = "Quit";
inline constexpr std::string_view kVersion = "Version";
inline constexpr std::string_view kSetSmoothValue = "SetSmoothValue";
// Chooses the smoothing mode: "mode" average or adaptive; for adaptive, "mincutoff" and
// "beta" may come with it (numbers or decimal texts).
inline constexpr std::string_view kSetSmoothMode = "SetSmoothMode";
inline constexpr std::string_view kSetBoardOutput = "SetBoardOutput";
inline constexpr std::string_view kListOutputs = "ListOutputs";

// Distributed announcements.
inline constexpr std::string_view kDriverOpened = "DriverOpened";
inline constexpr std::string_view kHN42Connected = "HN42Connected";
inline constexpr std::string_view kHN42DisConnected = "HN42DisConnected";
inline constexpr std::string_view kMoveMenu = "MoveMenu";
inline constexpr std::string_view kOutputs = "Outputs";
// The answer to SetBoardOutput: "output" the choice as taken (a name or "primary"),
// "board" the output the board is on now ("" with none); a named output that is not
// connected leaves the board on the primary.
inline constexpr std::string_view kBoardOutput = "BoardOutput";
// A calibration or diagnosis run ended; "result" says how (see RunResult).
inline constexpr std::string_view kCalibrateEnded = "CalibrateEnded";
// Carries the empty object, not the command object.
inline constexpr std::string_view kScrollBarsChanged = "AppleShowScrollBarsSettingChanged";

// Keys of the distributed user information.
inline constexpr std::string_view kSmoothValueKey = "smoothvalue";
inline constexpr std::string_view kModeKey = "mode";
inline constexpr std::string_view kMinCutoffKey = "mincutoff";
inline constexpr std::string_view kBetaKey = "beta";
inline constexpr std::string_view kLocalationKey = "Localation";
inline constexpr std::string_view kResultKey = "result";
// A token a requester may give its StartCalibrate or CompleteCalibrate; CalibrateEnded
// repeats, space-separated, the tokens of the requests its run answers.
inline constexpr std::string_view kRequestKey = "request";
inline constexpr std::string_view kOutputKey = "output";
inline constexpr std::string_view kOutputsKey = "outputs";
inline constexpr std::string_view kBoardKey = "board";

// Local: the device link and the report parser.
inline constexpr std::string_view kHidConnectOK = "hidConnectOK";
inline constexpr std::string_view kHidConnectNG = "hidConnectNG";
inline constexpr std::string_view kUpdatePreView = "UpdatePreView";
inline constexpr std::string_view kCleanPreView = "CleanPreView";
inline constexpr std::string_view kUpdateCalibrate = "UpdateCalibrate";
inline constexpr std::string_view kCalibrateFinish = "CalibrateFinish";
// The pen lifted after the fourth target, but the archive could not be written.
inline constexpr std::string_view kCalibrateNotSaved = "CalibrateNotSaved";

// Local: the calibration screens.
inline constexpr std::string_view kCalibrateStart = "CalibrateStart";
// The target screen took its fourth point and closed; the pen's lift completes the run.
inline constexpr std::string_view kCalibrateCaptured = "CalibrateCaptured";
inline constexpr std::string_view kStopCalibratePreview = "StopCalibratePreview";
inline constexpr std::string_view kStopCalibrate = "StopCalibrate";
inline constexpr std::string_view kStopResult = "StopResult";
inline constexpr std::string_view kStopCheckPosition = "StopCheckPosition";
inline constexpr std::string_view kReCalibrate = "ReCalibrate";

// Local: the single-button dialogs close themselves on these.
inline constexpr std::string_view kNormalCalibrateDone = "NormalCalibrateDone";
inline constexpr std::string_view kDeviceNotConnectDone = "DeviceNotConnectDone";
inline constexpr std::string_view kCalibrateNotSavedDone = "CalibrateNotSavedDone";

// Local: the answer pairs of the dialogs that offer a choice.
inline constexpr std::string_view kShowCalibrationYes = "showCalibrationYes";
inline constexpr std::string_view kShowCalibrationNo = "showCalibrationNo";
inline constexpr std::string_view kRestartCalibrationYes = "restartCalibrationYes";
inline constexpr std::string_view kRestartCalibrationNo = "restartCalibrationNo";
inline constexpr std::string_view kStopCalPreviewYes = "StopCalPreviewYes";
inline constexpr std::string_view kStopCalPreviewNo = "StopCalPreviewNo";
inline constexpr std::string_view kStopCalYes = "StopCalYes";
inline constexpr std::string_view kStopCalNo = "StopCalNo";
inline constexpr std::string_view kStopResultYes = "StopResultYes";
inline constexpr std::string_view kStopResultNo = "StopResultNo";
inline constexpr std::string_view kStopCheckPositionYes = "StopCheckPositionYes";
inline constexpr std::string_view kStopCheckPositionNo = "StopCheckPositionNo";
inline constexpr std::string_view kDiagnosisRestart = "DiagnosisRestart";
inline constexpr std::string_view kDiagnosisClose = "DiagnosisClose";
inline constexpr std::string_view kExcellentClose = "ExcellentClose";
inline constexpr std::string_view kExcellentRestart = "ExcellentRestart";
inline constexpr std::string_view kNormalCalibrateToDiagnosis = "NormalCalibrateToDiagnosis";
inline constexpr std::string_view kNormalCalibrateEnd = "NormalCalibrateEnd";

} // namespace eboard::names
