#pragma once

#include <string_view>

// The words the media check and the name search report with.
namespace vt::texts {

inline constexpr std::string_view SlideSection = "slide";
inline constexpr std::string_view TextureSection = "texture";
inline constexpr std::string_view MainSoundSection = "main sound";
inline constexpr std::string_view SlideSoundSection = "slide sound";
inline constexpr std::string_view PlayListSection = "play list";

} // namespace vt::texts
