#include "UserGuide.h"

#include "platform/base/LanguageCode.h"
#include "platform/base/ProgramInfo.h"

#include <QDir>
#include <QUrl>

namespace zavolin {
namespace {

// The guide's anchors are the language codes, and its fault sections "fault-" and the code.
QString guideAt(const QString& anchor) {
    QUrl url =
        QUrl::fromLocalFile(QDir(programInfo().directory).filePath(QStringLiteral("README.HTM")));
    url.setFragment(anchor);
    return url.toString();
}

} // namespace

QString userGuide(qint16 langBase) {
    return guideAt(languageCode(langBase));
}

QString userGuideFaultSection(qint16 langBase) {
    return guideAt(QStringLiteral("fault-") + languageCode(langBase));
}

} // namespace zavolin
