#include "ClassRegistryFallback.h"

#include "platform/component/ClassRegistry.h"
#include "platform/desktop/MessageBoxes.h"

#include <QCoreApplication>
#include <QString>

namespace zavolin {

void useWritableClassRegistry(QWidget* parent, const QString& tempDir) {
    const QString problem = classRegistryUnwritable();
    if (problem.isEmpty())
        return;
    QString text;
    if (tempDir.isEmpty()) {
        text = QCoreApplication::translate(
                   "ClassRegistry",
                   "The picture sets cannot be registered (%1). Make that folder writable and "
                   "start Zavolin again.")
                   .arg(problem);
    } else {
        useOwnClassRegistry(tempDir + QStringLiteral("zavolin-classes.ini"));
        text = QCoreApplication::translate(
                   "ClassRegistry",
                   "The data folder cannot be written (%1). The picture sets work for this run; "
                   "own picture sets cannot be kept until the folder is writable.")
                   .arg(problem);
    }
    MessageBoxes::current().inform(parent, text);
}

} // namespace zavolin
