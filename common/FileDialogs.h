#pragma once

#include <optional>
#include <string>

namespace vt {

// One request to the common file dialog that the slide show commands share.
// The filter "Vantora Slide Show  (*.vts)" and the default extension ".vts"
// are fixed; the initial name is whatever the dialog last returned, to any
// command ("*.vts" before its first use). A Folder request picks a folder,
// existing or new, and leaves that name alone.
struct FileDialogRequest {
    enum class Kind { Open, Save, Folder };
    Kind kind = Kind::Open;
    std::string title;
    int flags = 0;       // the Windows OFN_ flags the command asks for
    int helpContext = 0; // the topic its Help button shows
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path in Windows form, or nullopt when the user cancels.
    virtual std::optional<std::string> choose(const FileDialogRequest& request) = 0;
};

} // namespace vt
