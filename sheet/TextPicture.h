#pragma once

#include "platform/pictures/Picture.h"

#include <QColor>
#include <QFont>
#include <QString>

namespace zavolin {

// One line of text as a picture, so any drawing surface can place it: drawn in its colour as
// high as the rectangle it is given, starting at the rectangle's left edge. size() is its
// natural proportion, for a rectangle that fits it.
class TextPicture : public Picture {
public:
    explicit TextPicture(QString text, QColor color = QColor(128, 128, 128));

    QSizeF size() const override;
    void draw(QPainter& painter, const QRectF& target) const override;
    QByteArray contentKey() const override;

    // The width the text takes when drawn this high.
    double widthAt(double height) const;

private:
    QString m_text;
    QColor m_color;
    QFont m_font;
};

} // namespace zavolin
