#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vt {

class Prompter;

// The shows to append to the opened one, in the order they were picked. With
// none picked the list holds the single placeholder line, which counts
// towards the limit like any other line.
class AppendList {
public:
    static constexpr int MaxAppendFiles = 100;

    AppendList() { reset(); }

    void reset();
    bool isEmpty() const { return m_empty; }
    const std::vector<std::string>& lines() const { return m_lines; }

    // False, after telling the user, when the list is full.
    bool hasRoom(Prompter& prompter) const;

    // Asks before appending the opened show itself or a show already in the
    // list; false when the user says No.
    bool confirm(std::string_view chosen, std::string_view sourcePath, Prompter& prompter) const;

    // Adds a path as the last line, replacing the placeholder.
    void add(std::string path);

private:
    std::vector<std::string> m_lines;
    bool m_empty = true;
};

} // namespace vt
