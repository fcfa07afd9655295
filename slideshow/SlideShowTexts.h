#pragma once

#include <string_view>

// The messages of the slide show readers, the writer and the Open and Create
// commands.
namespace vt::texts {

inline constexpr std::string_view FileIdentifier = "Vantora Slide Show";
inline constexpr std::string_view Version3 = "Version 3.0";
inline constexpr std::string_view Version2 = "Version 2.0";
inline constexpr std::string_view PlayListMarker = "<PlayList>";

inline constexpr std::string_view UnableToOpen = "Unable to open slide show file.";
inline constexpr std::string_view NotAShow =
    "The selected file is not a valid Vantora slide show file...";
inline constexpr std::string_view NotAShowHint =
    "Filenames with .VTS in the last 4 positions are normally associated with Vantora files.";
inline constexpr std::string_view OtherReleaseStart =
    "The selected slide show file was created with a different release (";
inline constexpr std::string_view OtherReleaseEnd = ") of Vantora.";
inline constexpr std::string_view OtherReleaseHint =
    "Open the file in Vantora and then save it again.  Then try to open it with this utility...";
inline constexpr std::string_view HeaderFailure =
    "An error occurred while reading the slide show file header.";
inline constexpr std::string_view DataFailure = "An error occurred while reading slide show data.";
inline constexpr std::string_view DataFailureHint = "This may not be a valid slide show file...";
inline constexpr std::string_view SlideLimitStart = "The maximum of ";
inline constexpr std::string_view SlideLimitEnd = " slides has been reached.";
inline constexpr std::string_view SlideLimitHint =
    "Any remaining images in the slide show file will be ignored...";
inline constexpr std::string_view ProcessingFailure =
    "An error occurred while processing slide show data.";
inline constexpr std::string_view PlayListFailure =
    "There was a problem reading the Sound Play List from the selected slide show file, the "
    "remaining files will be skipped...";
inline constexpr std::string_view PlayListLimitStart = "The maximum number of ";
inline constexpr std::string_view PlayListLimitEnd =
    " sound files has been reached, unable to add the remaining files to the Play List...";

inline constexpr std::string_view UnableToSave = "Unable to save new slide show file.";
inline constexpr std::string_view HeaderWriteFailure =
    "An error occurred while trying to write the new slide show header.";
inline constexpr std::string_view DataWriteFailure =
    "An error occurred while saving new slide show data.";

inline constexpr std::string_view OpenTitle = "Open Slide Show File";
inline constexpr std::string_view CreateTitle = "Create Slide Show File";
inline constexpr std::string_view NoSourceYet = "-- Select an .VTS slide show file to edit.";
inline constexpr std::string_view NoDestinationYet =
    "-- Select path and name of new .VTS slide show file to create.";
inline constexpr std::string_view ReplaceSource =
    "You may not replace the opened slide show file, choose another filename and then try "
    "again...";
inline constexpr std::string_view NameNotStorable =
    "The filename has characters that a slide show file cannot hold, choose another filename "
    "and then try again...";
inline constexpr std::string_view ReplaceAppended =
    "You may not replace a slide show file you have specified to append, choose another "
    "filename and then try again...";
inline constexpr std::string_view AlreadyExists = "The specified filename already exists:";
inline constexpr std::string_view ReplaceQuestion = "Do you want to replace this file?";

} // namespace vt::texts
