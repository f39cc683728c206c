#include "Cp932Text.h"

#include "report/Cp932.h"

namespace selen::shell {

QString fromCp932(std::string_view bytes)
{
    cp932::Conversion converted = cp932::toUtf8(bytes);
    if (converted.ok)
        return QString::fromStdString(converted.text);
    // Convert what can be converted, character by character.
    QString out;
    for (std::size_t pos = 0; pos < bytes.size();) {
        std::size_t len = cp932::charLength(bytes, pos);
        cp932::Conversion one = cp932::toUtf8(bytes.substr(pos, len));
        out += one.ok ? QString::fromStdString(one.text) : QString(QChar::ReplacementCharacter);
        pos += len;
    }
    return out;
}

std::optional<std::string> toCp932(const QString& text)
{
    cp932::Conversion converted = cp932::fromUtf8(text.toStdString());
    if (!converted.ok)
        return std::nullopt;
    return converted.text;
}

QString firstUnencodable(const QString& text)
{
    std::string utf8 = text.toStdString();
    cp932::Conversion converted = cp932::fromUtf8(utf8);
    if (converted.ok)
        return {};
    QString rest = QString::fromStdString(utf8.substr(converted.badOffset));
    return rest.left(!rest.isEmpty() && rest.at(0).isHighSurrogate() ? 2 : 1);
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace selen::shell
