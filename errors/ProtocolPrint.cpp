#include "ProtocolPrint.h"

#include "ErrorProtocol.h"

namespace zavolin {

QStringList printerLines(const QString& protocol) {
    const QString crlf = QString::fromLatin1(ProtocolLineEnd);
    QStringList lines;
    QString text = protocol + crlf;
    for (qsizetype end = text.indexOf(crlf); end >= 0; end = text.indexOf(crlf)) {
        QString line = text.left(end) + QLatin1Char(' ');
        text = text.mid(end + crlf.size());
        QString out;
        qsizetype count = 0;
        for (qsizetype blank = line.indexOf(QLatin1Char(' ')); blank >= 0;
             blank = line.indexOf(QLatin1Char(' '))) {
            const QString word = line.left(blank + 1);
            line = line.mid(blank + 1);
            if (count + word.size() > PrintWrapWidth) {
                if (!out.isEmpty()) {
                    lines << out;
                    out = QString(PrintContinuationIndent, QLatin1Char(' '));
                }
                count = word.size();
            } else {
                count += word.size();
            }
            out += word;
        }
        if (!out.isEmpty())
            lines << out;
    }
    return lines;
}

} // namespace zavolin
