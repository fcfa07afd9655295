#pragma once

#include "slideshow/SlideShowModel.h"

#include <memory>
#include <string>
#include <vector>

namespace vt::test {

struct SlidePaths { std::string file, texture, sound; };

// A model as the readers leave it, without going through a file.
inline std::unique_ptr<SlideShowModel> makeModel(const std::vector<SlidePaths>& slides,
                                                 const std::vector<std::string>& playList = {},
                                                 const std::string& mainSound = {}) {
    auto model = std::make_unique<SlideShowModel>();
    for (const SlidePaths& paths : slides) {
        Slide& s = model->slot(model->SlideCount++);
        s.SlideFile = paths.file;
        s.SlideTexture = paths.texture;
        s.SlideSound = paths.sound;
    }
    for (const std::string& entry : playList)
        model->playListSlot(model->PlayListCount++) = entry;
    model->PlayListPresent = !playList.empty();
    model->MainSoundFile = mainSound;
    return model;
}

} // namespace vt::test
