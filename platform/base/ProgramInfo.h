#pragma once

#include <QString>

namespace zavolin {

// What the program knows of itself: title, version, its file name and its directory.
struct ProgramInfo {
    QString title;
    int major = 0;
    int minor = 0;
    int revision = 0;
    QString exeName;   // the program file's name without extension
    QString directory; // the program's directory, without a trailing separator
};

// The running program's info; a test may put another in its place with ScopedProgramInfo.
const ProgramInfo& programInfo();

// Title, two blanks and the version with the minor number padded to two digits and the
// revision to four: "Zavolin  2.22.0272".
QString titleWithVersion(const ProgramInfo& info);
QString paddedVersion(int major, int minor, int revision);

// The version as the package and the manual pages give it, "2.22.272", for --version; fixed when
// the program is built, so it needs no application object.
QString packageVersion();

// The maker's addresses, fixed when the program is built.
QString supportEmail();
QString homePage();

class ScopedProgramInfo {
public:
    explicit ScopedProgramInfo(ProgramInfo info);
    ~ScopedProgramInfo();
    ScopedProgramInfo(const ScopedProgramInfo&) = delete;
    ScopedProgramInfo& operator=(const ScopedProgramInfo&) = delete;

private:
    ProgramInfo m_info;
    const ProgramInfo* m_previous;
};

} // namespace zavolin
