#pragma once

#include "SerialCode.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace zavolin {

// The serials' secret key and the register of every note issued with a serial, in the user's
// data folder ($XDG_DATA_HOME/Zavolin/serials). The register is a CSV file, a line a note, only
// ever appended to.
QString serialsFolder();

// One note of the register.
struct IssuedNote {
    Serial serial;
    qint16 Denom = 0;
    QString sides; // how the print put the backs: printer, manual, none or backs
    QDate issued;
};

// Issues a serial for each note (its Denom, in print order) under the prefix, numbered on from
// the highest the register holds for that prefix, and appends them to the register before they
// are printed, so that no number is ever given twice. The key is made on first use. Raises
// RuntimeError for a prefix that cannot be used and for a key or register that cannot be read
// or written.
QList<IssuedNote> issueSerials(const QString& prefix, const QList<qint16>& notes,
                               const QString& sides);

// The same, as the serials' texts in order: what the pages print.
QStringList issueSerialTexts(const QString& prefix, const QList<qint16>& notes,
                             const QString& sides);

// The register's notes, oldest first; none before the first serial. Raises RuntimeError for a
// register that cannot be read.
QList<IssuedNote> issuedNotes();

// Writes a copy of the register to path, whole or not at all. Raises RuntimeError.
void exportSerialRegister(const QString& path);

// What a serial someone holds is.
struct SerialVerdict {
    enum class Kind {
        Valid,
        Malformed,     // not of the form PREFIX-NUMBER-CODE
        WrongCheck,    // its check code was not made here for that prefix and number
        UnknownPrefix, // no note with its prefix was issued here
        NeverIssued,   // its prefix was, its number not
    };
    Kind kind = Kind::Malformed;
    Serial serial;
    std::optional<IssuedNote> note; // for a valid serial
};
// Raises RuntimeError only for a key or register that cannot be read.
SerialVerdict checkSerial(const QString& text);

} // namespace zavolin
