#include "common/QtText.h"

#include "common/Cp1252.h"

namespace vt {

QString toQString(std::string_view cp1252) {
    const std::string utf8 = cp1252::toUtf8(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string fromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return cp1252::fromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString toDisplayText(std::string_view cp1252) {
    QString text = toQString(cp1252);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace vt
