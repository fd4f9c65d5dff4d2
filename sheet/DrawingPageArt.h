#pragma once

#include "platform/pictures/Picture.h"

#include <QString>
#include <vector>

namespace zavolin {

// A drawing page's corner code: its label as a QR code, black modules on white, drawn square.
// Raises InternalError for a text no code can hold.
class DrawingPageCode : public Picture {
public:
    explicit DrawingPageCode(const QString& text);
    QSizeF size() const override;
    void draw(QPainter& painter, const QRectF& target) const override;
    QByteArray contentKey() const override;

private:
    QString m_text;
    int m_modules = 0;
    std::vector<bool> m_dark; // row by row
};

// A note's frame on a drawing page, with its drawing area dashed inside: its size is the
// note's in millimetres.
class DrawingFrame : public Picture {
public:
    explicit DrawingFrame(QSizeF millimetres)
        : m_size(millimetres) {}
    QSizeF size() const override { return m_size; }
    void draw(QPainter& painter, const QRectF& target) const override;
    QByteArray contentKey() const override;

private:
    QSizeF m_size;
};

} // namespace zavolin
