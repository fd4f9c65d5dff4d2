#include "SerialRegister.h"

#include "platform/base/RuntimeError.h"
#include "platform/files/NewFile.h"
#include "platform/files/RegularFile.h"
#include "sheet/SetCounts.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>

namespace zavolin {
namespace {

constexpr qsizetype KeyBytes = 32;
constexpr qint64 MostRegisterBytes = 256LL * 1024 * 1024; // some million notes
const QByteArray Header = "serial,prefix,number,value,sides,issued\n";

QString keyPath() {
    return QDir(serialsFolder()).filePath(QStringLiteral("key"));
}

QString registerPath() {
    return QDir(serialsFolder()).filePath(QStringLiteral("register.csv"));
}

[[noreturn]] void cannot(const QString& what, const QString& why) {
    raise(ErrNo::PathFileAccessError, QStringLiteral("%1: %2").arg(what, why));
}

// The key, or none before the first serial; made when `make` says so.
std::optional<QByteArray> serialKey(bool make) {
    if (QFileInfo::exists(keyPath())) {
        QByteArray key;
        try {
            key = readRegularFile(keyPath(), 4 * KeyBytes);
        } catch (const RuntimeError& e) {
            cannot(QStringLiteral("the serials' key cannot be read"), e.description());
        }
        if (key.size() != KeyBytes)
            cannot(QStringLiteral("the serials' key %1 is damaged").arg(keyPath()),
                   QStringLiteral("restore it from a backup; without it no serial issued so far "
                                  "can be checked"));
        return key;
    }
    if (!make)
        return std::nullopt;
    QByteArray key(KeyBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(key.data()),
                                          KeyBytes / sizeof(quint32));
    // Whoever reads it can make valid serials: it is the user's alone from the start, and the
    // replacement keeps the file's permissions.
    try {
        createNewFile(keyPath(), PrivateFilePermissions);
        replaceFile(keyPath(), key);
    } catch (const RuntimeError& e) {
        cannot(QStringLiteral("the serials' key cannot be written"), e.description());
    }
    return key;
}

std::optional<IssuedNote> parseLine(const QByteArray& line) {
    const QList<QByteArray> fields = line.trimmed().split(',');
    if (fields.size() != 6)
        return std::nullopt;
    const std::optional<Serial> serial = parseSerial(QString::fromUtf8(fields[0]));
    const std::optional<qint16> Denom = valueFromKey(QString::fromUtf8(fields[3]));
    const QDate issued = QDate::fromString(QString::fromUtf8(fields[5]), Qt::ISODate);
    if (!serial || !Denom || !issued.isValid())
        return std::nullopt;
    return IssuedNote{*serial, *Denom, QString::fromUtf8(fields[4]), issued};
}

QByteArray lineOf(const IssuedNote& note) {
    return QStringLiteral("%1,%2,%3,%4,%5,%6\n")
        .arg(note.serial.text(), note.serial.prefix)
        .arg(note.serial.number)
        .arg(valueKey(note.Denom), note.sides, note.issued.toString(Qt::ISODate))
        .toUtf8();
}

} // namespace

QString serialsFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Zavolin/serials"));
}

QList<IssuedNote> issuedNotes() {
    QList<IssuedNote> notes;
    if (!QFileInfo::exists(registerPath()))
        return notes;
    QByteArray bytes;
    try {
        bytes = readRegularFile(registerPath(), MostRegisterBytes);
    } catch (const RuntimeError& e) {
        cannot(QStringLiteral("the register of serials cannot be read"), e.description());
    }
    for (const QByteArray& line : bytes.split('\n'))
        if (const std::optional<IssuedNote> note = parseLine(line))
            notes.append(*note);
    return notes;
}

QList<IssuedNote> issueSerials(const QString& prefix, const QList<qint16>& notes,
                               const QString& sides) {
    if (const QString problem = serialPrefixProblem(prefix); !problem.isEmpty())
        raise(ErrNo::InvalidPropertyValue, problem);
    if (!QDir().mkpath(serialsFolder()))
        cannot(QStringLiteral("the folder %1 cannot be made").arg(serialsFolder()),
               QStringLiteral("check its permissions"));
    // Two prints at once must not take the same numbers.
    QLockFile lock(QDir(serialsFolder()).filePath(QStringLiteral("register.lock")));
    if (!lock.lock())
        cannot(QStringLiteral("the register of serials cannot be locked"),
               QStringLiteral("check the permissions of %1").arg(serialsFolder()));
    const QByteArray key = *serialKey(true);
    const QString normal = normalPrefix(prefix);
    qint64 last = 0;
    for (const IssuedNote& note : issuedNotes())
        if (note.serial.prefix == normal)
            last = std::max(last, note.serial.number);

    QList<IssuedNote> issued;
    QByteArray lines;
    const QDate today = QDate::currentDate();
    for (const qint16 Denom : notes) {
        const qint64 number = ++last;
        issued.append(
            {Serial{normal, number, serialCheckCode(key, normal, number)}, Denom, sides, today});
        lines += lineOf(issued.last());
    }
    QFile file(registerPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        cannot(QStringLiteral("the register of serials %1 cannot be written").arg(registerPath()),
               file.errorString());
    if (file.size() == 0)
        lines.prepend(Header);
    if (file.write(lines) != lines.size() || !file.flush())
        cannot(QStringLiteral("the register of serials %1 cannot be written").arg(registerPath()),
               file.errorString());
    return issued;
}

QStringList issueSerialTexts(const QString& prefix, const QList<qint16>& notes,
                             const QString& sides) {
    QStringList texts;
    for (const IssuedNote& note : issueSerials(prefix, notes, sides))
        texts << note.serial.text();
    return texts;
}

void exportSerialRegister(const QString& path) {
    QByteArray bytes = Header;
    if (QFileInfo::exists(registerPath()))
        try {
            bytes = readRegularFile(registerPath(), MostRegisterBytes);
        } catch (const RuntimeError& e) {
            cannot(QStringLiteral("the register of serials cannot be read"), e.description());
        }
    try {
        replaceFile(path, bytes);
    } catch (const RuntimeError& e) {
        cannot(QStringLiteral("the register cannot be written to %1").arg(path), e.description());
    }
}

SerialVerdict checkSerial(const QString& text) {
    SerialVerdict verdict;
    const std::optional<Serial> serial = parseSerial(text);
    if (!serial)
        return verdict;
    verdict.serial = *serial;
    QList<IssuedNote> withPrefix;
    for (const IssuedNote& note : issuedNotes())
        if (note.serial.prefix == serial->prefix)
            withPrefix.append(note);
    const std::optional<QByteArray> key = serialKey(false);
    if (withPrefix.isEmpty() || !key) {
        verdict.kind = SerialVerdict::Kind::UnknownPrefix;
        return verdict;
    }
    if (serialCheckCode(*key, serial->prefix, serial->number) != serial->check) {
        verdict.kind = SerialVerdict::Kind::WrongCheck;
        return verdict;
    }
    verdict.kind = SerialVerdict::Kind::NeverIssued;
    for (const IssuedNote& note : withPrefix)
        if (note.serial.number == serial->number) {
            verdict.kind = SerialVerdict::Kind::Valid;
            verdict.note = note;
        }
    return verdict;
}

} // namespace zavolin
