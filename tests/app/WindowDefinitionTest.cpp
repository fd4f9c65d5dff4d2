// The main window as its definition builds it: every control with its kind, its hidden state,
// the selection panel's places and the fixed texts.

#include "app/frmZavolin.h"
#include "platform/base/Units.h"
#include "ui_frmZavolin.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace zavolin {
namespace {

const QColor DarkRed(128, 0, 0);

class WindowDefinitionTest : public ::testing::Test {
protected:
    frmZavolin window;

    template <typename T>
    T* control(const QString& name) {
        auto* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString() << " missing or of another kind";
        return found;
    }

    QRect twipRect(int left, int top, int width, int height) {
        return QRect(pixelsOf(left), pixelsOf(top), pixelsOf(width), pixelsOf(height));
    }
};

TEST_F(WindowDefinitionTest, EveryControlExistsWithItsKindAndHiddenState) {
    struct Expected {
        const char* name;
        const char* kind;
        bool hidden;
    };
    const Expected controls[] = {
        {"imgHG", "QLabel", true},          {"lblToolbar", "QLabel", true},
        {"PicBut_0", "QPushButton", true},  {"PicBut_1", "QPushButton", true},
        {"PicBut_2", "QPushButton", true},  {"PicBut_3", "QPushButton", true},
        {"PicBut_10", "QPushButton", true}, {"PicBut_11", "QPushButton", true},
        {"PicBut_12", "QPushButton", true}, {"PicBut_13", "QPushButton", true},
        {"Frame1", "QFrame", true},         {"cmbAuswahl", "QComboBox", false},
        {"cmbSide", "QComboBox", false},    {"Label3", "QLabel", false},
        {"txtCopy", "QLineEdit", false},    {"Bild", "QWidget", true},
        {"shpBlatt_0", "QFrame", false},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        auto* w = window.findChild<QWidget*>(QString::fromLatin1(c.name));
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->inherits(c.kind)) << w->metaObject()->className();
        EXPECT_EQ(w->isHidden(), c.hidden);
    }
    for (int i = 0; i <= 10; ++i) {
        auto* opt = control<QRadioButton>(QStringLiteral("optIndex_%1").arg(i));
        ASSERT_NE(opt, nullptr);
        EXPECT_FALSE(opt->isHidden());
    }
    // The background tile is the hidden image's picture.
    auto* tile = control<QLabel>("imgHG");
    ASSERT_NE(tile, nullptr);
    EXPECT_EQ(tile->pixmap().size(), QSize(400, 400));
    EXPECT_TRUE(control<QLabel>("lblToolbar")->text().isEmpty());
    // Only picks from the lists, no typing.
    EXPECT_FALSE(control<QComboBox>("cmbAuswahl")->isEditable());
    EXPECT_FALSE(control<QComboBox>("cmbSide")->isEditable());
}

TEST_F(WindowDefinitionTest, WindowHasItsCaptionClientSizeColourAndIcon) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Zavolin"));
    const QIcon icon = window.windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(64, 64)));

    // The definition alone, shown without the main window's handlers (whose layout shows and
    // places the controls).
    QMainWindow plain;
    Ui::frmZavolin definition;
    definition.setupUi(&plain);
    plain.show();
    QWidget* client = plain.centralWidget();
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->size(), QSize(856, 673)); // 12840 x 10095 twips
    EXPECT_TRUE(client->autoFillBackground());
    EXPECT_EQ(client->palette().color(client->backgroundRole()), DarkRed);
    // No menu bar shows, and showing the window shows none of the hidden controls.
    EXPECT_FALSE(plain.menuBar()->isVisible());
    EXPECT_FALSE(definition.Frame1->isVisible());
    EXPECT_FALSE(definition.Bild->isVisible());
    EXPECT_FALSE(definition.PicBut_13->isVisible());
}

TEST_F(WindowDefinitionTest, ToolbarButtonsStandInOneColumnWithIconsAndFixedLanguageTips) {
    const int order[] = {0, 1, 2, 3, 10, 11, 12, 13};
    int previousBottom = -1;
    int column = -1;
    for (int index : order) {
        SCOPED_TRACE(index);
        auto* button = control<QPushButton>(QStringLiteral("PicBut_%1").arg(index));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->size(), QSize(38, 38)); // 570 x 570 twips
        EXPECT_EQ(button->iconSize(), QSize(32, 32));
        EXPECT_FALSE(button->icon().isNull());
        EXPECT_TRUE(button->text().isEmpty());
        if (column < 0)
            column = button->x();
        EXPECT_EQ(button->x(), column);
        EXPECT_GE(button->y(), previousBottom);
        previousBottom = button->geometry().bottom();
    }
    EXPECT_EQ(control<QPushButton>("PicBut_10")->toolTip(), QStringLiteral("Deutsch"));
    EXPECT_EQ(control<QPushButton>("PicBut_11")->toolTip(), QStringLiteral("English"));
    EXPECT_EQ(control<QPushButton>("PicBut_12")->toolTip(), QStringLiteral("Español"));
    EXPECT_EQ(control<QPushButton>("PicBut_13")->toolTip(), QStringLiteral("Italiano"));
}

