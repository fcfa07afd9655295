#include "slideshow/SlideShowModel.h"

#include <algorithm>

namespace vt {

SlideShowModel::SlideShowModel() : m_slides(MaxSlides + 1), m_playList(MaxPlayList) {}

Slide& SlideShowModel::slot(int index) {
    m_slotsUsed = std::max(m_slotsUsed, index + 1);
    return m_slides.at(static_cast<std::size_t>(index));
}

std::string& SlideShowModel::playListSlot(int index) {
    m_playListUsed = std::max(m_playListUsed, index + 1);
    return m_playList.at(static_cast<std::size_t>(index));
}

void SlideShowModel::clearSlidesAndPlayList() {
    for (int i = 0; i < m_slotsUsed; ++i) {
        Slide& s = m_slides[static_cast<std::size_t>(i)];
        // clear() keeps each text's storage for the next show.
        s.SlideFile.clear();
        s.SlideText.clear();
        s.SlideSound.clear();
        s.SlideTexture.clear();
        s.SlideText2.clear();
        s.SlideSetting1 = s.SlideSetting2 = s.SlideSetting3 = s.SlideSetting4 = 0;
        s.SlideSetting5 = s.SlideSetting7 = s.SlideSetting8 = 0;
        s.SlideSetting6 = 1;
        s.SlideSetting9 = 0;
    }
    for (int i = 0; i < m_playListUsed; ++i)
        m_playList[static_cast<std::size_t>(i)].clear();
    m_slotsUsed = 0;
    m_playListUsed = 0;
    PlayListCount = 0;
    PlayListPresent = false;
    PlayListFlag = false;
    PlayListText1.clear();
    PlayListText2.clear();
    PlayListAside.clear();
}

int countSlides(const SlideShowModel& model) {
    int count = 0;
    while (count < MaxSlides && !model.slide(count).SlideFile.empty())
        ++count;
    return count;
}

} // namespace vt
