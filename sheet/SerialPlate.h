#pragma once

#include "PagePlan.h"
#include "platform/Picture.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace zavolin {

// A note's serial on a small white plate of its own, so that it reads on every picture set: its
// size is in millimetres, its digits about 2.2 mm high.
class SerialPlate : public Picture {
public:
    explicit SerialPlate(QString serial);
    QSizeF size() const override;
    void draw(QPainter& painter, const QRectF& target) const override;
    QByteArray contentKey() const override;

private:
    QString m_serial;
    QFont m_font;
};

// Adds a plate for each note of the plan, in the notes' order, at the same place on every note
// (its lower left corner, where the shipped sets leave room): `serials` holds the page's serials in
// that order. Raises InternalError when there are fewer serials than notes.
void addSerialPlates(PagePlan& plan, const QStringList& serials, float scale);

} // namespace zavolin
