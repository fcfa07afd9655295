#pragma once

#include "media/MediaSearch.h"
#include "patheditor/PathEditor.h"

#include <string>
#include <vector>

namespace vt {
class Prompter;
}

namespace vt::collection {

// The search folders of a run, walked once, when the first show needs them,
// into one index for every show.
class SharedSearch {
  public:
    explicit SharedSearch(std::vector<std::string> hostRoots) : m_roots(std::move(hostRoots)) {}

    // Walks on the first call. False, told once, when a search folder does
    // not exist or cannot be read.
    bool ready(Prompter& prompter);
    bool walked() const { return m_walked; }

    const media::NameIndex& index() const { return m_index; }
    const media::WalkSummary& summary() const { return m_summary; }

  private:
    std::vector<std::string> m_roots;
    media::NameIndex m_index;
    media::WalkSummary m_summary;
    bool m_walked = false;
};

// Moves the paths of the model to where the index found its missing files,
// as relink does for one show. The model holds the result.
void relinkModel(SlideShowModel& model, PathEditor& editor, const media::MediaCheck& before,
                 const media::NameIndex& index, Prompter& prompter);

// Missing and not mappable files together: what still has to be found.
inline int problemCount(const media::MediaCheck& check) { return check.missing + check.notMappable; }

} // namespace vt::collection
