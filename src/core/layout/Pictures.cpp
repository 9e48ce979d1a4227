#include "core/layout/Pictures.h"

#include <cstddef>

namespace eboard::layout {

namespace {

struct HintPictures {
    std::array<std::string_view, 4> result; // by GradeClass
    std::string_view advice;
    std::string_view finding;
    std::string_view adviceTitle;
    std::string_view adviceText;
};

// By HintCode. The result pictures' names end in "t" for a long edge, "ct" for unequal
// edges and "c" for fine ones.
constexpr std::array<HintPictures, 3> kHints = {{
    {{"SCPD_3-t.png", "SCPD_3-2t.png", "SCPD_4-2t.png", "SCPD_5-2t.png"},
     "SCPD_6-2t.png",
     "picture_finding_oneSide",
     "picture_advice_oneSide_title",
     "picture_advice_oneSide"},
    {{"SCPD_3-ct.png", "SCPD_3-3ct.png", "SCPD_4-3ct.png", "SCPD_5-3ct.png"},
     "SCPD_6-3ct.png",
     "picture_finding_fromSide",
     "picture_advice_fromSide_title",
     "picture_advice_fromSide"},
    {{"SCPD_3-c.png", "SCPD_3-1c.png", "SCPD_4-1c.png", "SCPD_5-1c.png"},
     "SCPD_6-1c.png",
     "picture_finding_covered",
     "picture_advice_covered_title",
     "picture_advice_covered"},
}};

// By GradeClass.
constexpr std::array<std::string_view, 4> kGradeTexts = {
    "picture_grade_none", "picture_grade_good", "picture_grade_acceptable", "picture_grade_poor"};

constexpr Face kNoFace{};
constexpr Face kOkFace(std::string_view widget) {
    return {"CP_4.1-btn-ok.png", "picture_button_ok", widget};
}

// In ButtonKind order.
constexpr std::array kButtons = {
    ButtonFaces{ButtonKind::Text,
                "CalibrateMessageWindowController",
                {"", "picture_result_close", "btn_close"},
                {"", "picture_result_adjust", "btn_Start"}},
    ButtonFaces{ButtonKind::StartNormalCalibrate,
                "StartNormalCalibrateDlg",
                {"CP_1-btn-no.png", "picture_button_no", "btn_NO"},
                {"CP_1-btn-yes.png", "picture_button_yes", "btn_YES"}},
    ButtonFaces{ButtonKind::AbortMessage,
                "AbortWindowController",
                {"CP_1-btn-no.png", "picture_button_no", "btn_AbortNo"},
                {"CP_1-btn-yes.png", "picture_button_yes", "btn_AbortYes"}},
    ButtonFaces{ButtonKind::PoorEndNormalCal,
                "EndNormalCalibratePoorWindow",
                {"CP_4.2-btn-fc.png", "picture_button_finish", "btn_End_FinishCal"},
                {"CP_4.2-btn-sd.png", "picture_button_diagnose", "btn_End_StartDia"}},
    ButtonFaces{ButtonKind::StartDiagnosis,
                "StartDiagnosisWindow",
                {"SCPD_1-btn-c.png", "picture_button_cancel", "btn_cancel"},
                {"SCPD_1-btn-s.png", "picture_button_start", "btn_start"}},
    ButtonFaces{ButtonKind::CalibrateExcellent,
                "CalibrateExcellentWindow",
                {"", "picture_excellent_again", "btn_RetryDia"},
                {"", "picture_excellent_finish", "btn_FinishDia"}},
    ButtonFaces{ButtonKind::CheckCamPosition,
                "CheckCamPositionWindow",
                {"", "picture_advice_cancel", "btn_cancel"},
                {"", "picture_advice_start", "btn_Sd"}},
    ButtonFaces{ButtonKind::EndNormalCalibrate, "EndNormalCalibrateWindow", kNoFace,
                kOkFace("btn_EndNormalCal_OK")},
    ButtonFaces{ButtonKind::DeviceDoNotConnect, "DeviceDoNotConnectWindow", kNoFace,
                kOkFace("btn_OK")},
    ButtonFaces{ButtonKind::CalibrateNotSaved, "CalibrateNotSavedWindow", kNoFace,
                kOkFace("btn_OK")},
};

const HintPictures& hintPictures(HintCode hint) {
    return kHints[static_cast<std::size_t>(hint)];
}

} // namespace

std::optional<HintCode> hintCodeOf(std::int32_t stored) {
    for (const HintCode code : kHintCodes) {
        if (static_cast<std::int32_t>(code) == stored) {
            return code;
        }
    }
    return std::nullopt;
}

GradeClass gradeClassOf(std::int32_t areaErr) {
    for (const GradeClass grade : kGradeClasses) {
        if (static_cast<std::int32_t>(grade) == areaErr) {
            return grade;
        }
    }
    return GradeClass::Neutral;
}

std::string_view resultPicture(GradeClass grade, HintCode hint) {
    return hintPictures(hint).result[static_cast<std::size_t>(grade)];
}

std::string_view advicePicture(HintCode hint) {
    return hintPictures(hint).advice;
}

std::string_view gradeText(GradeClass grade) {
    return kGradeTexts[static_cast<std::size_t>(grade)];
}

std::string_view findingText(HintCode hint) {
    return hintPictures(hint).finding;
}

std::string_view adviceTitle(HintCode hint) {
    return hintPictures(hint).adviceTitle;
}

std::string_view adviceText(HintCode hint) {
    return hintPictures(hint).adviceText;
}

const ButtonFaces& buttonFaces(ButtonKind kind) {
    return kButtons[static_cast<std::size_t>(kind)];
}

std::span<const ButtonFaces> allButtonFaces() {
    return kButtons;
}

} // namespace eboard::layout
