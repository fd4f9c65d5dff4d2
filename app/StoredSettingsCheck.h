#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace zavolin {

struct Setting;

// What the start-up finds wrong with the stored settings, said once in one window: each value
// that cannot be used, with its setting, and what is used in its place. Such a value is never
// used: an offset beyond the print adjustment's range would move the print off the paper while
// the preview looked right, and a language number that names none leaves every caption blank.
class StoredSettingsCheck {
public:
    // The stored language number, or German (0) when it names no language.
    qint16 language(qint16 stored);
    // The stored print offset, or 0 when it lies beyond the print adjustment's range.
    qint16 offset(const Setting& setting, qint16 stored);
    // The stored printer's queue, or the system's default (empty) when the queue is not there
    // now. Such a choice stays stored, for when the queue is back.
    QString printer(const QString& stored);
    // One window for everything found, in the language the captions have by then; none when
    // everything could be used.
    void report(QWidget* parent) const;

private:
    enum class Kind { Language, Offset, Printer };
    struct Found {
        Kind kind;
        QString key;
        QString value; // as stored
    };
    QList<Found> m_found;
};

// Says in one window that the stored settings cannot be read, naming the file and why; nothing
// when they can.
void reportUnreadableSettings(QWidget* parent);

} // namespace zavolin
