#pragma once

#include <QString>

#include <string>
#include <string_view>

// The program keeps Windows-1252 text; Qt shows UTF-16. These cross over.
namespace vt {

QString toQString(std::string_view cp1252);
std::string fromQString(const QString& text);

// Message texts break lines with CR LF; Qt wants LF.
QString toDisplayText(std::string_view cp1252);

} // namespace vt
