#include "core/state/JUXPrompt.h"

#include <array>

namespace eboard {

JUXPrompt& JUXPrompt::getPrompt() {
    // A function-local static is initialised exactly once, even when two threads
    // make the first call together.
    static JUXPrompt shared;
    return shared;
}

void JUXPrompt::setlocale(std::string_view localeIdentifier) {
    static constexpr std::array<std::string_view, 5> kLanguages = {"en", "zh", "ja", "fr", "de"};
    const std::string_view language = localeIdentifier.substr(0, localeIdentifier.find('_'));
    for (std::size_t i = 0; i < kLanguages.size(); ++i) {
        if (language == kLanguages[i]) {
            localeID_ = static_cast<std::int32_t>(i);
            return;
        }
    }
}

} // namespace eboard
