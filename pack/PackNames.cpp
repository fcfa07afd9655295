#include "pack/PackNames.h"

#include "common/PathText.h"

#include <algorithm>
#include <array>

namespace vt::pack {
namespace {

bool forbidden(unsigned char c) {
    return c < 0x20 ||
           std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

// CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9: with any extension
// Windows opens the device instead of the file.
bool isDeviceName(std::string_view name) {
    std::string base = upperCase(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    static constexpr std::array<std::string_view, 4> Plain{"CON", "PRN", "AUX", "NUL"};
    for (std::string_view device : Plain)
        if (base == device)
            return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
           base[3] >= '1' && base[3] <= '9';
}

void trimTrailingDotsAndBlanks(std::string& name) {
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.pop_back();
}

// Splits at the last dot that is not the first character: "a.b.jpg" gives
// "a.b" and ".jpg"; ".profile" has no extension.
std::size_t extensionStart(std::string_view name) {
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos || dot == 0 ? name.size() : dot;
}

} // namespace

std::string windowsSafeName(std::string_view name) {
    std::string safe(name);
    for (char& c : safe)
        if (forbidden(static_cast<unsigned char>(c)))
            c = '_';
    trimTrailingDotsAndBlanks(safe);
    if (safe.empty())
        return "_";
    if (isDeviceName(safe)) // Windows reads the device name up to the first dot
        safe.insert(std::min(safe.find('.'), safe.size()), "_");
    return safe;
}

std::string cutName(std::string_view name, std::size_t limit) {
    if (name.size() <= limit)
        return std::string(name);
    const std::size_t dot = extensionStart(name);
    const std::string_view extension = name.substr(dot);
    if (extension.size() + 1 > limit)
        return {};
    std::string cut(name.substr(0, limit - extension.size()));
    trimTrailingDotsAndBlanks(cut); // the cut may end in what Windows drops
    if (cut.empty())
        return {};
    return windowsSafeName(cut + std::string(extension));
}

bool NameSet::contains(std::string_view name) const {
    return m_upper.contains(upperCase(name));
}

void NameSet::add(std::string_view name) {
    m_upper.insert(upperCase(name));
}

std::string NameSet::claim(std::string_view name, std::size_t limit) {
    std::string candidate = cutName(name, limit);
    const std::size_t dot = extensionStart(name);
    for (int number = 2; !candidate.empty() && contains(candidate); ++number) {
        const std::string suffix = " (" + std::to_string(number) + ")";
        const std::string_view extension = name.substr(dot);
        if (suffix.size() + extension.size() + 1 > limit)
            return {};
        std::string base(name.substr(0, std::min(dot, limit - suffix.size() - extension.size())));
        candidate = base + suffix + std::string(extension);
    }
    if (!candidate.empty())
        add(candidate);
    return candidate;
}

} // namespace vt::pack