TEST_F(WindowDefinitionTest, SelectionPanelHoldsItsControlsAtTheirTwipPlaces) {
    auto* panel = control<QFrame>("Frame1");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->size(), QSize(161, 441)); // 2415 x 6615 twips
    EXPECT_TRUE(panel->autoFillBackground());
    EXPECT_EQ(panel->palette().color(panel->backgroundRole()), DarkRed);

    const auto placedAt = [&](const char* name, int left, int top, int width) {
        SCOPED_TRACE(name);
        auto* w = control<QWidget>(QString::fromLatin1(name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), panel);
        EXPECT_EQ(w->pos(), QPoint(pixelsOf(left), pixelsOf(top)));
        EXPECT_EQ(w->width(), pixelsOf(width));
        EXPECT_GT(w->height(), 0);
    };
    placedAt("cmbAuswahl", 360, 360, 1695);
    placedAt("cmbSide", 360, 1080, 1695);

    const char* captions[] = {"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"};
    for (int i = 0; i <= 10; ++i) {
        SCOPED_TRACE(i);
        auto* opt = control<QRadioButton>(QStringLiteral("optIndex_%1").arg(i));
        ASSERT_NE(opt, nullptr);
        EXPECT_EQ(opt->parentWidget(), panel);
        const int top = i == 0 ? 5500 : 1680 + 360 * (i - 1);
        EXPECT_EQ(opt->geometry(), twipRect(675, top, 1000, 255));
        if (i > 0) {
            EXPECT_EQ(opt->text(), QString::fromLatin1(captions[i - 1]));
        }
        EXPECT_TRUE(opt->autoFillBackground());
        EXPECT_EQ(opt->palette().color(opt->backgroundRole()), DarkRed);
        EXPECT_EQ(opt->palette().color(QPalette::WindowText), QColor(Qt::white));
    }

    auto* label = control<QLabel>("Label3");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), panel);
    EXPECT_EQ(label->geometry(), twipRect(480, 6000, 735, 255));
    EXPECT_FALSE(label->autoFillBackground()); // transparent
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));

    auto* copies = control<QLineEdit>("txtCopy");
    ASSERT_NE(copies, nullptr);
    EXPECT_EQ(copies->parentWidget(), panel);
    EXPECT_EQ(copies->geometry(), twipRect(1440, 6000, 495, 285));
    EXPECT_EQ(copies->text(), QStringLiteral("1"));
    EXPECT_EQ(copies->maxLength(), 32767); // Qt's largest: no limit of its own
}

TEST_F(WindowDefinitionTest, ShadowIsSolidDarkRedWithoutBorderAndLiesBehindThePreview) {
    auto* shadow = control<QFrame>("shpBlatt_0");
    auto* preview = control<QWidget>("Bild");
    ASSERT_NE(shadow, nullptr);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(shadow->frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(shadow->autoFillBackground());
    EXPECT_EQ(shadow->palette().color(shadow->backgroundRole()), QColor(64, 0, 0));
    ASSERT_EQ(shadow->parentWidget(), preview->parentWidget());
    // Siblings stack in the order of their parent's children: later ones lie on top.
    const QObjectList siblings = preview->parentWidget()->children();
    EXPECT_LT(siblings.indexOf(shadow), siblings.indexOf(preview));
}

TEST_F(WindowDefinitionTest, HelpMenuIsHiddenAndListsHomePageEmailSeparatorAbout) {
    auto* menu = control<QMenu>("mnuHilf");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("Hilfe"));
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items[0]->objectName(), QStringLiteral("mnuHomepage"));
    EXPECT_EQ(items[1]->objectName(), QStringLiteral("mnuEMail"));
    EXPECT_EQ(items[2]->objectName(), QStringLiteral("mnuBar6"));
    EXPECT_TRUE(items[2]->isSeparator());
    EXPECT_EQ(items[2]->text(), QString()); // no stray dash beside the line
    EXPECT_EQ(items[3]->objectName(), QStringLiteral("mnuUeber"));
    for (int i : {0, 1, 3})
        EXPECT_FALSE(items[i]->isSeparator());
    EXPECT_TRUE(window.menuBar()->isHidden());
}

} // namespace
} // namespace zavolin
