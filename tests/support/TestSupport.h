#pragma once

#include "common/Prompter.h"
#include "common/CodePage.h"
#include "platform/DriveMap.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace vt::test {

// The next entry of a script, or `otherwise` once it has run out.
template <class T> T next(std::deque<T>& script, T otherwise) {
    if (script.empty())
        return otherwise;
    T first = std::move(script.front());
    script.pop_front();
    return first;
}

// Records every message box and answers from a script: Yes (or OK) when the
// script has run out.
struct RecordingPrompter : Prompter {
    struct Input { std::string prompt, title, initial; int helpContext = 0; };

    Answer show(const Message& message) override {
        messages.push_back(message);
        return next(answers, message.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok);
    }
    std::string input(std::string_view prompt, std::string_view title, std::string_view initial,
                      int help) override {
        inputs.push_back({std::string(prompt), std::string(title), std::string(initial), help});
        return next(typed, std::string());
    }
    std::vector<std::string> texts() const; // of all messages, for whole-text comparisons

    std::vector<Message> messages;
    std::deque<Answer> answers;
    std::vector<Input> inputs;
    std::deque<std::string> typed; // what the user types into input boxes
};

// Undoes a change to the process's state when a test ends.
class Undo {
public:
    explicit Undo(std::function<void()> undo) : m_undo(std::move(undo)) {}
    ~Undo() { m_undo(); }
    Undo(const Undo&) = delete;
    Undo& operator=(const Undo&) = delete;

private:
    std::function<void()> m_undo;
};

// A fresh folder under the host's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string host(std::string_view name = {}) const { return m_root + std::string(name); }
    std::string win(std::string_view name = {}) const; // the same in Windows form
    void write(std::string_view name, std::string_view bytes) const;
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;

private:
    std::string m_root; // ends in '/'
};

// Sets (or, with nullptr, unsets) an environment variable for one test.
struct ScopedEnvironment : Undo {
    ScopedEnvironment(const std::string& name, const char* value);
};

// Makes map the program's drive map for one test.
struct ScopedDriveMap : Undo {
    explicit ScopedDriveMap(DriveMap map)
        : Undo([old = DriveMap::current()] { DriveMap::setCurrent(old); }) {
        DriveMap::setCurrent(std::move(map));
    }
};

// Makes number the program's code page for one test.
struct ScopedCodePage : Undo {
    explicit ScopedCodePage(int number)
        : Undo([old = codepage::active()] { codepage::setActive(old); }) {
        codepage::setActive(number);
    }
};

// Makes a host folder the current folder for one test.
struct ScopedCurrentFolder : Undo {
    explicit ScopedCurrentFolder(const std::string& hostFolder);
};

// CR LF after every line.
std::string crlfLines(const std::vector<std::string>& lines);
std::string inQuotes(std::string_view text);

// Builds the lines of a show file; every field has a plain default.
struct ShowFile {
    std::string version = "Version 3.0";
    int soundMode = 0;
    std::string mainSound;
    struct SlideLines { std::string file, text, sound, texture, text2; int setting6 = 1; };
    std::vector<SlideLines> slides;
    bool hasPlayList = false;
    std::vector<std::string> playList;

    std::vector<std::string> headerLines() const;
    std::vector<std::string> lines() const;
    std::string bytes() const { return crlfLines(lines()); }
};

} // namespace vt::test
