#pragma once

#include "core/colour.h"
#include "widgets/picture_dialog.h"

class HighlightBar;
class DesktopShell;
class Questions;

// The product information window: name, version, credits, and two links.
class AboutWindow final : public PictureDialog
{
    Q_OBJECT

public:
    // `dataFolder` holds the user guide.
    AboutWindow(DesktopShell& shell, Questions& questions, QString dataFolder);

    static constexpr ColourRef backgroundColour = 0x00404040;

private:
    void openLink(HighlightBar* link, const QUrl& url);

    DesktopShell& shell_;
    Questions& questions_;
    QString dataFolder_;
    HighlightBar* makerLink_;
    HighlightBar* guideLink_;
};
