#pragma once

#include <optional>
#include <string>

namespace vt {

// One request to the common file dialog that the slide show commands share.
// The filter "Vantora Slide Show  (*.vts)" and the default extension ".vts"
// are fixed; the initial name is whatever the dialog last returned, to any
// command ("*.vts" before its first use).
struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    std::string title;
    int flags = 0;       // the Windows OFN_ flags the command asks for
    int helpContext = 0; // the topic its Help button shows
};

// A folder to pick, such as where to search for missing files.
struct FolderDialogRequest {
    std::string title;
    std::string initialFolder; // a host folder
    int helpContext = 0;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path in Windows form, or nullopt when the user cancels.
    virtual std::optional<std::string> choose(const FileDialogRequest& request) = 0;
    // The chosen folder as a host path, or nullopt when the user cancels.
    virtual std::optional<std::string> chooseFolder(const FolderDialogRequest& request) = 0;
};

} // namespace vt
