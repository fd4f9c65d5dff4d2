#pragma once

#include "platform/base/RuntimeError.h"
#include "support/ScriptedReporter.h"

#include <QList>
#include <QString>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace zavolin::test {

// A report the error trap is expected to make: its number and line label, and a part of its
// description.
struct ExpectedReport {
    qint32 number = 0;
    qint32 line = 0;
    const char* says = "";
};

// A fixture library that crashes, hangs or returns a malformed result at one step
// (support/fixtures/fixture.c), and what the program makes of it when it lies between two good
// libraries and the plug-in limit is ShortPluginLimitMs.
struct PluginFault {
    const char* name;    // the case's name, "CrashInTyp"
    const char* fixture; // the faulty library, "ZavolinCrashInTyp.dll"
    // The start-up's report about it (AddPicture), if one is due.
    std::optional<ExpectedReport> atStartUp;
    // Whether its set is listed.
    bool listed = false;
    // The report when its set is chosen (CreatePicture), for a listed set.
    std::optional<ExpectedReport> whenChosen;
};

namespace faults {

// A library that cannot be loaded cannot register either: its class cannot be created.
inline constexpr ExpectedReport NotRegistered{ErrNo::CantCreateObject, 80, "is not registered"};
inline constexpr ExpectedReport InfoCrashed{ErrNo::InvalidProcedureCall, 90,
                                            "ended in Info: it crashed"};
inline constexpr ExpectedReport InfoHung{ErrNo::InvalidProcedureCall, 90,
                                         "ended in Info: it did not answer in time"};
// Info fails because the host ended in the release of the object Typ was asked on.
inline constexpr ExpectedReport ReleaseCrashed{ErrNo::InvalidProcedureCall, 90,
                                               "ended in the release of an object: it crashed"};
inline constexpr ExpectedReport ReleaseHung{
    ErrNo::InvalidProcedureCall, 90,
    "ended in the release of an object: it did not answer in time"};
inline constexpr ExpectedReport InfoMalformed{ErrNo::TypeMismatch, 90, "unknown kind"};
inline constexpr ExpectedReport PictureCrashed{ErrNo::InvalidProcedureCall, 60,
                                               "ended in GetPicture: it crashed"};
inline constexpr ExpectedReport PictureHung{ErrNo::InvalidProcedureCall, 60,
                                            "ended in GetPicture: it did not answer in time"};
inline constexpr ExpectedReport PictureMalformed{ErrNo::TypeMismatch, 60, "unknown kind"};

} // namespace faults

// Every fault of the fixtures. A Typ that fails only fails the test for a picture set: quietly.
// The release of the object that Typ was asked on comes before Info, so a release that crashes
// or hangs ends the library's host and the object that Info is then asked on with it.
inline const PluginFault PluginFaults[] = {
    {"CrashInLoad", "ZavolinCrashInLoad.dll", faults::NotRegistered, false, {}},
    {"HangInLoad", "ZavolinHangInLoad.dll", faults::NotRegistered, false, {}},
    {"CrashInTyp", "ZavolinCrashInTyp.dll", {}, false, {}},
    {"HangInTyp", "ZavolinHangInTyp.dll", {}, false, {}},
    {"MalformedTyp", "ZavolinMalformedTyp.dll", {}, false, {}},
    {"CrashInInfo", "ZavolinCrashInInfo.dll", faults::InfoCrashed, false, {}},
    {"HangInInfo", "ZavolinHangInInfo.dll", faults::InfoHung, false, {}},
    {"MalformedInfo", "ZavolinMalformedInfo.dll", faults::InfoMalformed, false, {}},
    {"CrashInGetPicture", "ZavolinCrashInGetPicture.dll", {}, true, faults::PictureCrashed},
    {"HangInGetPicture", "ZavolinHangInGetPicture.dll", {}, true, faults::PictureHung},
    {"MalformedGetPicture", "ZavolinMalformedGetPicture.dll", {}, true, faults::PictureMalformed},
    {"CrashInRelease", "ZavolinCrashInRelease.dll", faults::ReleaseCrashed, false, {}},
    {"HangInRelease", "ZavolinHangInRelease.dll", faults::ReleaseHung, false, {}},
};

// Holds the reports to the expected one, made by the procedure of the main window, or to none.
inline void expectReport(const QList<Report>& reports, const QString& procedure,
                         const std::optional<ExpectedReport>& expected) {
    if (!expected) {
        for (const Report& report : reports)
            ADD_FAILURE() << "unexpected report: error " << report.number << " in "
                          << qPrintable(report.procedure) << ", line " << report.line << ": "
                          << qPrintable(report.description);
        return;
    }
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports[0].module, "frmZavolin");
    EXPECT_EQ(reports[0].procedure, procedure);
    EXPECT_EQ(reports[0].number, expected->number);
    EXPECT_EQ(reports[0].line, expected->line);
    EXPECT_TRUE(reports[0].description.contains(QLatin1String(expected->says)))
        << qPrintable(reports[0].description);
}

// The case's name for parameterised tests' names.
struct PluginFaultName {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return info.param.name;
    }
};

inline std::ostream& operator<<(std::ostream& out, const PluginFault& fault) {
    return out << fault.name;
}

} // namespace zavolin::test
