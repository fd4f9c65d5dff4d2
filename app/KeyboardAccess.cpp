// The main window from the keyboard: shortcuts for the commands, the order of Tab, the ring
// round the control that has the focus.
#include "FocusRing.h"
#include "WholeNames.h"
#include "frmZavolin.h"
#include "lang/LangState.h"
#include "platform/desktop/Shell.h"
#include "platform/desktop/UserGuide.h"
#include "ui_frmZavolin.h"

#include <QCursor>
#include <QShortcut>
#include <QShowEvent>

namespace zavolin {

void frmZavolin::addKeyboardAccess() {
    Ui::frmZavolin& ui = *m_ui;
    const auto shortcut = [this](const QKeySequence& keys, auto action) {
        auto* key = new QShortcut(keys, this);
        connect(key, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { PicBut_click(0); });
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), [this] { PicBut_click(4); });
    shortcut(QKeySequence(Qt::Key_F1), [] { Shell::current().open(userGuide(LangBase)); });
    // As the end button does, so the closing stores what it stores.
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { PicBut_click(2); });

    // What is chosen, top to bottom, then the toolbar, top to bottom.
    const QList<QWidget*> order = {
        ui.cmbAuswahl, ui.cmbSide,    ui.optIndex_1, ui.optIndex_2, ui.optIndex_3, ui.optIndex_4,
        ui.optIndex_5, ui.optIndex_6, ui.optIndex_7, ui.optIndex_8, ui.optIndex_9, ui.optIndex_10,
        ui.optIndex_0, ui.txtCopy,    ui.PicBut_0,   ui.PicBut_1,   ui.PicBut_2,   ui.PicBut_3,
        ui.PicBut_4,   ui.PicBut_10,  ui.PicBut_11,  ui.PicBut_12};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    // The window opens with the keyboard at the start of that order.
    ui.cmbAuswahl->setFocus();

    new FocusRing(ui.centralwidget);
    new WholeNames(ui.cmbAuswahl);
}

void frmZavolin::takeKeyboard() {
    if (isVisible() && !isMinimized())
        activateWindow();
}

void frmZavolin::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    takeKeyboard();
}

QPoint frmZavolin::helpMenuPlace() const {
    const QPushButton* help = m_ui->PicBut_3;
    // Clicked, the menu opens at the pointer; pressed from the keyboard, beside the button,
    // towards the window, wherever the pointer happens to be.
    if (help->underMouse())
        return QCursor::pos();
    return help->mapToGlobal(QPoint(-m_ui->mnuHilf->sizeHint().width(), 0));
}

} // namespace zavolin
