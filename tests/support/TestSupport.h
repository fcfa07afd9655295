#pragma once

#include "common/Prompter.h"
#include "platform/DriveMap.h"

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vt::test {

// Records every message box and answers from a script: Yes (or OK) when the
// script has run out.
class RecordingPrompter : public Prompter {
public:
    struct Input {
        std::string prompt, title, initial;
        int helpContext = 0;
    };

    Answer show(const Message& message) override;
    std::string input(std::string_view prompt, std::string_view title, std::string_view initial,
                      int helpContext) override;

    std::vector<Message> messages;
    std::deque<Answer> answers;
    std::vector<Input> inputs;
    std::deque<std::string> typed; // what the user types into input boxes

    // The texts of all messages, for whole-text comparisons.
    std::vector<std::string> texts() const;
};

// A fresh folder under the host's temporary folder, removed afterwards.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string host(std::string_view name = {}) const; // a host path inside
    std::string win(std::string_view name = {}) const;  // the same in Windows form
    void write(std::string_view name, std::string_view bytes) const;
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;

private:
    std::string m_root; // ends in '/'
};

// Sets (or, with nullptr, unsets) an environment variable for one test and
// puts the old value back afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(std::string name, const char* value);
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

// Makes map the program's drive map for one test.
class ScopedDriveMap {
public:
    explicit ScopedDriveMap(DriveMap map);
    ~ScopedDriveMap();
    ScopedDriveMap(const ScopedDriveMap&) = delete;
    ScopedDriveMap& operator=(const ScopedDriveMap&) = delete;

private:
    DriveMap m_old;
};

// Makes folder the current folder for one test.
class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const std::string& hostFolder);
    ~ScopedCurrentFolder();
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;

private:
    std::string m_old;
};

// CR LF after every line.
std::string crlfLines(const std::vector<std::string>& lines);

// Builds the lines of a show file; every field has a plain default.
struct ShowFile {
    std::string version = "Version 3.0";
    int soundMode = 0;
    std::string mainSound;
    struct SlideLines {
        std::string file, text, sound, texture, text2;
        int setting6 = 1;
    };
    std::vector<SlideLines> slides;
    bool hasPlayList = false;
    std::vector<std::string> playList;

    std::vector<std::string> headerLines() const;
    std::vector<std::string> lines() const;
    std::string bytes() const { return crlfLines(lines()); }
};

std::string inQuotes(std::string_view text);

} // namespace vt::test
