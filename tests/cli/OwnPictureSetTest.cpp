// The user's own picture sets made with the command as a user makes them: from a folder of
// single pictures and from one grid picture, each cell a colour of its own, then printed and
// every note found in its cell's colour; and a failed or refused import leaves nothing.
#include "SheetProcess.h"
#include "support/ExpectedSheet.h"
#include "support/PrintedPdf.h"
#include "support/TestEnvironment.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

const QStringList Values = {"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"};
constexpr int CellWidth = 1200;
constexpr int CellHeight = 620;

// Cell k (row k / 2 the value, column k % 2 the side) in a colour no other cell has.
QColor cellColour(int k) {
    return QColor::fromHsv(k * 18, 255, k % 2 ? 160 : 230);
}

QImage filled(int k, QSize size = {CellWidth, CellHeight}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(cellColour(k));
    return image;
}

QString ownSetsFolder() {
    return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Zavolin/sets");
}

// A data folder of the test's own, which the command inherits: no sets of another test.
void freshDataFolder(const QString& name) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(freshDirectory(name)));
}

// The colour at the centre of the first note of a printed page (the back turned over: its
// note mirrored about the paper's centre).
constexpr int Dpi = 50;

QColor at(const QImage& page, QPointF millimetres) {
    return page.pixelColor((millimetres * Dpi / 25.4).toPoint());
}

QColor noteCentre(const QImage& page, int denom, int side, bool turned) {
    const ExpectedSheet sheet = expectedOnPaper(SheetChoice{denom, side, 0, 0}, a4FilePaper());
    QPointF centre = sheet.items.first().center();
    if (turned)
        centre.setX(a4FilePaper().paper.width() - centre.x());
    return at(page, centre);
}

bool near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) <= 12 && std::abs(a.green() - b.green()) <= 12 &&
           std::abs(a.blue() - b.blue()) <= 12;
}

} // namespace

TEST(OwnPictureSets, FromAFolderAndFromAGridEveryNotePrintsInItsCellsColour) {
    ZAVOLIN_SKIP_WITHOUT_CUPS();
    freshDataFolder(QStringLiteral("own-sets-data"));
    const QString work = freshDirectory(QStringLiteral("own-sets"));
    const QString folder = work + QStringLiteral("/pictures");
    ASSERT_TRUE(QDir().mkpath(folder));
    QImage grid(2 * CellWidth, 10 * CellHeight, QImage::Format_RGB32);
    QPainter painter(&grid);
    for (int k = 0; k < 20; ++k) {
        const QString name =
            QStringLiteral("%1-%2.png").arg(Values[k / 2], k % 2 ? "back" : "front");
        ASSERT_TRUE(filled(k).save(QDir(folder).filePath(name)));
        painter.drawImage((k % 2) * CellWidth, (k / 2) * CellHeight, filled(k));
    }
    painter.end();
    const QString gridFile = work + QStringLiteral("/grid.png");
    ASSERT_TRUE(grid.save(gridFile));

    for (const auto& [name, from] : {std::pair{"School money", folder}, {"Grid", gridFile}}) {
        const SheetRun made = runSheet({"--add-picture-set", name, "--from", from});
        ASSERT_EQ(made.exitCode, 0) << qPrintable(made.errors);
    }
    const SheetRun listed = runSheet({"--list-picture-sets"});
    EXPECT_TRUE(listed.output.endsWith("Grid (own)\nSchool money (own)\n"))
        << qPrintable(listed.output);

    // The whole set of the folder's pictures as a file: each value's front, then its back
    // turned over.
    const QString pdf = work + QStringLiteral("/set.pdf");
    const SheetRun set = runSheet({"--whole-set", "--values", Values.join(','), "--picture-set",
                                   "School money", "--output", pdf});
    ASSERT_EQ(set.exitCode, 0) << qPrintable(set.errors);
    ASSERT_EQ(pdfPageCount(pdf), 20);
    for (int k = 0; k < 20; ++k) {
        const QColor found = noteCentre(renderInColour(pdf, k + 1, Dpi), k / 2 + 1, k % 2, k % 2);
        EXPECT_TRUE(near(found, cellColour(k)))
            << "cell " << k << ": " << qPrintable(found.name()) << " instead of "
            << qPrintable(cellColour(k).name());
    }

    // One page of the grid's set through the PDF printer.
    const PrintedSheet printed =
        printSheet({"--denomination", "200", "--side", "back", "--picture-set", "Grid"},
                   QString::fromLatin1(cups::PdfQueue));
    ASSERT_FALSE(printed.pdf.isEmpty()) << qPrintable(printed.problem);
    const QImage page = renderInColour(printed.pdf, 1, Dpi);
    const ExpectedSheet sheet = expectedOnPaper(SheetChoice{8, 1, 0, 0}, pdfQueuePaper());
    for (const QRectF& note : sheet.items) {
        const QColor found = at(page, note.center());
        EXPECT_TRUE(near(found, cellColour(15))) << qPrintable(found.name());
    }
}

