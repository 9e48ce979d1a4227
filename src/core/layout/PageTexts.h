#pragma once
// The words of the full-screen pages as text keys: each page's title and the paragraphs
// under it, in reading order. The pages draw their texts from here, the picture generator
// sets the pictures' words from here, and the windows tell assistive technologies what
// they say from the same keys.

#include "core/layout/Pictures.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace eboard::layout {

// The string table a key is in: the windows' own texts ("Localizable") or the words
// drawn into the pictures ("Pictures").
enum class TextTable : std::uint8_t { Windows, Pictures };

struct PageTexts {
    TextTable table;
    std::string_view title;
    std::array<std::string_view, 2> content; // an empty key is no paragraph
};

// The camera preview: the title above the frame, the instruction and the way out below.
inline constexpr std::string_view kPreviewTitle = "previewStringTitle";
inline constexpr std::string_view kPreviewInstruction = "previewString";
inline constexpr std::string_view kPreviewExit = "previewStringExit";
inline constexpr PageTexts kPreviewTexts{
    TextTable::Windows, kPreviewTitle, {kPreviewInstruction, kPreviewExit}};

// The target screen's block in the middle.
inline constexpr std::string_view kTargetTitle = "calibrateStringTitle";
inline constexpr std::string_view kTargetInstruction = "calibrateString";
inline constexpr PageTexts kTargetTexts{TextTable::Windows, kTargetTitle, {kTargetInstruction}};

// The stop confirmation, leaving a calibration (type 0) or a diagnosis (any other type).
PageTexts stopTexts(std::int32_t type);

// The picture pages' words besides those chosen by grade and hint code.
inline constexpr std::string_view kResultNext = "picture_result_next";
inline constexpr std::string_view kExcellentTitle = "picture_excellent_title";
inline constexpr std::string_view kExcellentText = "picture_excellent";
inline constexpr std::string_view kAdviceCaption = "picture_advice_caption";

// The result page: the grade, then the finding and what to choose next.
PageTexts resultTexts(GradeClass grade, HintCode hint);
PageTexts excellentTexts();
// The advice for a hint code; without one the page shows no picture and is named by the
// advice pictures' caption alone.
PageTexts adviceTexts(std::optional<HintCode> hint);

} // namespace eboard::layout
