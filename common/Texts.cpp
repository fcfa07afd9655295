#include "common/Texts.h"

#include <string>

namespace vt {

std::string failureText(std::string_view sentence, std::string_view description) {
    std::string text(sentence);
    text += BlankLine;
    text += description;
    text += "...";
    return text;
}

std::string joinedText(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (std::string_view part : parts)
        text += part;
    return text;
}

} // namespace vt
