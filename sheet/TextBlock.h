#pragma once

#include "platform/pictures/Picture.h"

#include <QString>

namespace zavolin {

// A paragraph wrapped to a width, as a picture, in black: the words a page explains itself
// with. Its units are the font's em: size() is the width it is wrapped to and the height its
// lines take, so a plan knows the height before anything is drawn, and drawn into a rectangle of
// that proportion it wraps the same on every device.
class TextBlock : public Picture {
public:
    struct Style {
        bool bold = false;
        bool centred = false;
        // Set before the first line, the paragraph hanging beside it (a step's number).
        QString marker{};
    };

    TextBlock(QString text, double widthInEms, Style style);

    QSizeF size() const override;
    void draw(QPainter& painter, const QRectF& target) const override;
    QByteArray contentKey() const override;

private:
    QString m_text;
    double m_widthInEms;
    Style m_style;
    double m_heightInEms = 0;
};

} // namespace zavolin
