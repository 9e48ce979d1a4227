#pragma once

#include <span>
#include <string>

namespace eboard {

// The one language the agent speaks, for its texts, the pictures they name and where
// those pictures' click areas lie: the first of the user's languages (most wanted first,
// as "de-CH", "zh_Hans_CN" or "fr") that one of the agent's translations serves, else
// English. A wanted name is tried whole, then without its last part, down to the
// language alone, ignoring case and taking '-' as '_'. Returns one of `translations`
// (as given there) or "en".
std::string chooseUiLanguage(std::span<const std::string> wanted,
                             std::span<const std::string> translations);

} // namespace eboard
