#include "slideshow/AppendList.h"

#include "common/Numbers.h"
#include "common/PathText.h"
#include "common/Prompter.h"
#include "common/Texts.h"
#include "slideshow/AppendTexts.h"

namespace vt {

void AppendList::reset() {
    m_lines.assign(1, std::string(AppendPlaceholder));
    m_empty = true;
}

bool AppendList::hasRoom(Prompter& prompter) const {
    if (static_cast<int>(m_lines.size()) < MaxAppendFiles)
        return true;
    prompter.inform(std::string(texts::AppendLimitStart) + formatCount(MaxAppendFiles) +
                    std::string(texts::AppendLimitEnd) + std::string(BlankLine) +
                    std::string(texts::AppendLimitHint));
    return false;
}

bool AppendList::confirm(std::string_view chosen, std::string_view sourcePath,
                         Prompter& prompter) const {
    if (equalsIgnoringCase(chosen, sourcePath) &&
        !prompter.askYesNo(std::string(texts::AppendSameAsSource) + std::string(BlankLine) +
                           std::string(texts::AppendAnyway)))
        return false;
    if (m_empty)
        return true;
    for (const std::string& line : m_lines) {
        if (equalsIgnoringCase(chosen, line))
            return prompter.askYesNo(std::string(texts::AppendAlreadyListed) +
                                     std::string(BlankLine) + std::string(texts::AppendAgain));
    }
    return true;
}

void AppendList::add(std::string path) {
    if (m_empty)
        m_lines.clear();
    m_empty = false;
    m_lines.push_back(std::move(path));
}

} // namespace vt
