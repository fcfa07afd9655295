#pragma once

#include <QIcon>

namespace vt {

// The program's own pictures live in the vtgui library, which the linker
// would otherwise leave out; every window that shows one loads them first.
void loadProgramPictures();

// The picture on every Help button.
QIcon helpPicture();

} // namespace vt
