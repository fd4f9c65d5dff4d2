#include "ProgramInfo.h"

#include "AppConfig.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zavolin {
namespace {

const ProgramInfo* g_override = nullptr;

ProgramInfo runningProgram() {
    ProgramInfo info;
    info.title = QStringLiteral(ZAVOLIN_TITLE);
    info.major = ZAVOLIN_VERSION_MAJOR;
    info.minor = ZAVOLIN_VERSION_MINOR;
    info.revision = ZAVOLIN_VERSION_REVISION;
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    info.exeName = exe.completeBaseName();
    info.directory = QCoreApplication::applicationDirPath();
    return info;
}

} // namespace

const ProgramInfo& programInfo() {
    if (g_override)
        return *g_override;
    static const ProgramInfo running = runningProgram();
    return running;
}

QString paddedVersion(int major, int minor, int revision) {
    return QStringLiteral("%1.%2.%3")
        .arg(major)
        .arg(minor, 2, 10, QLatin1Char('0'))
        .arg(revision, 4, 10, QLatin1Char('0'));
}

QString titleWithVersion(const ProgramInfo& info) {
    return info.title + QStringLiteral("  ") + paddedVersion(info.major, info.minor, info.revision);
}

QString packageVersion() {
    return QStringLiteral("%1.%2.%3")
        .arg(ZAVOLIN_VERSION_MAJOR)
        .arg(ZAVOLIN_VERSION_MINOR)
        .arg(ZAVOLIN_VERSION_REVISION);
}

QString supportEmail() {
    return QStringLiteral(ZAVOLIN_SUPPORT_EMAIL);
}
QString homePage() {
    return QStringLiteral(ZAVOLIN_HOMEPAGE);
}

ScopedProgramInfo::ScopedProgramInfo(ProgramInfo info)
    : m_info(std::move(info))
    , m_previous(g_override) {
    g_override = &m_info;
}

ScopedProgramInfo::~ScopedProgramInfo() {
    g_override = m_previous;
}

} // namespace zavolin
