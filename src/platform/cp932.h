#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Reads text in CP932 (Windows-31J), the code page of Japanese Windows, in which older
// files of the program may be written. Nothing when the system has no such code page.
std::optional<QString> decodeCp932(const QByteArray& bytes);
