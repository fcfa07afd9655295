#pragma once

#include "TestSupport.h"

#include "common/BusyPointer.h"
#include "common/FileDialogs.h"
#include "common/HelpFacility.h"
#include "platform/ProgramStarter.h"
#include "platform/ShellOpen.h"

#include <optional>

// Stand-ins for the platform seams, recording what the program asked of them.
namespace vt::test {

struct FakeBusyPointer : BusyPointer {
    bool isDefault() const override { return !hourglass; }
    void setHourglass() override { hourglass = true; }
    void setDefault() override { hourglass = false; }
    void processPending() override { ++pendingRuns; }

    bool hourglass = false;
    int pendingRuns = 0;
};

// Answers each dialog from a script; an empty script cancels.
struct ScriptedFileDialogs : FileDialogs {
    std::optional<std::string> choose(const FileDialogRequest& request) override {
        requests.push_back(request);
        return next(results, std::optional<std::string>());
    }

    std::optional<std::string> chooseFolder(const FolderDialogRequest& request) override {
        folderRequests.push_back(request);
        return next(folders, std::optional<std::string>());
    }

    std::deque<std::optional<std::string>> results;
    std::vector<FileDialogRequest> requests;
    std::deque<std::optional<std::string>> folders; // host folders
    std::vector<FolderDialogRequest> folderRequests;
};

struct FakeProgramStarter : ProgramStarter {
    struct Start { std::string commandLine, workingFolder; };
    Failure start(std::string_view commandLine, std::string_view workingFolder) override {
        starts.push_back({std::string(commandLine), std::string(workingFolder)});
        return Failure(failure);
    }

    std::vector<Start> starts;
    std::string failure; // what the next starts fail with; empty: they succeed
};

struct FakeShellOpener : ShellOpener {
    struct Call { std::string file, parameters, folder; };
    ShellResult open(std::string_view file, std::string_view parameters,
                     std::string_view folder) override {
        calls.push_back({std::string(file), std::string(parameters), std::string(folder)});
        return result;
    }

    std::vector<Call> calls;
    ShellResult result{42, {}};
};

// Records help requests as "contents", "topic 450", "search", "close".
struct RecordingHelp : HelpFacility {
    void showContents() override { requests.emplace_back("contents"); }
    void showTopic(int id) override { requests.push_back("topic " + std::to_string(id)); }
    void showSearch() override { requests.emplace_back("search"); }
    void close() override { requests.emplace_back("close"); }

    std::vector<std::string> requests;
};

} // namespace vt::test
