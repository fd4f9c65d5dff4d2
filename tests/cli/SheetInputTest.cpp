// What zavolin-sheet does with input it cannot use: one line on standard error, status 2, and
// nothing left behind.
#include "SheetProcess.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct BadInputCase {
    QStringList arguments; // "OUT" stands for the output folder
    QString says;          // a part of the one line
};

} // namespace

TEST(SheetInput, BadInputIsOneLineOnStandardErrorWithStatus2AndNoFileLeft) {
    const QString folder = freshDirectory(QStringLiteral("bad-input"));
    const QString pictures = freshDirectory(QStringLiteral("bad-input-pictures"));
    const QString text = QDir(pictures).filePath(QStringLiteral("notes.txt"));
    const QString empty = QDir(pictures).filePath(QStringLiteral("empty.png"));
    const QString fakePng = QDir(pictures).filePath(QStringLiteral("fake.png"));
    ASSERT_TRUE(writeFile(text, "not a picture\n"));
    ASSERT_TRUE(writeFile(empty, QByteArray()));
    // Pictures that end after their first bytes: the decoders' own complaints must not add
    // lines to the command's one.
    ASSERT_TRUE(writeFile(fakePng, QByteArray("\x89PNG\r\n\x1a\n", 8)));
    const QString fakeJpeg = QDir(pictures).filePath(QStringLiteral("fake.jpg"));
    ASSERT_TRUE(writeFile(fakeJpeg, QByteArray("\xff\xd8\xff\xe0\x00\x10JFIF", 10)));
    const QString brokenSvg = QDir(pictures).filePath(QStringLiteral("broken.svg"));
    ASSERT_TRUE(writeFile(brokenSvg, "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect"));
    // A regular file where the output's folder should be: root may write anywhere else.
    const QString plainFile = QDir(folder).filePath(QStringLiteral("plain"));
    ASSERT_TRUE(writeFile(plainFile, "a file, not a folder\n"));
    const QByteArray plainBytes = readFile(plainFile);
    const QString pdf = QStringLiteral("OUT/sheet.pdf");
    const QString png = QStringLiteral("OUT/sheet.png");

    const QList<BadInputCase> cases = {
        {{QStringLiteral("--denomination"), QStringLiteral("3"), QStringLiteral("--output"), pdf},
         QStringLiteral("unknown denomination \"3\"")},
        {{QStringLiteral("--denomination"), QStringLiteral("euro"), QStringLiteral("--output"),
          png},
         QStringLiteral("unknown denomination \"euro\"")},
        {{QStringLiteral("--side"), QStringLiteral("left"), QStringLiteral("--output"), pdf},
         QStringLiteral("unknown side \"left\"")},
        // Control characters in an argument neither act on the terminal nor add a line.
        {{QStringLiteral("--side"), QStringLiteral("\x1b[2J\nleft\x7f"), QStringLiteral("--output"),
          pdf},
         QStringLiteral("unknown side \"\\x1b[2J\\x0aleft\\x7f\"")},
        {{QStringLiteral("--left-margin"), QStringLiteral("2.5"), QStringLiteral("--output"), pdf},
         QStringLiteral("--left-margin takes a whole number of millimetres from -20 to 20")},
        {{QStringLiteral("--left-margin"), QStringLiteral("abc"), QStringLiteral("--output"), pdf},
         QStringLiteral("not \"abc\"")},
        {{QStringLiteral("--left-margin"), QStringLiteral("21"), QStringLiteral("--output"), pdf},
         QStringLiteral("not \"21\"")},
        {{QStringLiteral("--left-margin=-21"), QStringLiteral("--output"), pdf},
         QStringLiteral("not \"-21\"")},
        {{QStringLiteral("--top-margin"), QStringLiteral("2.5"), QStringLiteral("--output"), png},
         QStringLiteral("--top-margin takes a whole number of millimetres from -20 to 20")},
        {{QStringLiteral("--top-margin"), QStringLiteral("abc"), QStringLiteral("--output"), pdf},
         QStringLiteral("not \"abc\"")},
        {{QStringLiteral("--top-margin"), QStringLiteral("21"), QStringLiteral("--output"), pdf},
         QStringLiteral("not \"21\"")},
        {{QStringLiteral("--top-margin"), QStringLiteral("-21"), QStringLiteral("--output"), pdf},
         QStringLiteral("not \"-21\"")},
        {{QStringLiteral("--copies"), QStringLiteral("0"), QStringLiteral("--print")},
         QStringLiteral("--copies takes a whole number from 1 to 10, not \"0\"")},
        {{QStringLiteral("--copies"), QStringLiteral("11"), QStringLiteral("--print")},
         QStringLiteral("not \"11\"")},
        {{QStringLiteral("--copies"), QStringLiteral("x"), QStringLiteral("--output"), pdf},
         QStringLiteral("not \"x\"")},
        {{QStringLiteral("--pictures"), QDir(pictures).filePath(QStringLiteral("missing.png")),
          QStringLiteral("--output"), pdf},
         QStringLiteral("cannot read the picture set")},
        {{QStringLiteral("--pictures"), pictures, QStringLiteral("--output"), png},
         QStringLiteral("cannot read the picture set")},
        {{QStringLiteral("--pictures"), text, QStringLiteral("--output"), pdf},
         QStringLiteral("cannot use \"%1\" as a picture set").arg(text)},
        {{QStringLiteral("--pictures"), empty, QStringLiteral("--output"), pdf},
         QStringLiteral("as a picture set")},
        {{QStringLiteral("--pictures"), fakePng, QStringLiteral("--output"), png},
         QStringLiteral("as a picture set")},
        {{QStringLiteral("--pictures"), fakeJpeg, QStringLiteral("--output"), pdf},
         QStringLiteral("as a picture set")},
        {{QStringLiteral("--pictures"), brokenSvg, QStringLiteral("--print")},
         QStringLiteral("as a picture set")},
        {{QStringLiteral("--output"), QStringLiteral("OUT/missing/sheet.pdf")},
         QStringLiteral("/missing does not exist")},
        {{QStringLiteral("--output"), QStringLiteral("OUT/missing/sheet.png")},
         QStringLiteral("/missing does not exist")},
        {{QStringLiteral("--output"), QStringLiteral("OUT/plain/sheet.pdf")},
         QStringLiteral("/plain is not a folder")},
        {{QStringLiteral("--output"), QStringLiteral("OUT/plain/sheet.png")},
         QStringLiteral("/plain is not a folder")},
        {{QStringLiteral("--output"), QStringLiteral("OUT")}, QStringLiteral("must end in .pdf")},
        {{QStringLiteral("--output"), QStringLiteral("OUT/folder.pdf")},
         QStringLiteral("it is a folder")},
        {{QStringLiteral("--denomination"), QStringLiteral("5")},
         QStringLiteral("say where the sheet goes")},
        {{}, QStringLiteral("say where the sheet goes")},
        {{QStringLiteral("--output"), pdf, QStringLiteral("--output"), png},
         QStringLiteral("give one output only")},
        {{QStringLiteral("--output"), pdf, QStringLiteral("--print")},
         QStringLiteral("give one output only")},
        {{QStringLiteral("--print"), QStringLiteral("--output"), png},
         QStringLiteral("give one output only")},
        {{QStringLiteral("--output")}, QStringLiteral("--output needs a value")},
        {{QStringLiteral("--colour"), QStringLiteral("red"), QStringLiteral("--output"), pdf},
         QStringLiteral("unknown option \"--colour\"")},
        // The whole set and the calibration sheet.
        {{QStringLiteral("--whole-set"), QStringLiteral("--values"), QStringLiteral("1,3"),
          QStringLiteral("--output"), pdf},
         QStringLiteral("unknown value \"3\" in --values")},
        {{QStringLiteral("--whole-set"), QStringLiteral("--duplex"), QStringLiteral("sideways"),
          QStringLiteral("--output"), pdf},
         QStringLiteral("unknown --duplex \"sideways\"")},
        {{QStringLiteral("--whole-set"), QStringLiteral("--back-offset"), QStringLiteral("10.5,0"),
          QStringLiteral("--output"), pdf},
         QStringLiteral("--back-offset takes X,Y in millimetres from -10 to 10")},
        {{QStringLiteral("--calibration"), QStringLiteral("--back-offset=1.55,0"),
          QStringLiteral("--output"), pdf},
         QStringLiteral("not \"1.55,0\"")},
        {{QStringLiteral("--whole-set"), QStringLiteral("--copies"), QStringLiteral("100"),
          QStringLiteral("--output"), pdf},
         QStringLiteral("from 1 to 99, not \"100\"")},
        {{QStringLiteral("--whole-set"), QStringLiteral("--output"), png},
         QStringLiteral("--whole-set writes a PDF file")},
        {{QStringLiteral("--values"), QStringLiteral("1"), QStringLiteral("--output"), pdf},
         QStringLiteral("--values goes with --whole-set or --calibration only")},
        {{QStringLiteral("--calibration"), QStringLiteral("--copies"), QStringLiteral("2"),
          QStringLiteral("--output"), pdf},
         QStringLiteral("--copies does not go with --calibration")},
        {{QStringLiteral("--whole-set"), QStringLiteral("--calibration"),
          QStringLiteral("--print")},
         QStringLiteral("give one of --whole-set and --calibration")},
        {{QStringLiteral("--columns"), QStringLiteral("2"), QStringLiteral("--output"), pdf},
         QStringLiteral("--columns takes 1 or auto, not \"2\"")},
        {{QStringLiteral("--calibration"), QStringLiteral("--columns"), QStringLiteral("auto"),
          QStringLiteral("--output"), pdf},
         QStringLiteral("--columns does not go with --calibration")},
        // Counted notes, the printer and the paper.
        {{QStringLiteral("--whole-set"), QStringLiteral("--notes"), QStringLiteral("1=300,3=5"),
          QStringLiteral("--output"), pdf},
         QStringLiteral("--notes: \"3=5\" is not VALUE=COUNT")},
        {{QStringLiteral("--whole-set"), QStringLiteral("--notes"), QStringLiteral("1=10000"),
          QStringLiteral("--plan")},
         QStringLiteral("\"1=10000\" is not a count from 0 to 9999")},
        {{QStringLiteral("--whole-set"), QStringLiteral("--children"), QStringLiteral("30"),
          QStringLiteral("--output"), pdf},
         QStringLiteral("--children and --each go together")},
        {{QStringLiteral("--whole-set"), QStringLiteral("--notes"), QStringLiteral("coins=0"),
          QStringLiteral("--output"), pdf},
         QStringLiteral("every value is counted 0")},
        {{QStringLiteral("--notes"), QStringLiteral("1=5"), QStringLiteral("--output"), pdf},
         QStringLiteral("--notes goes with --whole-set only")},
        {{QStringLiteral("--printer"), QStringLiteral("zavolin-pdf"), QStringLiteral("--output"),
          pdf},
         QStringLiteral("--printer goes with --print")},
        {{QStringLiteral("--paper"), QStringLiteral("A3"), QStringLiteral("--output"), pdf},
         QStringLiteral("unknown paper \"A3\" (A4, Letter, A5 or Legal)")},
        // The drawing template.
        {{QStringLiteral("--template"), QStringLiteral("OUT/template.jpg")},
         QStringLiteral("template.jpg\" must end in .svg, .png or .pdf")},
        {{QStringLiteral("--template"), QStringLiteral("OUT/template.svg"),
          QStringLiteral("--output"), pdf},
         QStringLiteral("not with --output")},
        {{QStringLiteral("--template"), QStringLiteral("OUT/missing/template.png")},
         QStringLiteral("/missing does not exist")},
        {{QStringLiteral("--template"), QStringLiteral("OUT/pages.pdf"), QStringLiteral("--values"),
          QStringLiteral("5,coins")},
         QStringLiteral("the drawing pages hold banknotes only")},
        {{QStringLiteral("--template"), QStringLiteral("OUT/pages.pdf"), QStringLiteral("--copies"),
          QStringLiteral("2")},
         QStringLiteral("(a .pdf with --paper and --values only), not with --copies")},
    };
    ASSERT_TRUE(QDir(folder).mkdir(QStringLiteral("folder.pdf")));
    for (const BadInputCase& c : cases) {
        QStringList arguments = c.arguments;
        for (QString& a : arguments)
            a.replace(QStringLiteral("OUT"), folder);
        const QString what = arguments.join(QLatin1Char(' '));
        expectOneLineFailure(runSheet(arguments), c.says, what);
        EXPECT_EQ(filesIn(folder),
                  QStringList({QStringLiteral("folder.pdf"), QStringLiteral("plain")}))
            << qPrintable(what) << " left something behind";
        EXPECT_TRUE(filesIn(QDir(folder).filePath(QStringLiteral("folder.pdf"))).isEmpty())
            << qPrintable(what);
        EXPECT_EQ(readFile(plainFile), plainBytes) << qPrintable(what);
    }
}

