#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace selen::shell {

// CP932 bytes as a QString for display. Bytes that are not CP932 show as the
// replacement character; the model keeps the bytes.
QString fromCp932(std::string_view bytes);

// The QString as CP932 bytes, or nothing when a character has no CP932 form.
std::optional<std::string> toCp932(const QString& text);

// The first character of `text` without a CP932 form, for the message.
QString firstUnencodable(const QString& text);

QString fromUtf8(std::string_view text);

}  // namespace selen::shell
