#pragma once

#include "slideshow/SlideShowModel.h"

#include <memory>
#include <string>
#include <vector>

namespace vt::test {

struct SlidePaths {
    std::string file, texture, sound;
};

// A model as the readers leave it, without going through a file.
inline std::unique_ptr<SlideShowModel> makeModel(const std::vector<SlidePaths>& slides,
                                                 const std::vector<std::string>& playList = {},
                                                 const std::string& mainSound = {}) {
    auto model = std::make_unique<SlideShowModel>();
    for (std::size_t i = 0; i < slides.size(); ++i) {
        Slide& s = model->slot(static_cast<int>(i));
        s.SlideFile = slides[i].file;
        s.SlideTexture = slides[i].texture;
        s.SlideSound = slides[i].sound;
    }
    model->SlideCount = static_cast<int>(slides.size());
    for (std::size_t i = 0; i < playList.size(); ++i)
        model->playListSlot(static_cast<int>(i)) = playList[i];
    model->PlayListCount = static_cast<int>(playList.size());
    model->PlayListPresent = !playList.empty();
    model->MainSoundFile = mainSound;
    return model;
}

} // namespace vt::test
