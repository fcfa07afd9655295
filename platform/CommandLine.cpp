#include "platform/CommandLine.h"

#include "common/PathText.h"

#include <array>

namespace vt {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view skipBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view trimBlanks(std::string_view text) {
    text = skipBlanks(text);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The text after the last dot of the file name, dot included; "" when none.
std::string_view extensionOf(std::string_view path) {
    const std::string_view name = fileNamePart(path);
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

bool isSchemeChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' ||
           c == '-' || c == '.';
}

// A scheme of two characters or more: "C:" is a drive, not a scheme.
bool hasUrlScheme(std::string_view text) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || colon < 2)
        return false;
    const char first = text.front();
    if (!((first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z')))
        return false;
    for (char c : text.substr(0, colon)) {
        if (!isSchemeChar(c))
            return false;
    }
    return true;
}

} // namespace

std::vector<ProgramReading> programReadings(std::string_view commandLine) {
    const std::string_view line = skipBlanks(commandLine);
    if (line.empty())
        return {};
    if (line.front() == '"') {
        const std::string_view rest = line.substr(1);
        const auto close = rest.find('"');
        if (close == std::string_view::npos)
            return {{std::string(rest), {}}};
        return {
            {std::string(rest.substr(0, close)), std::string(skipBlanks(rest.substr(close + 1)))}};
    }
    std::vector<ProgramReading> readings;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (isBlank(line[i]) && !isBlank(line[i - 1]))
            readings.push_back(
                {std::string(line.substr(0, i)), std::string(skipBlanks(line.substr(i)))});
    }
    const std::string_view whole = trimBlanks(line);
    if (readings.empty() || readings.back().program != whole)
        readings.push_back({std::string(whole), {}});
    return readings;
}

std::vector<std::string> splitArguments(std::string_view text) {
    std::vector<std::string> arguments;
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        if (i == text.size())
            return arguments;
        std::string argument;
        bool quoted = false;
        while (i < text.size() && (quoted || !isBlank(text[i]))) {
            std::size_t backslashes = 0;
            while (i < text.size() && text[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < text.size() && text[i] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                } else if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
                    argument += '"'; // "" inside quotes is a literal quote
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, '\\');
                if (backslashes == 0 && i < text.size())
                    argument += text[i++];
            }
        }
        arguments.push_back(std::move(argument));
    }
}

std::string documentArgument(std::string_view arguments) {
    std::string_view text = trimBlanks(arguments);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return std::string(text);
}

std::string withProgramExtension(std::string_view program) {
    std::string file(program);
    if (extensionOf(program).empty())
        file += ".exe";
    return file;
}

std::string nativeProgramName(std::string_view program) {
    std::string name(fileNamePart(program));
    if (equalsIgnoringCase(extensionOf(name), ".exe"))
        name.resize(name.size() - 4);
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return name;
}

ShellTarget shellTargetOf(std::string_view file) {
    if (hasUrlScheme(file))
        return ShellTarget::Url;
    const std::string_view extension = extensionOf(file);
    static constexpr std::array<std::string_view, 4> programs = {".exe", ".com", ".bat", ".cmd"};
    for (std::string_view known : programs) {
        if (equalsIgnoringCase(extension, known))
            return ShellTarget::Program;
    }
    return ShellTarget::Document;
}

} // namespace vt
