#include "core/layout/PageTexts.h"

namespace eboard::layout {

PageTexts stopTexts(std::int32_t type) {
    if (type == 0) {
        return {TextTable::Windows, "ExitCalTitle", {"ExitCal"}};
    }
    return {TextTable::Windows, "ExitDiaTitle", {"ExitDia"}};
}

PageTexts resultTexts(GradeClass grade, HintCode hint) {
    return {TextTable::Pictures, gradeText(grade), {findingText(hint), kResultNext}};
}

PageTexts excellentTexts() {
    return {TextTable::Pictures, kExcellentTitle, {kExcellentText}};
}

PageTexts adviceTexts(std::optional<HintCode> hint) {
    if (!hint) {
        return {TextTable::Pictures, kAdviceCaption, {}};
    }
    return {TextTable::Pictures, adviceTitle(*hint), {adviceText(*hint)}};
}

} // namespace eboard::layout
