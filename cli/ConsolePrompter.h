#pragma once

#include "common/Prompter.h"

#include <iosfwd>

namespace vt {

// Message boxes as blocks on standard error: a line naming the kind of box,
// the text, for a question the answer given, then an empty line. Every
// question gets the same answer.
class ConsolePrompter : public Prompter {
public:
    ConsolePrompter(std::ostream& out, bool answerYes) : m_out(out), m_answerYes(answerYes) {}

    Answer show(const Message& message) override;
    std::string input(std::string_view prompt, std::string_view title, std::string_view initial,
                      int helpContext) override;

    // A message of vtshow's own: its text, then after an empty line the
    // name it is about (a host path as typed, in UTF-8), if any.
    void tell(Icon icon, std::string_view ownText, std::string_view name = {});

    // Whether an error or a warning has been shown.
    bool troubleShown() const { return m_trouble; }

private:
    std::ostream& m_out;
    bool m_answerYes;
    bool m_trouble = false;
};

} // namespace vt
