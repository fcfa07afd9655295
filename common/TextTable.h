#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vt {

// Columns of text for the terminal, each as wide as its widest cell; the
// columns marked right-aligned (numbers) are padded on the left.
class TextTable {
  public:
    explicit TextTable(std::vector<std::string> header) { m_rows.push_back(std::move(header)); }
    void add(std::vector<std::string> row) { m_rows.push_back(std::move(row)); }
    bool empty() const { return m_rows.size() == 1; }

    void print(std::ostream& out, const std::vector<bool>& rightAligned) const;

  private:
    std::vector<std::vector<std::string>> m_rows;
};

} // namespace vt
