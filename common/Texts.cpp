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

} // namespace vt
