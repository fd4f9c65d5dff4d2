// The selection controls: what each choice stores, paints and clears.
#include "WindowFixture.h"
#include "app/PreviewBox.h"
#include "app/frmOwnSets.h"
#include "lang/LangState.h"
#include "support/ScriptedReporter.h"
#include "support/TestEnvironment.h"
#include "ui_frmZavolin.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QScopeGuard>

using namespace zavolin;
using namespace zavolin::test;

namespace {

bool near(const QColor& a, const QColor& b) {
    return qAbs(a.red() - b.red()) <= 2 && qAbs(a.green() - b.green()) <= 2 &&
           qAbs(a.blue() - b.blue()) <= 2;
}

// The first pixel of that colour, or (-1, -1).
QPoint find(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixelColor(x, y), colour))
                return {x, y};
    return {-1, -1};
}

const QColor Black(0, 0, 0);

class Selection : public WindowTest {
protected:
    // A window showing banknote 1 as its layout painted it, with a black mark in the
    // preview's top left corner that only clearing removes.
    std::unique_ptr<frmZavolin> loadWithMark() {
        auto window = load();
        EXPECT_TRUE(window->ui().optIndex_1->isChecked());
        EXPECT_GT(window->PreviewScale, 0);
        PreviewBox& bild = window->Bild();
        bild.setForeColor(Black);
        bild.line(0, 0, 4, 0);
        bild.setForeColor(QColor(192, 192, 192));
        return window;
    }

    static bool marked(frmZavolin& window) {
        return near(window.Bild().image().pixelColor(1, 0), Black);
    }
};

} // namespace

TEST_F(Selection, TheCoinButtonAfterABanknoteClearsThePreviewAndDrawsTheCoinSheet) {
    add("ZavolinAccepted.dll");
    const auto window = loadWithMark();
    EXPECT_EQ(window->Denom, 1);
    const QPoint note = find(window->Bild().image(), fixtureColour(0));
    ASSERT_NE(note, QPoint(-1, -1)) << "no note of value 1, front, in the preview";
    ASSERT_TRUE(marked(*window));

    window->ui().optIndex_0->click();
    EXPECT_EQ(window->Denom, 0);
    const QImage coins = window->Bild().image();
    EXPECT_FALSE(marked(*window));
    EXPECT_EQ(find(coins, fixtureColour(0)), QPoint(-1, -1));
    // The coin strips are drawn: many pixels are neither background nor cut line.
    int drawn = 0;
    for (int y = 0; y < coins.height(); ++y)
        for (int x = 0; x < coins.width(); ++x) {
            const QColor c = coins.pixelColor(x, y);
            drawn += c != window->Bild().backColor() && c != QColor(192, 192, 192);
        }
    EXPECT_GT(drawn, coins.width() * coins.height() / 10);
}

TEST_F(Selection, TheBackSideRepaintsOverThePreviewAndALanguageSwitchShowsTheFront) {
    add("ZavolinAccepted.dll");
    const auto window = loadWithMark();
    const QPoint note = find(window->Bild().image(), fixtureColour(0));
    ASSERT_NE(note, QPoint(-1, -1));

    pickNext(window->ui().cmbSide);
    EXPECT_EQ(window->Side, 1);
    EXPECT_TRUE(near(window->Bild().image().pixelColor(note), fixtureColour(1)));
    EXPECT_TRUE(marked(*window)) << "a side change must not clear the preview";

    window->ui().PicBut_11->click();
    EXPECT_EQ(LangBase, 1000);
    EXPECT_EQ(window->ui().cmbSide->currentText(), "Front");
    EXPECT_EQ(window->Side, 0);
    EXPECT_TRUE(near(window->Bild().image().pixelColor(note), fixtureColour(0)));
    EXPECT_TRUE(marked(*window));
    EXPECT_EQ(settings.writes, QStringList({"Sprache= 1000"}));
}

TEST_F(Selection, AnotherPictureSetIsCreatedAndDrawnOnAClearedPreview) {
    add("ZavolinAccepted.dll", "ZavolinA.dll");
    add("ZavolinAccepted.dll", "ZavolinB.dll");
    const auto window = loadWithMark();
    const int before = logged("create").count("ZavolinB.dll");

    pickNext(window->ui().cmbAuswahl);
    EXPECT_EQ(window->ui().cmbAuswahl->currentIndex(), 1);
    EXPECT_EQ(window->lstFiles.listIndex(), 1);
    EXPECT_EQ(logged("create").count("ZavolinB.dll"), before + 1);
    EXPECT_NE(find(window->Bild().image(), fixtureColour(0)), QPoint(-1, -1));
    EXPECT_FALSE(marked(*window)) << "what the old set drew must not stay beside the new one";
}

