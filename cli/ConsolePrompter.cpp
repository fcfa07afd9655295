#include "cli/ConsolePrompter.h"

#include "cli/TerminalText.h"

#include <ostream>

namespace vt {
namespace {

std::string_view kindLine(Icon icon) {
    switch (icon) {
    case Icon::Critical:
        return "error:";
    case Icon::Exclamation:
        return "warning:";
    case Icon::Question:
        return "question:";
    case Icon::Information:
        break;
    }
    return "note:";
}

std::string terminalText(std::string_view codePageText) {
    std::string text = cli::toTerminal(codePageText);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

} // namespace

Answer ConsolePrompter::show(const Message& message) {
    if (message.icon == Icon::Critical || message.icon == Icon::Exclamation)
        m_trouble = true;
    m_out << kindLine(message.icon) << '\n' << terminalText(message.text) << '\n';
    Answer answer = Answer::Ok;
    if (message.buttons == Buttons::YesNo) {
        answer = m_answerYes ? Answer::Yes : Answer::No;
        m_out << "answer: " << (m_answerYes ? "Yes" : "No") << '\n';
    } else if (message.buttons == Buttons::OkCancel) {
        answer = m_answerYes ? Answer::Ok : Answer::Cancel;
        m_out << "answer: " << (m_answerYes ? "OK" : "Cancel") << '\n';
    }
    m_out << '\n';
    m_out.flush();
    return answer;
}

std::string ConsolePrompter::input(std::string_view, std::string_view, std::string_view, int) {
    return {}; // nobody to type: as if the input box were cancelled
}

} // namespace vt
