#include "common/TextTable.h"

#include <algorithm>
#include <ostream>

namespace vt {
namespace {

// Characters, not bytes: UTF-8 continuation bytes take no room.
std::size_t width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

void TextTable::print(std::ostream& out, const std::vector<bool>& rightAligned) const {
    std::vector<std::size_t> widths(m_rows.front().size(), 0);
    for (const auto& row : m_rows) {
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], width(row[c]));
    }
    for (const auto& row : m_rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - width(row[c]), ' ');
            line += (c ? "  " : "") + (rightAligned[c] ? pad + row[c] : row[c] + pad);
        }
        out << line.substr(0, line.find_last_not_of(' ') + 1) << '\n';
    }
}

} // namespace vt
