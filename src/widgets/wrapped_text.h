#pragma once

#include <QWidget>

// Text centred in its box and wrapped to its width: between words where it can,
// anywhere in a long run without spaces (a path, a web address) where it must.
class WrappedText : public QWidget
{
public:
    explicit WrappedText(QWidget* parent);

    void setText(const QString& text);
    const QString& text() const { return text_; }

    // The height the text needs at a width.
    int heightFor(int width) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
};
