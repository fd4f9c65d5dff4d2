// The toolbar and the help menu.
#include "MainWindowCaptions.h"
#include "PreviewBox.h"
#include "errors/Trap.h"
#include "frmZavolin.h"
#include "lang/frmInfo.h"
#include "platform/Conversions.h"
#include "platform/Printer.h"
#include "platform/ProgramInfo.h"
#include "platform/Shell.h"
#include "sheet/CutLineColour.h"
#include "ui_frmZavolin.h"

#include <QCursor>
#include <QMenu>

namespace zavolin {

void frmZavolin::PicBut_click(qint16 Index) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("PicBut_click"));
    trap.run([&] {
        switch (Index) {
        case 0: {
            // Print the current sheet with the chosen number of copies.
            Printer& printer = Printer::current();
            qint16 copies = 0;
            trap.at(60, [&] { copies = toInt16(printer.copies()); });
            // [70]..[90] A count the printer refuses (0, negative, a word) leaves its own.
            trap.quietly(
                [&] { printer.setCopies(toInt32(roundHalfEven(Val(m_ui->txtCopy->text())))); });
            // Opens the print job and its first page.
            trap.at(100, [&] { printer.printLine(QString()); });
            // The cut lines print light grey, as the preview shows them.
            trap.at(110, [&] { printer.setForeColor(CutLineGrey); });
            paintSheet(trap, printer, 1, 130, 140, 160);
            trap.at(180, [&] { printer.endDoc(); });
            // [190]..[210]
            trap.quietly([&] { printer.setCopies(copies); });
            break;
        }
        case 1:
            trap.at(230, [&] { showPrintAdjustment(); });
            trap.at(240, [&] { Bild().clear(); });
            repaintPreview(trap, 250, 260, 280);
            break;
        case 2:
            // The unload handlers end the program.
            trap.at(310, [&] { close(); });
            break;
        case 3:
            trap.at(330, [&] { m_ui->mnuHilf->exec(QCursor::pos()); });
            break;
        case 10:
        case 11:
        case 12:
        case 13:
            switchLanguage(trap, Index, *m_ui, [this] { cmbSide_Click(); });
            break;
        default:
            break;
        }
    });
}

void frmZavolin::mnuHomepage_Click() {
    Shell::current().open(homePage());
}

void frmZavolin::mnuEMail_Click() {
    Shell::current().open(QStringLiteral("mailto:") + supportEmail());
}

void frmZavolin::mnuUeber_Click() {
    frmInfo info(this);
    info.exec();
}

} // namespace zavolin
