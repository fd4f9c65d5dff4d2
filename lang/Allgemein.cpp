#include "Allgemein.h"

#include "LangState.h"
#include "errors/Trap.h"
#include "platform/compat/ProfileString.h"
#include "platform/files/TempDirectory.h"

namespace zavolin {
namespace {

const QString Module = QStringLiteral("Allgemein");

// The key number in decimal with at least four digits, zero-padded: 103 gives "0103".
QString keyText(qint16 number) {
    const QString digits = QStringLiteral("%1").arg(qAbs(qint32(number)), 4, 10, QLatin1Char('0'));
    return number < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace

QString GetLang(qint16 Key) {
    QString result;
    Trap trap(Module, QStringLiteral("GetLang"));
    trap.run([&] {
        QString buffer;
        QString key;
        qint32 count = 0;
        // The all-blank default doubles as the buffer: a missing key gives an empty text,
        // since the reader strips trailing blanks from the default.
        trap.at(50060, [&] { buffer = QString(255, u' '); });
        trap.at(50070, [&] { key = keyText(Key); });
        trap.at(50080, [&] {
            count = GetPrivateProfileStringA(QStringLiteral("Lang"), key, buffer, buffer, 255,
                                             LangFile);
        });
        trap.at(50090, [&] { result = buffer.left(count); });
    });
    return result;
}

QString GetTempDir() {
    QString result;
    Trap trap(Module, QStringLiteral("GetTempDir"));
    trap.run([&] {
        QString buffer;
        qint32 length = 0;
        trap.at(50060, [&] { buffer = QString(256, u' '); });
        trap.at(50070, [&] { length = qint32(buffer.size()); });
        trap.at(50080, [&] {
            // A path that does not fit is reported with the size it needs: ask again with a
            // buffer of that size rather than use a buffer the call left untouched.
            const qint32 needed = GetTempPathA(length, buffer);
            if (needed >= length) {
                buffer = QString(needed, u' ');
                length = needed;
                GetTempPathA(length, buffer);
            }
        });
        trap.at(50090, [&] { result = TrimNull(buffer); });
    });
    return result;
}

QString TrimNull(const QString& Item) {
    QString result;
    Trap trap(Module, QStringLiteral("TrimNull"));
    trap.run([&] {
        qsizetype pos = -1;
        trap.at(50070, [&] { pos = Item.indexOf(QChar(0)); });
        if (trap.test(50080, [&] { return pos >= 0; }))
            trap.at(50090, [&] { result = Item.left(qMax<qsizetype>(pos, 0)); });
        else
            trap.at(50090, [&] { result = Item; });
    });
    return result;
}

} // namespace zavolin
