#include "settings/PreferencesCommands.h"

#include "common/Prompter.h"
#include "common/Texts.h"
#include "platform/FileSystem.h"
#include "platform/ProgramStarter.h"
#include "settings/Settings.h"
#include "settings/SettingsTexts.h"

namespace vt {
namespace {

std::string resetQuestion() {
    return joinedText({texts::ResetQuestionStart, BlankLine, PreferencesFile(), BlankLine,
                       texts::ResetQuestionFile, BlankLine, texts::ResetQuestionHint});
}

} // namespace

void resetPreferences(Prompter& prompter) {
    if (!prompter.confirmOkCancel(resetQuestion(), Icon::Information))
        return;
    if (const Failure failure = files::deleteFile(PreferencesFile()))
        prompter.warn(failureText(texts::UnableToDeletePreferences, failure));
}

void editPreferences(ProgramStarter& starter, Prompter& prompter) {
    // Unquoted: Notepad takes the whole rest of the line as the file's name.
    const std::string commandLine = std::string(texts::NotepadCommand) + PreferencesFile();
    if (const Failure failure = starter.start(commandLine))
        prompter.fail(failureText(texts::UnableToStartNotepad, failure));
}

} // namespace vt
