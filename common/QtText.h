#pragma once

#include <QString>

#include <string>
#include <string_view>

// The program keeps text in the active code page; Qt shows UTF-16. These
// cross over.
namespace vt {

QString toQString(std::string_view text);
std::string fromQString(const QString& text);

// Message texts break lines with CR LF; Qt wants LF.
QString toDisplayText(std::string_view text);

} // namespace vt
