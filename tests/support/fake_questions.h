#pragma once

#include "ui/questions.h"

#include <QStringList>
#include <vector>

// The user's scripted answers to the modal questions, and every question asked.
class FakeQuestions final : public Questions
{
public:
    struct Message
    {
        QString text;
        QString caption;
    };

    void showMessage(const QString& text, const QString& caption) override
    {
        messages.push_back({text, caption});
    }
    QString chooseOpenFile(const QString& title, const QString& filter, const QString& current) override
    {
        fileDialogs.append(title + u'|' + filter);
        fileDialogStarts.append(current);
        return fileChoices.isEmpty() ? QString() : fileChoices.takeFirst();
    }
    std::optional<ColourRef> chooseColour(ColourRef initial,
                                          const std::array<ColourRef, 16>& customColours) override
    {
        colourDialogs.push_back({initial, customColours});
        if (colourChoices.empty()) {
            return std::nullopt;
        }
        const std::optional<ColourRef> choice = colourChoices.front();
        colourChoices.erase(colourChoices.begin());
        return choice;
    }

    std::vector<Message> messages;

    // File dialogs shown (title and filter), and the user's next answers ("" cancels).
    QStringList fileDialogs;
    QStringList fileDialogStarts; // the file each opened at
    QStringList fileChoices;

    // Colour dialogs shown (the colour they opened on and their custom colours), and the
    // user's next answers (nothing cancels; with none scripted the dialog is cancelled).
    struct ColourDialog
    {
        ColourRef initial;
        std::array<ColourRef, 16> customColours;
    };
    std::vector<ColourDialog> colourDialogs;
    std::vector<std::optional<ColourRef>> colourChoices;
};
