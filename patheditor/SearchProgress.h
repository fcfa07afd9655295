#pragma once

#include "media/MediaSearch.h"

#include <functional>
#include <string>

class QWidget;

namespace vt {

// Walks one search folder into the index; the window passes NameIndex::walk,
// tests a walk they can time.
using FolderWalk = std::function<void(const std::string& hostRoot, media::NameIndex& index,
                                      media::WalkProgress& progress, media::WalkSummary& summary)>;

FolderWalk nameIndexWalk();

// Runs the walk on a worker thread behind a modal progress dialog
// (frmSearchProgress) that shows the files seen and the folder being read;
// its Cancel stops the walk. The caller's window keeps painting meanwhile.
// False when the user cancelled.
bool walkWithProgress(QWidget* parent, const std::string& hostRoot, const FolderWalk& walk,
                      media::NameIndex& index, media::WalkSummary& summary);

} // namespace vt
