#pragma once

#include "slideshow/SlideShowModel.h"

#include <string>
#include <string_view>

namespace vt {

class Prompter;

// Writes the model as a version 3.0 show at folder + name, replacing the
// file as a whole once the new one is complete. Failures are reported
// through the prompter and leave the file as it was. Afterwards, success or
// not, lastSlideShow names the file.
void WriteSlideShow(const SlideShowModel& model, std::string_view folder, std::string_view name,
                    Prompter& prompter, std::string& lastSlideShow);

// The bytes WriteSlideShow writes: lines 1 to 23, then the slides and the
// play list.
std::string headerBytes(const SlideShowModel& model);
void appendSlideBytes(const Slide& slide, std::string& out);
std::string playListBytes(const SlideShowModel& model);
// The whole file at once.
std::string slideShowBytes(const SlideShowModel& model);

} // namespace vt
