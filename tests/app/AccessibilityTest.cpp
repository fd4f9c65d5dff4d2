// What a screen reader meets in the program's windows: every control named in the language
// shown, every window with a name, the picture sets' whole names.
#include "WindowFixture.h"
#include "app/frmDrawingPages.h"
#include "app/frmOwnSets.h"
#include "app/frmPrint.h"
#include "app/frmPrintSet.h"
#include "lang/Allgemein.h"
#include "lang/LangState.h"
#include "lang/frmInfo.h"
#include "ui_frmZavolin.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QFontMetrics>
#include <QScrollBar>
#include <functional>

using namespace zavolin;
using namespace zavolin::test;

namespace {

// What the user can act on: a control by its role, or anything that takes the focus.
bool isControl(const QAccessibleInterface& node) {
    switch (node.role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::ScrollBar:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
        return true;
    default:
        return node.state().focusable;
    }
}

// What a screen reader says a control is: its name, or for a list the label standing for it.
QString spokenName(QAccessibleInterface* node) {
    if (node->role() == QAccessible::ComboBox)
        for (const auto& [label, relation] : node->relations(QAccessible::Label))
            if (!label->text(QAccessible::Name).isEmpty())
                return label->text(QAccessible::Name);
    return node->text(QAccessible::Name).trimmed();
}

// The visible controls under window without a name, by their object names.
std::string unnamedControls(QWidget* window) {
    QStringList unnamed;
    std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
        if (!node || node->state().invisible)
            return;
        if (isControl(*node) && spokenName(node).isEmpty())
            unnamed << (node->object() ? node->object()->objectName() : QStringLiteral("?"));
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(window));
    return unnamed.join(QStringLiteral(", ")).toStdString();
}

QString nameOf(QWidget* widget) {
    return spokenName(QAccessible::queryAccessibleInterface(widget));
}

class Accessibility : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        add("ZavolinAccepted.dll");
        window = load();
    }

    std::unique_ptr<frmZavolin> window;
};

} // namespace

TEST_F(Accessibility, EveryControlOfEveryWindowHasANameInTheLanguageShown) {
    struct Language {
        qint16 button;
        const char* pictureSet;
    };
    for (const Language language : {Language{10, "Bildersatz"}, Language{11, "Picture set"},
                                    Language{12, "Juego de imágenes"}}) {
        SCOPED_TRACE(language.pictureSet);
        window->PicBut_click(language.button);
        Ui::frmZavolin& ui = window->ui();
        EXPECT_EQ(unnamedControls(window.get()), "");
        EXPECT_EQ(nameOf(ui.PicBut_0), GetLang(qint16(LangBase + 103)));
        EXPECT_EQ(nameOf(ui.PicBut_1), GetLang(qint16(LangBase + 111)));
        EXPECT_EQ(nameOf(ui.cmbAuswahl), QString::fromUtf8(language.pictureSet));
        EXPECT_FALSE(nameOf(ui.txtCopy).endsWith(QLatin1Char(':')));

        // The dialogs, each with every control it can show.
        ColumnLayout columns = ColumnLayout::One;
        QString queue;
        frmPrint adjustment(
            window->Offsets.LeftMargin, window->Offsets.TopMargin,
            [](qint16 n) { return GetLang(qint16(LangBase + n)); }, window.get(), &columns, &queue);
        frmPrintSet set({window->SizeTable, window->Offsets, window->clpPics, columns},
                        window.get());
        frmOwnSets own(window.get());
        frmInfo about(window.get());
        frmDrawingPages drawingPages(window.get());
        for (QDialog* dialog :
             std::initializer_list<QDialog*>{&adjustment, &set, &own, &about, &drawingPages}) {
            SCOPED_TRACE(qPrintable(dialog->objectName()));
            dialog->show();
            EXPECT_EQ(unnamedControls(dialog), "");
            EXPECT_FALSE(nameOf(dialog).isEmpty());
            dialog->hide();
        }
        // The bars say the offsets they stand for, not their own negated values.
        EXPECT_EQ(adjustment.vscTopMargin->accessibleDescription(),
                  QStringLiteral("%1 mm").arg(window->Offsets.TopMargin));
    }
}

TEST_F(Accessibility, ThePictureSetListShowsWholeNamesAndKeepsItsPlace) {
    QComboBox* list = window->ui().cmbAuswahl;
    const QRect place = list->geometry();
    window->cmbAuswahl.addItem({QStringLiteral("Klasse 3b, Frühjahr (eigener)"), -1,
                                QStringLiteral("Klasse 3b, Frühjahr")});
    const QString longest = list->itemText(list->count() - 1);
    EXPECT_EQ(list->itemData(list->count() - 1, Qt::ToolTipRole).toString(), longest);
    EXPECT_GE(list->view()->minimumWidth(),
              QFontMetrics(list->view()->font()).horizontalAdvance(longest));
    EXPECT_EQ(list->geometry(), place);
}
