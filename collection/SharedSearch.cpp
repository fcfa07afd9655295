#include "collection/SharedSearch.h"

#include "common/CodePage.h"
#include "common/Prompter.h"
#include "common/Texts.h"
#include "media/MediaTexts.h"

namespace vt::collection {

bool SharedSearch::ready(Prompter& prompter) {
    if (!m_walked) {
        m_walked = true;
        media::WalkProgress progress;
        for (const std::string& root : m_roots)
            m_index.walk(root, progress, m_summary);
        for (const std::string& bad : m_summary.badRoots)
            prompter.fail(std::string(texts::SearchFolderUnreadable) + std::string(BlankLine) +
                          codepage::fromUtf8(bad));
    }
    return m_summary.badRoots.empty();
}

void relinkModel(SlideShowModel& model, PathEditor& editor, const media::MediaCheck& before,
                 const media::NameIndex& index, Prompter& prompter) {
    const media::Proposals proposals = media::propose(before, index);
    media::applyProposals(editor, before, proposals, prompter);
    editor.commit(model);
}

} // namespace vt::collection