TEST(SheetInput, AFailedRunLeavesAnExistingOutputAsItWas) {
    const QString folder = freshDirectory(QStringLiteral("existing-output"));
    const QString missing = QDir(folder).filePath(QStringLiteral("no-such-set.svg"));
    for (const QString& name : {QStringLiteral("sheet.pdf"), QStringLiteral("sheet.png")}) {
        const QString target = QDir(folder).filePath(name);
        ASSERT_TRUE(writeFile(target, "the earlier sheet\n"));
        expectOneLineFailure(
            runSheet({QStringLiteral("--pictures"), missing, QStringLiteral("--output"), target}),
            QStringLiteral("cannot read the picture set"), name);
        EXPECT_EQ(readFile(target), QByteArray("the earlier sheet\n")) << qPrintable(name);
    }
    EXPECT_EQ(filesIn(folder).size(), 2) << qPrintable(filesIn(folder).join(QLatin1Char(' ')));
}

TEST(SheetInput, AnUnknownQueueInPrinterIsNamedInOneLine) {
    const QString temp = freshDirectory(QStringLiteral("unknown-queue-tmp"));
    SheetEnvironment environment;
    environment.printer = QStringLiteral("zavolin-no-such-queue");
    environment.tmpDir = temp;
    expectOneLineFailure(runSheet({QStringLiteral("--print")}, environment),
                         // In the user's language, German unless another is stored.
                         QStringLiteral("Es gibt keinen Drucker „zavolin-no-such-queue“"),
                         QStringLiteral("PRINTER=zavolin-no-such-queue"));
    EXPECT_TRUE(filesIn(temp).isEmpty()) << qPrintable(filesIn(temp).join(QLatin1Char(' ')));
}

TEST(SheetInput, HelpTellsTheOptionsAndSucceeds) {
    const SheetRun run = runSheet({QStringLiteral("--help")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.errors.isEmpty()) << qPrintable(run.errors);
    for (const char* option :
         {"--denomination", "--side", "--left-margin", "--top-margin", "--copies", "--pictures",
          "--paper", "--output", "--print", "--template"})
        EXPECT_TRUE(run.output.contains(QLatin1String(option))) << option;
}

} // namespace zavolin::test