TEST(OwnPictureSets, AFailedOrRefusedImportLeavesNothingBehind) {
    freshDataFolder(QStringLiteral("own-sets-refused-data"));
    const QString work = freshDirectory(QStringLiteral("own-sets-refused"));
    const QString folder = work + QStringLiteral("/pictures");
    ASSERT_TRUE(QDir().mkpath(folder));
    // Fronts of "1" to "500" only, and the first one not a picture at all.
    for (int k = 0; k < 18; k += 2)
        ASSERT_TRUE(filled(k).save(QDir(folder).filePath(Values[k / 2] + "-front.png")));
    QFile broken(QDir(folder).filePath("1-front.png"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();

    const SheetRun missing = runSheet({"--add-picture-set", "Broken", "--from", folder});
    expectOneLineFailure(missing, "fronts missing", "missing fronts");
    EXPECT_TRUE(missing.errors.contains("1000-front")) << qPrintable(missing.errors);
    EXPECT_TRUE(missing.errors.contains("1-front.png")) << qPrintable(missing.errors);
    EXPECT_TRUE(filesIn(ownSetsFolder()).isEmpty())
        << qPrintable(filesIn(ownSetsFolder()).join(' '));

    // A low-resolution front is a warning: declined (no answer on the terminal), nothing is
    // made; accepted, the set is there.
    ASSERT_TRUE(filled(0, {300, 155}).save(QDir(folder).filePath("1-front.png")));
    ASSERT_TRUE(filled(18).save(QDir(folder).filePath("1000-front.png")));
    const SheetRun declined = runSheet({"--add-picture-set", "Low", "--from", folder});
    EXPECT_EQ(declined.exitCode, 2);
    EXPECT_TRUE(declined.errors.contains("dots per inch")) << qPrintable(declined.errors);
    EXPECT_TRUE(filesIn(ownSetsFolder()).isEmpty())
        << qPrintable(filesIn(ownSetsFolder()).join(' '));
    const SheetRun accepted =
        runSheet({"--add-picture-set", "Low", "--from", folder, "--accept-warnings"});
    ASSERT_EQ(accepted.exitCode, 0) << qPrintable(accepted.errors);

    const struct {
        QStringList arguments;
        const char* says;
    } refused[] = {
        {{"--add-picture-set", "Low", "--from", folder}, "there is a picture set \"Low\" already"},
        {{"--add-picture-set", "", "--from", folder}, "needs a name"},
        {{"--add-picture-set", "a/b", "--from", folder}, "path separator"},
        {{"--add-picture-set", "New"}, "needs --from"},
        {{"--remove-picture-set", "Nothing"}, "there is no own picture set \"Nothing\""},
    };
    for (const auto& c : refused)
        expectOneLineFailure(runSheet(c.arguments), c.says, c.arguments.join(' '));
    EXPECT_EQ(filesIn(ownSetsFolder()), QStringList{"Low"});

    ASSERT_EQ(runSheet({"--remove-picture-set", "Low"}).exitCode, 0);
    EXPECT_TRUE(filesIn(ownSetsFolder()).isEmpty());
}

} // namespace zavolin::test
