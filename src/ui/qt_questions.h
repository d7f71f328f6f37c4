#pragma once

#include "ui/questions.h"

// Qt's message box, file dialog and colour dialog, each belonging to the window the
// user is working in.
class QtQuestions final : public Questions
{
public:
    void showMessage(const QString& text, const QString& caption) override;
    QString chooseOpenFile(const QString& title, const QString& filter, const QString& current) override;
    std::optional<ColourRef> chooseColour(ColourRef initial,
                                          const std::array<ColourRef, 16>& customColours) override;

private:
    QString lastFolder_; // where the last file was chosen
};
