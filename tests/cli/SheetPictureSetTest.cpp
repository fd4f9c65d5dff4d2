// zavolin-sheet --list-picture-sets and --picture-set, run as a user runs them, with the
// plug-ins beside the command.
#include "support/PluginFaults.h"
#include "support/PluginFolder.h"

#include <QFile>
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
        addSheetCommand();
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

// A plug-in that fails beside two good ones, with the plug-in limit short.
class FaultyPictureSet : public SheetPictureSets,
                         public ::testing::WithParamInterface<PluginFault> {
protected:
    void SetUp() override {
        SheetPictureSets::SetUp();
        qputenv("ZAVOLIN_PLUGIN_LIMIT_MS", QByteArray::number(ShortPluginLimitMs));
    }
    void TearDown() override {
        qunsetenv("ZAVOLIN_PLUGIN_LIMIT_MS");
        SheetPictureSets::TearDown();
    }
};

// Holds the line to the error trap's report of the failure in the procedure.
void expectReportLine(const QString& line, const QString& procedure,
                      const ExpectedReport& expected) {
    EXPECT_TRUE(line.startsWith(QStringLiteral("zavolin-sheet: Error %1 (").arg(expected.number)))
        << qPrintable(line);
    EXPECT_TRUE(line.contains(QLatin1String(expected.says))) << qPrintable(line);
    EXPECT_TRUE(line.endsWith(
        QStringLiteral(") in frmZavolin.%1, line %2").arg(procedure).arg(expected.line)))
        << qPrintable(line);
}

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

TEST_P(FaultyPictureSet, TheGoodSetsAreListedAndUsedAndChoosingTheFaultyOneFailsInOneLine) {
    const PluginFault& fault = GetParam();
    addBetweenGoodOnes(fault.fixture);
    // The start-up's report, in every run.
    const int startUpLines = fault.atStartUp ? 1 : 0;

    const CommandRun list = sheet({"--list-picture-sets"});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.output, fault.listed ? "Fixture ZavolinA\nFixture ZavolinB\nFixture ZavolinC\n"
                                        : "Fixture ZavolinA\nFixture ZavolinC\n");
    ASSERT_EQ(list.errors.size(), startUpLines) << qPrintable(list.errors.join('\n'));
    if (fault.atStartUp)
        expectReportLine(list.errors[0], "AddPicture", *fault.atStartUp);

    const QString png = folder() + "/sheet.png";
    const CommandRun faulty = sheet({"--picture-set", "Fixture ZavolinB", "--output", png});
    EXPECT_EQ(faulty.exitCode, 2);
    EXPECT_FALSE(QFile::exists(png));
    ASSERT_EQ(faulty.errors.size(), startUpLines + 1) << qPrintable(faulty.errors.join('\n'));
    if (fault.whenChosen)
        expectReportLine(faulty.errors.last(), "CreatePicture", *fault.whenChosen);
    else
        EXPECT_EQ(faulty.errors.last(), "zavolin-sheet: there is no picture set \"Fixture "
                                        "ZavolinB\" (see --list-picture-sets)");

    const CommandRun good = sheet({"--picture-set", "Fixture ZavolinC", "--output", png});
    ASSERT_EQ(good.exitCode, 0) << qPrintable(good.errors.join('\n'));
    EXPECT_EQ(good.errors.size(), startUpLines) << qPrintable(good.errors.join('\n'));
    EXPECT_GT(pixelsOf(QImage(png), fixtureColour(0)), 1000) << "the front of the 1 of set C";
}

INSTANTIATE_TEST_SUITE_P(Faults, FaultyPictureSet, ::testing::ValuesIn(PluginFaults),
                         PluginFaultName());

TEST_F(SheetPictureSets, APdfWithoutTheWriterModuleBesideTheCommandIsRefusedInOneLine) {
    // The folder holds the command and its plug-in helpers, not the PDF writer module.
    const QString pdf = folder() + "/sheet.pdf";
    const CommandRun run = sheet({"--output", pdf});
    EXPECT_NE(run.exitCode, 0);
    ASSERT_EQ(run.errors.size(), 1) << run.errors.join('\n').toStdString();
    EXPECT_TRUE(run.errors[0].contains("the PDF writer cannot be loaded"))
        << run.errors[0].toStdString();
    EXPECT_TRUE(run.errors[0].contains("install Zavolin again")) << run.errors[0].toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(SheetPictureSets, APluginLimitThatIsNoNumberOfMillisecondsEndsTheCommandInOneLine) {
    add("ZavolinAccepted.dll", "ZavolinA.dll");
    for (const char* limit : {"0", "600001", "5s", "-1"}) {
        SCOPED_TRACE(limit);
        qputenv("ZAVOLIN_PLUGIN_LIMIT_MS", limit);
        const CommandRun run = sheet({"--list-picture-sets"});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.output, QString());
        EXPECT_EQ(run.errors,
                  QStringList(QStringLiteral("zavolin-sheet: ZAVOLIN_PLUGIN_LIMIT_MS must be a "
                                             "number of milliseconds from 1 to 600000, not \"%1\"")
                                  .arg(QLatin1String(limit))));
    }
    qunsetenv("ZAVOLIN_PLUGIN_LIMIT_MS");
    EXPECT_TRUE(logged("register").isEmpty()) << "no plug-in is touched";
}
