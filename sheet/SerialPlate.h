#pragma once

#include "PagePlan.h"
#include "platform/pictures/Picture.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace zavolin {

// A note's serial on a small white plate of its own, so that it reads on every picture set: its
// size is in millimetres, its digits about 2.2 mm high. Drawn as part of its page's SerialPlates.
class SerialPlate {
public:
    explicit SerialPlate(QString serial);
    QSizeF size() const;
    void draw(QPainter& painter, const QRectF& target) const;

private:
    QString m_serial;
    QFont m_font;
};

// All the plates of a page as one picture, placed over the rectangle that holds them: a PDF then
// carries one small drawing a page for its serials rather than one a note.
class SerialPlates : public Picture {
public:
    // Each plate's rectangle in the page's units, with its serial.
    explicit SerialPlates(QList<std::pair<QRectF, QString>> plates);
    QRectF bounds() const { return m_bounds; }
    QSizeF size() const override { return m_bounds.size(); }
    void draw(QPainter& painter, const QRectF& target) const override;
    // A back shows its front's serials in the same places: one drawing serves both.
    QByteArray contentKey() const override;

private:
    QList<std::pair<QRectF, QString>> m_plates;
    QRectF m_bounds;
};

// Adds a plate for each note of the plan, in the notes' order, at the same place on every note
// (its lower left corner, where the shipped sets leave room): `serials` holds the page's serials in
// that order. Raises InternalError when there are fewer serials than notes.
void addSerialPlates(PagePlan& plan, const QStringList& serials, float scale);

} // namespace zavolin
