// zavolin-sheet --list-picture-sets and --picture-set, run as a user runs them, with the
// plug-ins beside the command.
#include "support/PluginFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

using namespace zavolin;
using namespace zavolin::test;

namespace {

struct CommandRun {
    int exitCode = -1;
    QString output;
    QStringList errors;
};

class SheetPictureSets : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        // The command and its plug-in helpers, in the folder the plug-ins lie in.
        for (const char* program :
             {ZAVOLIN_SHEET_COMMAND, ZAVOLIN_REGSVR_COMMAND, ZAVOLIN_HOST_COMMAND}) {
            const QString from = QString::fromLocal8Bit(program);
            ASSERT_TRUE(QFile::copy(from, folder() + "/" + QFileInfo(from).fileName()));
        }
    }

    CommandRun sheet(const QStringList& arguments) {
        QProcess process;
        process.start(folder() + "/zavolin-sheet", arguments);
        CommandRun run;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return run;
        run.exitCode = process.exitCode();
        run.output = QString::fromLocal8Bit(process.readAllStandardOutput());
        run.errors =
            QString::fromLocal8Bit(process.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        return run;
    }

    void expectNothingRegistered() {
        for (const char* name : {"ZavolinA", "ZavolinB", "ZavolinC"})
            EXPECT_EQ(registered(QLatin1String(name) + ".clsPicture"), QString()) << name;
    }
};

// How many pixels of the image have the colour.
int pixelsOf(const QImage& image, const QColor& colour) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

} // namespace

TEST_F(SheetPictureSets, ListsTheAcceptedSetsInTheProgramsOrder) {
    EXPECT_EQ(sheet({"--list-picture-sets"}).output, QString()) << "none installed";

    add("ZavolinLowerTyp.dll", "ZavolinA.dll");
    add("ZavolinAccepted.dll", "ZavolinC.dll");
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    const CommandRun run = sheet({"--list-picture-sets"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "Fixture ZavolinB\nFixture ZavolinC\n");
    EXPECT_EQ(run.errors, QStringList());
    // Registered while it ran, every one unregistered again, in list order.
    EXPECT_EQ(logged("register"), QStringList({"ZavolinA.dll", "ZavolinB.dll", "ZavolinC.dll"}));
    EXPECT_EQ(logged("unregister"), logged("register"));
    expectNothingRegistered();
}

TEST_F(SheetPictureSets, MakesTheSheetWithTheSetChosenByNumberOrName) {
    add("ZavolinLowerTyp.dll", "ZavolinA.dll");
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    add("ZavolinAccepted.dll", "ZavolinC.dll");
    QImage white(40, 100, QImage::Format_RGB32);
    white.fill(Qt::white);
    ASSERT_TRUE(white.save(folder() + "/ZavolinC.picture", "PNG"));

    const QString png = folder() + "/sheet.png";
    const CommandRun byNumber = sheet({"--picture-set", "1", "--output", png});
    ASSERT_EQ(byNumber.exitCode, 0) << byNumber.errors.join('\n').toStdString();
    EXPECT_EQ(logged("call GetPicture"), QStringList({"ZavolinB.dll"}));
    EXPECT_GT(pixelsOf(QImage(png), fixtureColour(0)), 1000) << "the front of the 1 of set B";

    const CommandRun byName = sheet({"--picture-set", "Fixture ZavolinC", "--output", png});
    ASSERT_EQ(byName.exitCode, 0) << byName.errors.join('\n').toStdString();
    EXPECT_EQ(logged("call GetPicture"), QStringList({"ZavolinB.dll", "ZavolinC.dll"}));
    EXPECT_EQ(pixelsOf(QImage(png), fixtureColour(0)), 0) << "set C is white";
    expectNothingRegistered();
}

TEST_F(SheetPictureSets, FailuresEndTheCommandWithOneLineAndUnregisterAll) {
    add("ZavolinAccepted.dll", "ZavolinA.dll");
    add("ZavolinStringPicture.dll", "ZavolinB.dll");
    const QString png = folder() + "/sheet.png";

    const CommandRun missing = sheet({"--picture-set", "3", "--output", png});
    EXPECT_EQ(missing.exitCode, 2);
    ASSERT_EQ(missing.errors.size(), 1);
    EXPECT_EQ(missing.errors[0],
              "zavolin-sheet: there is no picture set 3 (1 to 2, see --list-picture-sets)");
    const CommandRun unknown = sheet({"--picture-set", "Euro", "--output", png});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.errors.size(), 1);

    // The error trap's report, and the command ends.
    const CommandRun broken = sheet({"--picture-set", "2", "--output", png});
    EXPECT_EQ(broken.exitCode, 2);
    ASSERT_EQ(broken.errors.size(), 1);
    EXPECT_TRUE(broken.errors[0].startsWith("zavolin-sheet: Error 13 ("));
    EXPECT_TRUE(broken.errors[0].endsWith(") in frmZavolin.CreatePicture, line 60"));
    EXPECT_FALSE(QFile::exists(png));
    EXPECT_EQ(logged("unregister").size(), 3 * 2);
    expectNothingRegistered();

    const CommandRun both = sheet({"--pictures", png, "--picture-set", "1", "--output", png});
    EXPECT_EQ(both.exitCode, 2);
    EXPECT_EQ(both.errors, QStringList({"zavolin-sheet: give one picture set only: --pictures or "
                                        "--picture-set"}));
}

TEST_F(SheetPictureSets, AFaultyPluginIsToldAndTheOthersAreStillListed) {
    add("ZavolinAccepted.dll", "ZavolinA.dll");
    add("ZavolinPlain.dll", "ZavolinB.dll"); // cannot register: its class cannot be created
    const CommandRun run = sheet({"--list-picture-sets"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "Fixture ZavolinA\n");
    ASSERT_EQ(run.errors.size(), 1);
    EXPECT_TRUE(run.errors[0].startsWith("zavolin-sheet: Error 429 ("));
    EXPECT_TRUE(run.errors[0].endsWith(") in frmZavolin.AddPicture, line 80"));
    EXPECT_EQ(logged("unregister"), QStringList({"ZavolinA.dll"}));
    expectNothingRegistered();
}
