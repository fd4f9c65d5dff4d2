// The about window.

#include "lang/frmInfo.h"

#include "lang/FlagLabel.h"
#include "lang/LangState.h"
#include "platform/base/ProgramInfo.h"
#include "resources/ProgramResources.h"
#include "support/LangFixture.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

using namespace zavolin;
using namespace zavolin::test;

namespace {

using frmInfoTest = LangTest;

void click(QWidget* widget) {
    const QPointF inside(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(inside);
    QMouseEvent press(QEvent::MouseButtonPress, inside, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

ProgramInfo version(int major, int minor, int revision) {
    ProgramInfo info;
    info.title = QStringLiteral("Zavolin");
    info.major = major;
    info.minor = minor;
    info.revision = revision;
    return info;
}

} // namespace

TEST_F(frmInfoTest, LoadingShowsTheVersionAndTheHintInTheCurrentLanguage) {
    ScopedProgramInfo program(version(2, 5, 7));
    frmInfo info;
    EXPECT_EQ(info.Label[0]->text(), QStringLiteral("Zavolin  2.05.0007"));
    EXPECT_TRUE(info.Label[0]->font().bold());
    EXPECT_EQ(info.Label[3]->text(), QStringLiteral("Weitere Informationen siehe README.HTM!"));
    EXPECT_TRUE(settings.writes.isEmpty());
}

TEST_F(frmInfoTest, IsLaidOutAsDefined) {
    frmInfo info;
    EXPECT_TRUE(info.windowTitle().isEmpty());
    EXPECT_EQ(info.minimumSize(), info.maximumSize());
    EXPECT_EQ(info.size(), QSize(356, 329)); // 5340 x 4935 twips
    EXPECT_EQ(info.Image2->pixmap().size(), QSize(356, 330));
    EXPECT_EQ(info.Label[0]->geometry(), QRect(57, 80, 252, 17));
    EXPECT_EQ(info.Label[3]->geometry(), QRect(49, 168, 227, 17));
    EXPECT_EQ(info.ok->text(), QStringLiteral("&OK"));
    EXPECT_EQ(info.ok->geometry(), QRect(200, 256, 65, 30));
    const QStringList tips = {"Deutsch", "English", "Español", "Italiano"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(info.imgLang[i]->geometry(), QRect(304, 224 + 24 * i, 32, 20));
        EXPECT_EQ(info.imgLang[i]->toolTip(), tips[i]);
        EXPECT_EQ(info.imgLang[i]->pixmap().size(), QSize(32, 20));
    }
    info.show();
    EXPECT_TRUE(info.imgLang[2]->isVisible());
    EXPECT_FALSE(info.imgLang[3]->isVisible());
}

TEST_F(frmInfoTest, TheBritishFlagSwitchesTheHintAndStoresEnglish) {
    frmInfo info;
    click(info.imgLang[1]);
    EXPECT_EQ(LangBase, 1000);
    EXPECT_EQ(info.Label[3]->text(), QStringLiteral("For more information see README.HTM!"));
    EXPECT_EQ(settings.writes, QStringList{QStringLiteral("Sprache= 1000")});

    click(info.imgLang[2]);
    EXPECT_EQ(info.Label[3]->text(), QStringLiteral("Para más información vea: README.HTM!"));
    EXPECT_EQ(settings.values.value(QStringLiteral("Sprache")), QStringLiteral(" 2000"));
}

TEST_F(frmInfoTest, TheFlagOfTheLanguageShownDoesNothing) {
    frmInfo info;
    click(info.imgLang[0]);
    EXPECT_EQ(LangBase, 0);
    EXPECT_TRUE(settings.writes.isEmpty());
    EXPECT_EQ(info.Label[3]->text(), QStringLiteral("Weitere Informationen siehe README.HTM!"));
}

TEST_F(frmInfoTest, TheHintFitsItsLineInEveryLanguage) {
    frmInfo info;
    for (qint16 flag : {1, 2, 0}) {
        info.imgLang_Click(flag);
        const QLabel* hint = info.Label[3];
        EXPECT_FALSE(hint->text().isEmpty());
        EXPECT_LE(QFontMetricsF(hint->font()).horizontalAdvance(hint->text()), hint->width())
            << hint->text().toStdString();
    }
}

TEST_F(frmInfoTest, OkClosesTheWindow) {
    frmInfo info;
    info.show();
    click(info.ok);
    EXPECT_FALSE(info.isVisible());
    EXPECT_EQ(info.result(), QDialog::Accepted);
}

TEST(AboutPictures, BackgroundHas256ColoursAndTheFlagsAre32By20) {
    initProgramResources();
    const QImage background(QStringLiteral(":/images/about-background.png"));
    EXPECT_EQ(background.size(), QSize(356, 330));
    EXPECT_EQ(background.format(), QImage::Format_Indexed8);
    EXPECT_LE(background.colorCount(), 256);
    for (const char* flag : {"de", "gb", "es", "it"}) {
        SCOPED_TRACE(flag);
        const QImage image(QStringLiteral(":/images/flag-%1-32x20.png").arg(QLatin1String(flag)));
        EXPECT_EQ(image.size(), QSize(32, 20));
    }
}
