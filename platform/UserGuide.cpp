#include "UserGuide.h"

#include "ProgramInfo.h"

#include <QDir>
#include <QUrl>

namespace zavolin {
namespace {

// The guide's anchors: one per language, and its fault section as "fault-" and that.
QString languageAnchor(qint16 langBase) {
    switch (langBase) {
    case 0:
        return QStringLiteral("de");
    case 2000:
        return QStringLiteral("es");
    default:
        return QStringLiteral("en");
    }
}

QString guideAt(const QString& anchor) {
    QUrl url =
        QUrl::fromLocalFile(QDir(programInfo().directory).filePath(QStringLiteral("README.HTM")));
    url.setFragment(anchor);
    return url.toString();
}

} // namespace

QString userGuide(qint16 langBase) {
    return guideAt(languageAnchor(langBase));
}

QString userGuideFaultSection(qint16 langBase) {
    return guideAt(QStringLiteral("fault-") + languageAnchor(langBase));
}

} // namespace zavolin
