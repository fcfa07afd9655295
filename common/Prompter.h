#pragma once

#include <string>
#include <string_view>

namespace vt {

// The icon of a message box; it also tells how serious the message is.
enum class Icon { Critical, Exclamation, Information, Question };

enum class Buttons { Ok, OkCancel, YesNo };

enum class Answer { Ok, Cancel, Yes, No };

// One message box. The text is in the code page with CR LF between lines; the
// title is always the program's name.
struct Message {
    std::string text;
    Icon icon = Icon::Information;
    Buttons buttons = Buttons::Ok;
};

// Everything the core wants to tell or ask the user goes through here, so
// that the window, the command-line tool and the tests each answer in their
// own way.
class Prompter {
public:
    virtual ~Prompter() = default;

    virtual Answer show(const Message& message) = 0;

    // An input box; the empty text when the user cancels.
    virtual std::string input(std::string_view prompt, std::string_view title,
                              std::string_view initial, int helpContext) = 0;

    void inform(std::string text) { show({std::move(text), Icon::Information, Buttons::Ok}); }
    void warn(std::string text) { show({std::move(text), Icon::Exclamation, Buttons::Ok}); }
    void fail(std::string text) { show({std::move(text), Icon::Critical, Buttons::Ok}); }
    // A Yes/No question; only No stops the command.
    bool askYesNo(std::string text) {
        return show({std::move(text), Icon::Question, Buttons::YesNo}) != Answer::No;
    }
    // An OK/Cancel confirmation; only Cancel stops the command.
    bool confirmOkCancel(std::string text, Icon icon) {
        return show({std::move(text), icon, Buttons::OkCancel}) != Answer::Cancel;
    }
};

// Passes everything on to another prompter: the base of those that only
// look at, change or hold back some messages on their way.
class PassingPrompter : public Prompter {
public:
    explicit PassingPrompter(Prompter& inner) : m_inner(inner) {}

    Answer show(const Message& message) override { return m_inner.show(message); }
    std::string input(std::string_view prompt, std::string_view title, std::string_view initial,
                      int helpContext) override {
        return m_inner.input(prompt, title, initial, helpContext);
    }

private:
    Prompter& m_inner;
};

} // namespace vt
