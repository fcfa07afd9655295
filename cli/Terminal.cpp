#include "cli/Terminal.h"

#include "cli/TerminalText.h"
#include "common/CodePage.h"

namespace vt::cli {
namespace {

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

void appendEscaped(std::string& out, unsigned char byte) {
    constexpr char Hex[] = "0123456789ABCDEF";
    out += "\\x";
    out += Hex[byte >> 4];
    out += Hex[byte & 0x0F];
}

// Escapes every control byte but those in keep. In UTF-8 the C1 controls
// (U+0080 to U+009F, which some terminals obey too) are escaped as well:
// the code page gives them for the bytes it leaves undefined.
std::string escaped(std::string_view text, std::string_view keep, bool utf8) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool c1 = utf8 && static_cast<unsigned char>(c) == 0xC2 && i + 1 < text.size() &&
                        (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80;
        if (c1)
            appendEscaped(out, static_cast<unsigned char>(text[++i]));
        else if (isControl(c) && keep.find(c) == std::string_view::npos)
            appendEscaped(out, static_cast<unsigned char>(c));
        else
            out += c;
    }
    return out;
}

} // namespace

std::string terminalHostText(std::string_view utf8) {
    return utf8ToTerminal(escaped(utf8, {}, true));
}

std::string listingText(std::string_view bytes) {
    return utf8ToTerminal(escaped(codepage::toUtf8(bytes), "\t\r\n", true));
}

std::string terminalText(std::string_view windowsText) {
    std::string out;
    for (std::size_t start = 0;;) {
        const std::size_t end = windowsText.find("\r\n", start);
        out += terminalHostText(codepage::toUtf8(windowsText.substr(start, end - start)));
        if (end == std::string_view::npos)
            return out;
        out += '\n';
        start = end + 2;
    }
}

} // namespace vt::cli
