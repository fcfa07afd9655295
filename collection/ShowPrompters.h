#pragma once

#include "common/Prompter.h"

#include <functional>
#include <set>
#include <string>

namespace vt::collection {

// Passes messages on, noting that there were some; before the first it
// calls `first`, which names the show they are about.
class WatchedPrompter : public PassingPrompter {
  public:
    WatchedPrompter(Prompter& inner, std::function<void()> first = {})
        : PassingPrompter(inner), m_first(std::move(first)) {}

    Answer show(const Message& message) override {
        if (m_shown++ == 0 && m_first)
            m_first();
        if (message.icon == Icon::Critical || message.icon == Icon::Exclamation)
            m_trouble = true;
        return PassingPrompter::show(message);
    }

    int shown() const { return m_shown; }
    bool trouble() const { return m_trouble; }

  private:
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
class OnceEach : public PassingPrompter {
  public:
    using PassingPrompter::PassingPrompter;
    Answer show(const Message& message) override {
        if (message.buttons == Buttons::Ok && !m_seen.insert(message.text).second)
            return Answer::Ok;
        return PassingPrompter::show(message);
    }

  private:
    std::set<std::string> m_seen;
};

} // namespace vt::collection