TEST_F(Selection, TheKidsSetAfterTheClassicSetLeavesNoClassicPixelOutsideItsNotes) {
    for (const char* library : {ZAVOLIN_CLASSIC_PLUGIN, ZAVOLIN_KIDS_PLUGIN}) {
        const QString from = QString::fromLocal8Bit(library);
        ASSERT_TRUE(QFile::copy(from, folder() + "/" + QFileInfo(from).fileName()));
    }
    const auto window = load();
    ASSERT_EQ(window->ui().cmbAuswahl->currentText(), "Klassisch / Classic");

    pickNext(window->ui().cmbAuswahl);
    ASSERT_EQ(window->ui().cmbAuswahl->currentText(), "Kinder / Kids");
    const QImage shown = window->Bild().image();
    // The kids notes alone, on an empty preview.
    window->Bild().clear();
    window->cmbSide_Click();
    const QImage kidsAlone = window->Bild().image();
    ASSERT_EQ(shown.size(), kidsAlone.size());
    int leftOver = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            leftOver += kidsAlone.pixel(x, y) == window->Bild().backColor().rgb() &&
                        shown.pixel(x, y) != kidsAlone.pixel(x, y);
    EXPECT_EQ(leftOver, 0) << "pixels of the classic notes around the rounder kids notes";
}

TEST_F(Selection, CopiesAboveTenAreCorrectedAfterOneMessage) {
    add("ZavolinAccepted.dll");
    const auto window = load();
    QLineEdit* copies = window->ui().txtCopy;
    for (const char* text : {"11", "10.5", "1e2", "1 1", "12 abc", "&HB"}) {
        SCOPED_TRACE(text);
        messages.informed.clear();
        copies->setText("5");
        copies->setText(QString::fromLatin1(text));
        EXPECT_EQ(messages.informed, QStringList({"Max 10 Kopien!"}));
        EXPECT_EQ(copies->text(), "10");
    }
}

TEST_F(Selection, CopiesUpToTenOrNoNumberStayWithoutAMessage) {
    add("ZavolinAccepted.dll");
    const auto window = load();
    QLineEdit* copies = window->ui().txtCopy;
    for (const char* text : {"10,5", "10", "0", "-3", "Kopien", ""}) {
        SCOPED_TRACE(text);
        copies->setText(QString::fromLatin1(text));
        EXPECT_EQ(copies->text(), QString::fromLatin1(text));
    }
    EXPECT_EQ(messages.informed, QStringList());
}

TEST_F(Selection, FocusOnTheCopiesSelectsTheWholeText) {
    add("ZavolinAccepted.dll");
    const auto window = load();
    QLineEdit* copies = window->ui().txtCopy;
    copies->setText("7");
    copies->deselect();
    QFocusEvent tab(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(copies, &tab);
    EXPECT_EQ(copies->selectedText(), "7");

    // A click: the line edit moves its cursor after the focus arrives; the text is selected
    // again once the click is done.
    copies->deselect();
    QApplication::setActiveWindow(window.get());
    window->ui().PicBut_0->setFocusPolicy(Qt::NoFocus);
    copies->clearFocus();
    copies->setFocus(Qt::MouseFocusReason);
    copies->deselect();
    QApplication::processEvents();
    ASSERT_TRUE(copies->hasFocus());
    EXPECT_EQ(copies->selectedText(), "7");
}

TEST_F(Selection, AnOwnSetMadeInItsDialogIsListedAfterThePluginsAndDrawnWhenChosen) {
    add("ZavolinAccepted.dll");
    // A data folder of this test's own, so that the other windows list no own set.
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(freshDirectory(QStringLiteral("own-data"))));
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", data); });
    const QString grid = freshDirectory(QStringLiteral("own-grid")) + QStringLiteral("/grid.png");
    QImage picture(2400, 6200, QImage::Format_RGB32);
    picture.fill(QColor(200, 0, 200));
    ASSERT_TRUE(picture.save(grid));
    {
        frmOwnSets dialog;
        messages.answer = false;
        EXPECT_FALSE(dialog.makeSet(grid, QStringLiteral("a/b")));
        ASSERT_EQ(messages.informed.size(), 1);
        EXPECT_TRUE(messages.informed[0].contains("path separator"));
        EXPECT_TRUE(dialog.makeSet(grid, QStringLiteral("Magenta")));
        EXPECT_TRUE(messages.asked.isEmpty()) << "the grid's cells fit every note";
        EXPECT_TRUE(dialog.changed());
        ASSERT_EQ(dialog.lstSets->count(), 1);
        EXPECT_EQ(dialog.lstSets->item(0)->text(), "Magenta");
    }

    const auto window = loadWithMark();
    QComboBox* list = window->ui().cmbAuswahl;
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->itemText(1).startsWith("Magenta (")) << qPrintable(list->itemText(1));
    pickNext(list);
    EXPECT_EQ(find(window->Bild().image(), fixtureColour(0)), QPoint(-1, -1));
    EXPECT_NE(find(window->Bild().image(), QColor(200, 0, 200)), QPoint(-1, -1));
    EXPECT_FALSE(marked(*window));
}
