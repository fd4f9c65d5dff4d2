// What the start-up makes of stored values it cannot use and of folders it cannot write: each
// cause said once, naming what to fix, and nothing used that would mislead.
#include "WindowFixture.h"
#include "lang/LangState.h"
#include "support/ScriptedReporter.h"
#include "ui_frmZavolin.h"

#include <QDir>
#include <QFile>

using namespace zavolin;
using namespace zavolin::test;

namespace {

class StartUpInput : public WindowTest {};

struct StoredCase {
    const char* name;
    QMap<QString, QString> stored;
    qint16 langBase;
    qint16 left;
    qint16 top;
    QStringList named; // in the one window, or none when empty
};

} // namespace

TEST_F(StartUpInput, StoredValuesThatCannotBeUsedAreSaidOnceAndReplacedByTheirDefaults) {
    const QList<StoredCase> cases{
        {"offset beyond the range", {{"LeftMargin", "99"}}, 0, 0, 0, {"LeftMargin", "99"}},
        {"both offsets beyond it",
         {{"LeftMargin", "-21"}, {"TopMargin", "32767"}},
         0,
         0,
         0,
         {"LeftMargin", "-21", "TopMargin", "32767"}},
        {"the range's ends", {{"LeftMargin", "-20"}, {"TopMargin", "20"}}, 0, -20, 20, {}},
        {"no language", {{"Sprache", "99"}}, 0, 0, 0, {"Sprache", "99"}},
        {"the largest number", {{"Sprache", "32767"}}, 0, 0, 0, {"Sprache", "32767"}},
        {"Italian, stored by an older version", {{"Sprache", " 3000"}}, 3000, 0, 0, {}},
    };
    add("ZavolinAccepted.dll");
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.name);
        settings.values = c.stored;
        messages.informed.clear();
        ScriptedReporter reporter({Ignore});
        ScopedReplacement<ErrorReporter> answers(reporter);
        const auto window = load();
        EXPECT_EQ(reporter.reports.size(), 0);
        EXPECT_EQ(LangBase, c.langBase);
        EXPECT_EQ(window->Offsets.LeftMargin, c.left);
        EXPECT_EQ(window->Offsets.TopMargin, c.top);
        // Captions are there, in German for a language that is none.
        if (c.langBase == 0) {
            EXPECT_EQ(window->ui().Label3->text(), "Kopien:");
        }
        if (c.named.isEmpty()) {
            EXPECT_EQ(messages.informed, QStringList());
            continue;
        }
        ASSERT_EQ(messages.informed.size(), 1);
        for (const QString& text : c.named)
            EXPECT_TRUE(messages.informed[0].contains(text)) << qPrintable(messages.informed[0]);
        // Nothing is written at start: the value is kept until the user changes it.
        EXPECT_EQ(settings.writes, QStringList());
    }
}

TEST_F(StartUpInput, EachCauseIsSaidOnceNamingWhatToFix) {
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    struct Case {
        const char* name;
        std::function<void()> arrange;
        int messages;    // windows of the program's own
        QString named;   // in the one message or the one error
        int errors;      // error windows
        int pictureSets; // listed
    };
    // In this order: the data folder stays unwritable once made so.
    const QList<Case> cases{
        {"no picture set: the list's error, then one for each painting of the page (the start "
         "paints it twice), not one per note",
         [&] { QFile::remove(folder() + "/ZavolinAccepted.dll"); }, 0, "", 3, 0},
        {"settings that cannot be read",
         [&] { settings.problem = "/home/u/.config/Zavolin/Zavolin.conf: it is a folder"; }, 1,
         "Zavolin.conf: it is a folder", 0, 1},
        {"a data folder that cannot be written",
         [&] {
             QDir(data).removeRecursively();
             QDir().mkpath(data);
             QFile file(data + "/Zavolin");
             ASSERT_TRUE(file.open(QIODevice::WriteOnly)); // a file where the folder belongs
         },
         1, data + "/Zavolin", 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!QFile::exists(folder() + "/ZavolinAccepted.dll"))
            add("ZavolinAccepted.dll");
        settings.problem.clear();
        messages.informed.clear();
        c.arrange();
        ScriptedReporter reporter({Ignore});
        ScopedReplacement<ErrorReporter> answers(reporter);
        const auto window = load();
        ASSERT_EQ(messages.informed.size(), c.messages) << qPrintable(messages.informed.join('\n'));
        if (c.messages) {
            EXPECT_TRUE(messages.informed[0].contains(c.named)) << qPrintable(messages.informed[0]);
        }
        EXPECT_EQ(reporter.reports.size(), c.errors);
        EXPECT_EQ(window->ui().cmbAuswahl->count(), c.pictureSets);
        if (c.pictureSets) {
            EXPECT_NE(window->clpPics.picture(), nullptr);
        }
        window->close();
        qunsetenv("ZAVOLIN_CLASS_REGISTRY");
    }
}
