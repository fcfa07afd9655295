#pragma once

#include "slideshow/SlideShowModel.h"

#include <memory>
#include <string>

namespace vt::bench {

// The largest show the model holds, each slide in a folder of its own, with
// its own sound folder, a shared texture folder and a full play list: the
// most rows the path editor's lists can get.
inline std::unique_ptr<SlideShowModel> largeShow() {
    auto model = std::make_unique<SlideShowModel>();
    for (int i = 0; i < MaxSlides; ++i) {
        Slide& s = model->slot(i);
        const std::string n = std::to_string(i);
        s.SlideFile = "C:\\Shows\\Folder" + n + "\\Picture" + n + ".jpg";
        s.SlideTexture = "C:\\Textures\\Set" + std::to_string(i % 50) + "\\t.bmp";
        s.SlideSound =
            i % 3 == 0 ? std::to_string(i % 99 + 1) : "C:\\Sounds\\Album" + n + "\\s.wav";
    }
    model->SlideCount = MaxSlides;
    for (int i = 0; i < MaxPlayList; ++i)
        model->playListSlot(i) = "C:\\Music\\List" + std::to_string(i) + "\\song.mp3";
    model->PlayListCount = MaxPlayList;
    model->PlayListPresent = true;
    model->MainSoundFile = "C:\\Music\\theme.mid";
    return model;
}

} // namespace vt::bench
