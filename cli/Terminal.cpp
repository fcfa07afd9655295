#include "cli/Terminal.h"

#include "common/Cp1252.h"

namespace vt::cli {
namespace {

bool isControl(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
}

void appendEscaped(std::string& out, char c) {
    constexpr char Hex[] = "0123456789ABCDEF";
    const auto byte = static_cast<unsigned char>(c);
    out += "\\x";
    out += Hex[byte >> 4];
    out += Hex[byte & 0x0F];
}

// Escapes every control byte but those in keep.
std::string escaped(std::string_view text, std::string_view keep) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (isControl(c) && keep.find(c) == std::string_view::npos)
            appendEscaped(out, c);
        else
            out += c;
    }
    return out;
}

} // namespace

std::string terminalHostText(std::string_view utf8) {
    return escaped(utf8, {});
}

std::string listingText(std::string_view bytes) {
    return escaped(bytes, "\t\r\n");
}

std::string terminalText(std::string_view windowsText) {
    std::string out;
    out.reserve(windowsText.size());
    std::size_t plain = 0; // start of the run not yet converted
    const auto flush = [&](std::size_t end) {
        out += cp1252::toUtf8(windowsText.substr(plain, end - plain));
    };
    for (std::size_t i = 0; i < windowsText.size(); ++i) {
        const char c = windowsText[i];
        if (!isControl(c))
            continue;
        flush(i);
        const bool crlf = c == '\r' && i + 1 < windowsText.size() && windowsText[i + 1] == '\n';
        if (crlf)
            out += '\n';
        else
            appendEscaped(out, c);
        i += crlf ? 1 : 0;
        plain = i + 1;
    }
    flush(windowsText.size());
    return out;
}

} // namespace vt::cli
