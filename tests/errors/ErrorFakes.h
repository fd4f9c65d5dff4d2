#pragma once

#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/OsVersion.h"
#include "platform/Printer.h"
#include "platform/ProgramInfo.h"
#include "platform/RuntimeError.h"
#include "platform/Shell.h"

#include <QStringList>

namespace zavolin::test {

// The program as version 2.22.272, living in `directory`.
inline ProgramInfo programIn(const QString& directory,
                             const QString& exeName = QStringLiteral("Zavolin")) {
    ProgramInfo info;
    info.title = QStringLiteral("Zavolin");
    info.major = 2;
    info.minor = 22;
    info.revision = 272;
    info.exeName = exeName;
    info.directory = directory;
    return info;
}

class FixedClock : public Clock {
public:
    QDateTime now() override { return time; }
    QDateTime time{QDate(2024, 3, 7), QTime(9, 5, 3)};
};

// Windows XP as the classic version record reports it.
inline OsVersionInfo windowsXp() {
    OsVersionInfo info;
    info.platform = QStringLiteral("Windows NT");
    info.major = 5;
    info.minor = 1;
    info.build = 0x05010000u | 2600u;
    info.servicePack = QByteArray("Service Pack 2") + QByteArray(128 - 14, '\0');
    return info;
}

class FixedOsVersion : public OsVersionSource {
public:
    OsVersionInfo read() override { return info; }
    OsVersionInfo info = windowsXp();
};

class RecordingMessageBoxes : public MessageBoxes {
public:
    void inform(QWidget*, const QString& text) override { informed << text; }
    bool askYesNo(QWidget*, const QString& text) override {
        asked << text;
        return answer;
    }
    QStringList informed;
    QStringList asked;
    bool answer = true;
};

class RecordingShell : public Shell {
public:
    void open(const QString& target) override { opened << target; }
    QStringList opened;
};

// Records the text lines; fails on the first line when asked to.
class RecordingPrinter : public Printer {
public:
    double scaleWidth() override { return 0; }
    double scaleHeight() override { return 0; }
    void line(double, double, double, double) override {}
    void paintPicture(const Picture&, double, double, double, double) override {}
    PrinterScaleMode scaleMode() override { return PrinterScaleMode::Millimetres; }
    void setScaleMode(PrinterScaleMode) override {}
    double widthTwips() override { return 0; }
    double heightTwips() override { return 0; }
    int physicalOffsetX() override { return 0; }
    int physicalOffsetY() override { return 0; }
    double deviceUnitsPerMillimetre() override { return 1; }
    int copies() override { return 1; }
    void setCopies(int) override {}
    void setForeColor(const QColor&) override {}
    void printLine(const QString& text) override {
        if (fail)
            raise(ErrNo::PrinterError, QStringLiteral("The printer is out of paper."));
        lines << text;
    }
    void newPage() override {}
    void endDoc() override { ++endDocs; }

    QStringList lines;
    int endDocs = 0;
    bool fail = false;
};

} // namespace zavolin::test
