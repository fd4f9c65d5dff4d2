// Serials on a class's notes, as a teacher uses them from the command: each note of a print
// unique and accepted by the checker, front and back alike, the next print numbering on, a
// changed digit or check code refused, and the register holding what was printed.
#include "SheetProcess.h"
#include "serials/SerialRegister.h"
#include "support/PrintedPdf.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

// The serials printed on each page of the PDF, in reading order.
QList<QStringList> printedSerials(const QString& pdf) {
    static const QRegularExpression serial(QStringLiteral("\\b3B-[0-9]{4,}-[A-Z0-9]{3}\\b"));
    QList<QStringList> pages;
    for (const QString& page : pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts)) {
        QStringList found;
        for (const QRegularExpressionMatch& match : serial.globalMatch(page))
            found << match.captured();
        pages << found;
    }
    return pages;
}

int check(const QString& serial) {
    return runSheet({"--check-serial", serial}).exitCode;
}

} // namespace

TEST(Serials, EveryNoteUniqueCheckedRegisteredAndTheNextPrintNumbersOn) {
    const QString folder = freshDirectory(QStringLiteral("serials"));
    const QString first = QDir(folder).filePath(QStringLiteral("first.pdf"));
    const SheetRun printed = runSheet({"--whole-set", "--values", "1,1000", "--serials", "3b",
                                       "--copies", "2", "--output", first});
    ASSERT_EQ(printed.exitCode, 0) << qPrintable(printed.errors);

    // Fronts and backs in turn, each copy numbered on: 7 notes "1" and 5 notes "1000" a page.
    const QList<QStringList> pages = printedSerials(first);
    ASSERT_EQ(pages.size(), 8);
    QStringList fronts;
    for (qsizetype p = 0; p < pages.size(); p += 2) {
        EXPECT_EQ(pages[p + 1], pages[p]) << "the back of page " << p + 1;
        fronts += pages[p];
    }
    EXPECT_EQ(fronts.size(), 2 * (7 + 5));
    EXPECT_EQ(QSet<QString>(fronts.begin(), fronts.end()).size(), fronts.size());
    EXPECT_TRUE(printed.output.contains(
        QStringLiteral("serials %1 to %2: 24 notes").arg(fronts.first(), fronts.last())))
        << qPrintable(printed.output);

    // The register holds every note printed, with its value, in print order.
    const QList<IssuedNote> issued = issuedNotes();
    ASSERT_EQ(issued.size(), fronts.size());
    for (qsizetype i = 0; i < issued.size(); ++i)
        EXPECT_EQ(issued[i].serial.text(), fronts[i]);
    EXPECT_EQ(issued.first().Denom, 1);
    EXPECT_EQ(issued[14].Denom, 10); // each page and its copy, then the next value

    const QString second = QDir(folder).filePath(QStringLiteral("second.pdf"));
    ASSERT_EQ(
        runSheet({"--whole-set", "--values", "5", "--serials", "3B", "--output", second}).exitCode,
        0);
    EXPECT_TRUE(printedSerials(second).value(0).value(0).startsWith("3B-0025-"));

    const SheetRun valid = runSheet({"--check-serial", fronts[14].toLower()});
    EXPECT_EQ(valid.exitCode, 0);
    EXPECT_TRUE(
        valid.output.startsWith(QStringLiteral("valid: %1 is a note of 1000").arg(fronts[14])))
        << qPrintable(valid.output);
    EXPECT_EQ(check(fronts.last()), 0);
    QString digit = fronts[3];
    digit[5] = digit[5] == QLatin1Char('9') ? QLatin1Char('1') : QLatin1Char('9');
    QString code = fronts[3];
    code[code.size() - 1] = code.endsWith(QLatin1Char('A')) ? QLatin1Char('C') : QLatin1Char('A');
    const struct {
        QString serial;
        int exitCode;
    } refused[] = {{digit, 1}, {code, 1}, {"XY-0001-ACE", 1}, {"3B-9999", 2}};
    for (const auto& c : refused)
        EXPECT_EQ(check(c.serial), c.exitCode) << qPrintable(c.serial);
}

} // namespace zavolin::test
