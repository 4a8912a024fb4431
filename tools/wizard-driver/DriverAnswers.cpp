#include "DriverAnswers.h"

#include "Escape.h"

#include <charconv>
#include <stdexcept>

namespace wizard_driver {

namespace {

[[noreturn]] void malformed(std::string_view what, std::string_view payload) {
    throw std::invalid_argument("malformed " + std::string(what) + " answer: \"" +
                                std::string(payload) + "\"");
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t begin = 0;;) {
        const std::size_t end = text.find(separator, begin);
        parts.push_back(text.substr(begin, end - begin));
        if (end == std::string_view::npos)
            return parts;
        begin = end + 1;
    }
}

// "name=value" -> value, or throws when the name differs.
std::string_view field(std::string_view token, std::string_view name, std::string_view payload) {
    if (token.size() <= name.size() || token.substr(0, name.size()) != name ||
        token[name.size()] != '=')
        malformed(name, payload);
    return token.substr(name.size() + 1);
}

template <typename Number>
Number number(std::string_view text, int base, std::string_view payload) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size())
        malformed("number", payload);
    return value;
}

ButtonState buttonState(std::string_view text, std::string_view payload) {
    if (text == "-")
        return ButtonState::Hidden;
    if (text == "0")
        return ButtonState::Disabled;
    if (text == "1")
        return ButtonState::Enabled;
    malformed("button state", payload);
}

bool flag(std::string_view text, std::string_view payload) {
    if (text != "0" && text != "1")
        malformed("flag", payload);
    return text == "1";
}

} // namespace

WizardState parseState(std::string_view payload) {
    const auto tokens = split(payload, ' ');
    if (tokens.size() != 6)
        malformed("state", payload);
    WizardState state;
    state.page = number<int>(field(tokens[0], "page", payload), 10, payload);
    state.back = buttonState(field(tokens[1], "back", payload), payload);
    state.next = buttonState(field(tokens[2], "next", payload), payload);
    state.finish = buttonState(field(tokens[3], "finish", payload), payload);
    state.cancel = buttonState(field(tokens[4], "cancel", payload), payload);
    state.help = buttonState(field(tokens[5], "help", payload), payload);
    return state;
}

std::vector<std::string> parseTexts(std::string_view payload) {
    std::vector<std::string> texts;
    if (payload.empty())
        return texts;
    for (std::string_view text : split(payload, '\t'))
        texts.push_back(unescapeText(text));
    return texts;
}

ListContents parseList(std::string_view payload) {
    const std::size_t space = payload.find(' ');
    ListContents list;
    list.selected = number<int>(field(payload.substr(0, space), "sel", payload), 10, payload);
    if (space == std::string_view::npos)
        return list;
    for (std::string_view entry : split(payload.substr(space + 1), '\t')) {
        const std::size_t equals = entry.rfind('=');
        if (equals == std::string_view::npos)
            malformed("list", payload);
        list.items.push_back({unescapeText(entry.substr(0, equals)),
                              number<std::uint64_t>(entry.substr(equals + 1), 16, payload)});
    }
    return list;
}

DialogInfo parseDialog(std::string_view payload) {
    // Button texts and the message may hold spaces, so fields are found by
    // their names; the message comes last and is the only escaped one.
    const std::size_t ownerAt = payload.find(" owner=");
    const std::size_t buttonsAt = payload.find(" buttons=", ownerAt);
    const std::size_t textAt = payload.find(" text=", buttonsAt);
    if (textAt == std::string_view::npos)
        malformed("dialog", payload);
    DialogInfo dialog;
    dialog.icon = flag(field(payload.substr(0, ownerAt), "icon", payload), payload);
    dialog.ownedByWizard = flag(
        field(payload.substr(ownerAt + 1, buttonsAt - ownerAt - 1), "owner", payload), payload);
    const std::string_view buttons =
        field(payload.substr(buttonsAt + 1, textAt - buttonsAt - 1), "buttons", payload);
    if (!buttons.empty()) {
        for (std::string_view button : split(buttons, ','))
            dialog.buttons.emplace_back(button);
    }
    dialog.text = unescapeText(payload.substr(textAt + 6));
    return dialog;
}

} // namespace wizard_driver
