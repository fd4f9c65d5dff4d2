// Texts of the set dialog and the own-pictures dialog as they are shown: the coins named as an
// entry of their own, and file names that a wrapped line never splits.

#include "app/frmOwnSets.h"
#include "lang/SetTexts.h"
#include "lang/Translations.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QLabel>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace zavolin::test {
namespace {

constexpr qint16 English = 1000;

// The label's text broken into lines as a label of that width breaks it, word joiners removed.
QStringList linesAt(const QLabel& label, int width) {
    QTextLayout layout(label.text(), label.font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << label.text().mid(line.textStart(), line.textLength()).remove(QChar(0x2060));
    }
    layout.endLayout();
    return lines;
}

class DialogTexts : public ::testing::Test {
protected:
    void TearDown() override { useTranslations(English); }
};

} // namespace

TEST_F(DialogTexts, TheCoinsAreCapitalisedAsAnEntryAndNotWithinASentence) {
    struct Case {
        qint16 langBase;
        QString label; // the set dialog's entry
        QString name;  // within a footnote or a sentence
    };
    const QList<Case> cases = {
        {0, QStringLiteral("Münzen"), QStringLiteral("Münzen")},
        {English, QStringLiteral("Coins"), QStringLiteral("coins")},
        {2000, QStringLiteral("Monedas"), QStringLiteral("monedas")},
    };
    for (const Case& c : cases) {
        useTranslations(c.langBase);
        EXPECT_EQ(setValueLabel(0).toStdString(), c.label.toStdString()) << c.langBase;
        EXPECT_EQ(setValueName(0).toStdString(), c.name.toStdString()) << c.langBase;
        EXPECT_TRUE(setFootnote(0, 1, 1, 2).startsWith(c.name + QStringLiteral(" \u00b7 ")))
            << c.langBase;
        // The banknotes are numbers in every language.
        EXPECT_EQ(setValueLabel(10), QStringLiteral("1000"));
    }
}

TEST_F(DialogTexts, FileNamesInTheOwnPicturesDialogStayOnOneLine) {
    const QString folder = freshDirectory(QStringLiteral("my-own-pictures"));
    const QString templatePath = QDir(folder).filePath(QStringLiteral("play-money-template.svg"));
    for (const qint16 langBase : {qint16(0), English, qint16(2000)}) {
        useTranslations(langBase);
        frmOwnSets dialog;
        ASSERT_TRUE(dialog.saveTemplate(templatePath));
        struct Shown {
            const QLabel* label;
            QStringList names;
        };
        const QList<Shown> shown = {
            {dialog.lblIntro,
             {QStringLiteral("1-front.png"), QStringLiteral("1-back.png"),
              QStringLiteral("1000-back.png")}},
            {dialog.lblStatus,
             {QStringLiteral("my-own-pictures"), QStringLiteral("play-money-template.svg")}},
        };
        for (const Shown& s : shown) {
            for (int width = 40; width <= 700; width += 3) {
                const QStringList lines = linesAt(*s.label, width);
                const QString what = QStringLiteral("%1 at %2 px: %3")
                                         .arg(langBase)
                                         .arg(width)
                                         .arg(lines.join(QStringLiteral(" | ")));
                for (const QString& name : s.names) {
                    const bool whole =
                        std::any_of(lines.begin(), lines.end(),
                                    [&](const QString& l) { return l.contains(name); });
                    EXPECT_TRUE(whole) << name.toStdString() << " in " << what.toStdString();
                    if (!whole)
                        return;
                }
            }
        }
    }
}

} // namespace zavolin::test
