#include "ProtocolMessages.h"

#include <QStringList>

namespace zavolin {
namespace {

const QChar LineBreak = QLatin1Char('\n');

} // namespace

QString overwriteQuestion(const QString& file) {
    return QStringLiteral("Vorhandene Datei '") + file + QStringLiteral("' überschreiben?") +
           LineBreak + QStringLiteral("Overwrite file '") + file + QStringLiteral("' ?");
}

QString protocolSavedReport(const QString& file) {
    return QStringLiteral("Das Fehlerprotokoll wurde in die Datei '") + file +
           QStringLiteral("' geschrieben!") + LineBreak +
           QStringLiteral("Error protocoll was written to file '") + file + QStringLiteral("'!");
}

QString mailNotice() {
    const QStringList lines{
        QStringLiteral("Es wird jetzt Ihr Standard-Email-Programm aufgerufen. Die "
                       "Fehlerbeschreibung sowie das Fehlerprotokoll"),
        QStringLiteral("wurden zu Ihrer Bequemlichkeit in die Zwischenablage kopiert."),
        QString(),
        QStringLiteral("Bitte fügen Sie den Inhalt der Zwischenablage in Ihre Email ein, indem "
                       "Sie in Ihrem Email-Programm"),
        QStringLiteral("die Tasten [Strg] und [Einfg] gleichzeitig betätigen. Alternativ können "
                       "Sie den Inhalt in die EMail"),
        QStringLiteral("einfügen, indem Sie den Befehl 'Einfügen' aus dem Menü 'Bearbeiten' "
                       "ausführen."),
        QString(),
        QString(),
        QStringLiteral("Your email application will be started. The error description will be "
                       "copied to the clipboard."),
        QString(),
        QStringLiteral("Please insert the contents of the clipboard into the message body by "
                       "using Ctrl + V or "),
        QStringLiteral("use the menu or toolbar command of your email program. "),
    };
    return lines.join(LineBreak);
}

QString protocolSaveFailed(const QString& file, const QString& reason) {
    return QStringLiteral("Das Fehlerprotokoll konnte nicht in die Datei '") + file +
           QStringLiteral("' geschrieben werden: ") + reason + LineBreak +
           QStringLiteral("Error protocol could not be written to file '") + file +
           QStringLiteral("': ") + reason;
}

QString protocolPrintFailed(const QString& reason) {
    return QStringLiteral("Das Fehlerprotokoll konnte nicht gedruckt werden: ") + reason +
           LineBreak + QStringLiteral("Error protocol could not be printed: ") + reason;
}

} // namespace zavolin
