#pragma once

namespace vt {

// The program's help, on the help file VTUtil.HLP in the program folder.
// Context numbers: 10 main window and About box, 450 path editor, 460
// listing options, 470 / 480 / 500 the Open, Append and Create file dialogs,
// 520 the window "Check Slide Shows in Folder...", 530 the pack folder dialog
// and window.
class HelpFacility {
public:
    virtual ~HelpFacility() = default;
    virtual void showContents() = 0;
    virtual void showTopic(int contextId) = 0;
    // Topic 10, then the search over it.
    virtual void showSearch() = 0;
    virtual void close() = 0;
};

} // namespace vt
