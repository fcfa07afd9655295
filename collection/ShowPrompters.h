#pragma once

#include "common/Prompter.h"

#include <functional>
#include <set>
#include <string>

namespace vt::collection {

// Passes messages on, noting that there were some; before the first it
// calls `first`, which names the show they are about.
class WatchedPrompter : public Prompter {
  public:
    WatchedPrompter(Prompter& inner, std::function<void()> first = {})
        : m_inner(inner), m_first(std::move(first)) {}

    Answer show(const Message& message) override {
        if (m_shown++ == 0 && m_first)
            m_first();
        if (message.icon == Icon::Critical || message.icon == Icon::Exclamation)
            m_trouble = true;
        return m_inner.show(message);
    }
    std::string input(std::string_view prompt, std::string_view title, std::string_view initial,
                      int helpContext) override {
        return m_inner.input(prompt, title, initial, helpContext);
    }

    int shown() const { return m_shown; }
    bool trouble() const { return m_trouble; }

  private:
    Prompter& m_inner;
    std::function<void()> m_first;
    int m_shown = 0;
    bool m_trouble = false;
};

// Keeps what would have been shown, for a thread that may not show
// anything; questions are answered No.
class KeptMessages : public Prompter {
  public:
    Answer show(const Message& message) override {
        texts.push_back(message.text);
        return message.buttons == Buttons::YesNo      ? Answer::No
               : message.buttons == Buttons::OkCancel ? Answer::Cancel
                                                      : Answer::Ok;
    }
    std::string input(std::string_view, std::string_view, std::string_view, int) override {
        return {};
    }

    std::vector<std::string> texts;
};

// Shows each text once: the same change applied to many shows is refused
// once, not once per show.
class OnceEach : public Prompter {
  public:
    explicit OnceEach(Prompter& inner) : m_inner(inner) {}
    Answer show(const Message& message) override {
        if (message.buttons == Buttons::Ok && !m_seen.insert(message.text).second)
            return Answer::Ok;
        return m_inner.show(message);
    }
    std::string input(std::string_view prompt, std::string_view title, std::string_view initial,
                      int helpContext) override {
        return m_inner.input(prompt, title, initial, helpContext);
    }

  private:
    Prompter& m_inner;
    std::set<std::string> m_seen;
};

} // namespace vt::collection
