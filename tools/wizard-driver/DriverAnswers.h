#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wizard_driver {

// Parsers for the payload of "ok ..." answers (the text after "ok ").
// Malformed input throws std::invalid_argument.

enum class ButtonState { Hidden, Disabled, Enabled };

struct WizardState {
    int page = -1;
    ButtonState back = ButtonState::Hidden;
    ButtonState next = ButtonState::Hidden;
    ButtonState finish = ButtonState::Hidden;
    ButtonState cancel = ButtonState::Hidden;
    ButtonState help = ButtonState::Hidden;
};

struct ListItem {
    std::string text;
    std::uint64_t data = 0;
};

struct ListContents {
    int selected = -1;
    std::vector<ListItem> items;
};

struct DialogInfo {
    bool icon = false;
    bool ownedByWizard = false;
    std::vector<std::string> buttons;
    std::string text;
};

WizardState parseState(std::string_view payload);
std::vector<std::string> parseTexts(std::string_view payload);
ListContents parseList(std::string_view payload);
DialogInfo parseDialog(std::string_view payload);

} // namespace wizard_driver
