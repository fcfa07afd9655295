#include "common/PathText.h"

#include "common/CodePage.h"

#include <array>

namespace vt {
namespace {

// Looked up once per text: the code page is the same for all of it.
char upper(const std::array<unsigned char, 256>& capitals, char c) {
    return static_cast<char>(capitals[static_cast<unsigned char>(c)]);
}

} // namespace

std::string_view folderPart(std::string_view path) {
    const auto slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash + 1);
}

std::string_view fileNamePart(std::string_view path) {
    const auto slash = path.rfind('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string withTrailingBackslash(std::string text) {
    if (text.empty() || text.back() != '\\')
        text += '\\';
    return text;
}

std::string upperCase(std::string_view text) {
    const auto& capitals = codepage::capitals();
    std::string out(text);
    for (char& c : out)
        c = upper(capitals, c);
    return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    const auto& capitals = codepage::capitals();
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upper(capitals, a[i]) != upper(capitals, b[i]))
            return false;
    }
    return true;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::string trimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

} // namespace vt
