#pragma once

#include "platform/platform.h"

// The desktop as Qt provides it, on Linux and on Windows alike.
class QtPlatform final : public Platform
{
public:
    LocalTime now() const override;
    QString programFolder() const override;
    void showMessage(const QString& text, const QString& caption) override;
};
