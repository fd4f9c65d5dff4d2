// The print adjustment dialog.

#include "app/frmPrint.h"

#include "platform/base/RuntimeError.h"
#include "support/ScriptedReporter.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

QString englishText(qint16 number) {
    switch (number) {
    case 109:
        return QStringLiteral("Move down:");
    case 110:
        return QStringLiteral("Move right:");
    case 111:
        return QStringLiteral("Justify printout...");
    default:
        return QString();
    }
}

class PrintDialogTest : public ::testing::Test {
protected:
    qint16 LeftMargin = 0;
    qint16 TopMargin = 0;
    ScriptedReporter reporter{{Ignore}};
    ScopedReplacement<ErrorReporter> answers{reporter};
};

} // namespace

TEST_F(PrintDialogTest, ShowsTheOffsetsAndTextsAtTheirPlaces) {
    LeftMargin = -7;
    TopMargin = 3;
    frmPrint dialog(LeftMargin, TopMargin, englishText);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Justify printout..."));
    EXPECT_EQ(dialog.lblMoveDown->text(), QStringLiteral("Move down:"));
    EXPECT_EQ(dialog.lblMoveRight->text(), QStringLiteral("Move right:"));
    EXPECT_EQ(dialog.lblMM[0]->text(), QStringLiteral("mm"));
    EXPECT_EQ(dialog.cmdOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog.lblTopMargin->text(), QStringLiteral("3"));
    EXPECT_EQ(dialog.vscTopMargin->value(), -3);
    EXPECT_EQ(dialog.lblLeftMargin->text(), QStringLiteral("-7"));
    EXPECT_EQ(dialog.vscLeftMargin->value(), 7);
    EXPECT_EQ(LeftMargin, -7);
    EXPECT_EQ(TopMargin, 3);

    // Fixed size, controls at their twip places (15 twips to a pixel).
    EXPECT_EQ(dialog.minimumSize(), QSize(269, 148));
    EXPECT_EQ(dialog.maximumSize(), QSize(269, 148));
    EXPECT_EQ(dialog.vscTopMargin->geometry(), QRect(192, 16, 17, 25));
    EXPECT_EQ(dialog.lblLeftMargin->geometry(), QRect(168, 48, 25, 25));
    EXPECT_EQ(dialog.cmdOK->geometry(), QRect(184, 96, 65, 33));
    EXPECT_EQ(dialog.vscTopMargin->orientation(), Qt::Vertical);
    EXPECT_TRUE(reporter.reports.isEmpty());
}

TEST_F(PrintDialogTest, EveryClickChangesTheOffsetAtOnce) {
    TopMargin = 3;
    frmPrint dialog(LeftMargin, TopMargin, englishText);
    // One click towards the bar's 20 end, on the arrow and then on the track.
    dialog.vscTopMargin->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(dialog.lblTopMargin->text(), QStringLiteral("2"));
    EXPECT_EQ(TopMargin, 2);
    dialog.vscTopMargin->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(TopMargin, 1);
    dialog.vscTopMargin->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(TopMargin, 2);
    EXPECT_EQ(LeftMargin, 0);
}

TEST_F(PrintDialogTest, OffsetsStopAtMinusAndPlusTwenty) {
    frmPrint dialog(LeftMargin, TopMargin, englishText);
    for (int i = 0; i < 30; ++i)
        dialog.vscLeftMargin->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(LeftMargin, 20);
    EXPECT_EQ(dialog.lblLeftMargin->text(), QStringLiteral("20"));
    for (int i = 0; i < 50; ++i)
        dialog.vscLeftMargin->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(LeftMargin, -20);
    EXPECT_EQ(dialog.lblLeftMargin->text(), QStringLiteral("-20"));
    EXPECT_TRUE(reporter.reports.isEmpty());
}

TEST_F(PrintDialogTest, OkAndClosingLeaveTheOffsetsAsTheyAre) {
    LeftMargin = 4;
    TopMargin = -5;
    QTimer::singleShot(0, [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<frmPrint*>(widget); dialog && dialog->isVisible())
                dialog->cmdOK->click();
    });
    frmPrint::showModal(LeftMargin, TopMargin, englishText);
    EXPECT_EQ(LeftMargin, 4);
    EXPECT_EQ(TopMargin, -5);

    frmPrint dialog(LeftMargin, TopMargin, englishText);
    dialog.show();
    dialog.vscLeftMargin->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_TRUE(dialog.close());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(LeftMargin, 5);
    EXPECT_EQ(TopMargin, -5);
}

TEST_F(PrintDialogTest, StoredOffsetOutsideTheRangeIsReportedAndReplacedByTheFirstClick) {
    LeftMargin = 25;
    TopMargin = -21;
    frmPrint dialog(LeftMargin, TopMargin, englishText);
    ASSERT_EQ(reporter.reports.size(), 2);
    EXPECT_EQ(reporter.reports[0].module, QStringLiteral("frmPrint"));
    EXPECT_EQ(reporter.reports[0].procedure, QStringLiteral("Form_Load"));
    EXPECT_EQ(reporter.reports[0].number, ErrNo::InvalidPropertyValue);
    EXPECT_EQ(reporter.reports[0].line, 40);
    EXPECT_EQ(reporter.reports[1].line, 60);
    // Ignored: the bar stays at 0, the label still shows the stored offset, which is kept.
    EXPECT_EQ(dialog.vscLeftMargin->value(), 0);
    EXPECT_EQ(dialog.lblLeftMargin->text(), QStringLiteral("25"));
    EXPECT_EQ(LeftMargin, 25);
    EXPECT_EQ(dialog.lblTopMargin->text(), QStringLiteral("-21"));
    // The rest of the load still ran.
    EXPECT_EQ(dialog.lblMoveRight->text(), QStringLiteral("Move right:"));

    dialog.vscLeftMargin->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(dialog.lblLeftMargin->text(), QStringLiteral("1"));
    EXPECT_EQ(LeftMargin, 1);
}
