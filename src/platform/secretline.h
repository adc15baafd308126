#pragma once

#include <QString>
#include <optional>

namespace platform {

// One line from standard input, without its line end; nullopt when input
// ends before any character. On a terminal `prompt` is shown on standard
// error first and the typed characters are not echoed.
std::optional<QString> readSecretLine(const QString& prompt);

} // namespace platform
