#pragma once

#include "settings_store/colour.h"
#include "widgets/picture_dialog.h"

class Form1;
class HighlightBar;
class ImageButton;

// The product information window: name, version, credits, and two links.
class Seihin final : public PictureDialog
{
    Q_OBJECT

public:
    // Shows the window; when it is already open, brings that one forward.
    static Seihin* open(Form1& form1);

    HighlightBar* makerLink() const { return Btn1a; }
    HighlightBar* guideLink() const { return Btn2a; }
    ImageButton* closeButton() const { return Btn_CloseS; }

    static constexpr ColourRef backgroundColour = 0x00404040;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    explicit Seihin(Form1& form1);
    void openLink(HighlightBar* link, const QUrl& url);

    Form1& form1_;
    HighlightBar* Btn1a;
    HighlightBar* Btn2a;
    ImageButton* Btn_CloseS;
};
