#include "core/base/UiLanguage.h"

#include <algorithm>
#include <cctype>

namespace eboard {

namespace {

std::string normalised(std::string name) {
    std::replace(name.begin(), name.end(), '-', '_');
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

const std::string* translationFor(std::string name, std::span<const std::string> translations) {
    for (name = normalised(std::move(name)); !name.empty();) {
        const auto found = std::find_if(
            translations.begin(), translations.end(),
            [&name](const std::string& translation) { return normalised(translation) == name; });
        if (found != translations.end()) {
            return &*found;
        }
        const std::size_t last = name.rfind('_');
        name.resize(last == std::string::npos ? 0 : last);
    }
    return nullptr;
}

} // namespace

std::string chooseUiLanguage(std::span<const std::string> wanted,
                             std::span<const std::string> translations) {
    for (const std::string& name : wanted) {
        if (const std::string* translation = translationFor(name, translations)) {
            return *translation;
        }
    }
    return "en";
}

} // namespace eboard
