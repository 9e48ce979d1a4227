#pragma once
// What the calibration pages show, one table per fact: the pictures of the result page and
// the camera advice by grade class and hint code, and the faces of the drawn buttons. The
// windows that show them and the picture generator that draws them both read these tables.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace eboard::layout {

// The camera advice a result page leads to, as the shared state keeps it
// (itoScreenErrorType): the values are stored and must not change.
enum class HintCode : std::int32_t {
    LongEdge = 0,     // an edge failed at its maximum: the camera is near one side
    UnequalEdges = 1, // the edges differ: the camera looks from the side
    EdgesFine = 2,    // the edges passed: the camera should come closer
};
inline constexpr std::array kHintCodes = {HintCode::LongEdge, HintCode::UnequalEdges,
                                          HintCode::EdgesFine};
// The code a stored value names; none for any other value.
std::optional<HintCode> hintCodeOf(std::int32_t stored);

// The area class a diagnosis result page shows: the grading's classes 1 to 3, anything
// else the neutral set.
enum class GradeClass : std::int32_t { Neutral = 0, Good = 1, Acceptable = 2, Poor = 3 };
inline constexpr std::array kGradeClasses = {GradeClass::Neutral, GradeClass::Good,
                                             GradeClass::Acceptable, GradeClass::Poor};
GradeClass gradeClassOf(std::int32_t areaErr);

std::string_view resultPicture(GradeClass grade, HintCode hint);
std::string_view advicePicture(HintCode hint);
// The text keys the picture generator sets on those pictures.
std::string_view gradeText(GradeClass grade);
std::string_view findingText(HintCode hint);
std::string_view adviceTitle(HintCode hint);
std::string_view adviceText(HintCode hint);

inline constexpr std::string_view kExcellentPicture = "SCPD_2.png";
inline constexpr std::string_view kCrosshairPicture = "CP_3-crosshair.png";
// The boxed dialogs' backdrop: the one picture no language replaces.
inline constexpr std::string_view kBackdropPicture = "BKg.png";

// The drawn buttons. A two-state button shows its negative face as type 0 and its
// affirmative face otherwise; a single-purpose button shows its affirmative face only.
enum class ButtonKind : std::uint8_t {
    Text, // the result page's invisible click areas
    StartNormalCalibrate,
    AbortMessage,
    PoorEndNormalCal,
    StartDiagnosis,
    CalibrateExcellent, // invisible, over the excellent page's picture
    CheckCamPosition,   // invisible, over the advice page's picture
    EndNormalCalibrate,
    DeviceDoNotConnect,
    CalibrateNotSaved,
};

struct Face {
    std::string_view picture; // empty: the button is an invisible click area
    std::string_view label;   // the text key drawn on it
    std::string_view widget;  // the button in the layout that gives the face its size
};

struct ButtonFaces {
    ButtonKind kind;
    std::string_view window; // the layout of the window the button is in
    Face negative;
    Face affirmative;
};

const ButtonFaces& buttonFaces(ButtonKind kind);
// Every button, in ButtonKind order.
std::span<const ButtonFaces> allButtonFaces();

} // namespace eboard::layout
