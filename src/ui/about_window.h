#pragma once

#include "core/colour.h"
#include "widgets/picture_dialog.h"

class HighlightBar;
class Platform;

// The product information window: name, version, credits, and two links.
class AboutWindow final : public PictureDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(Platform& platform);

    static constexpr ColourRef backgroundColour = 0x00404040;

private:
    void openLink(HighlightBar* link, const QUrl& url);

    Platform& platform_;
    HighlightBar* makerLink_;
    HighlightBar* guideLink_;
};
