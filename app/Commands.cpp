// The toolbar and the help menu.
#include "JobNotice.h"
#include "MainWindowCaptions.h"
#include "PreviewBox.h"
#include "errors/Trap.h"
#include "frmPrintSet.h"
#include "frmZavolin.h"
#include "lang/LangState.h"
#include "lang/frmInfo.h"
#include "platform/base/ProgramInfo.h"
#include "platform/compat/Conversions.h"
#include "platform/desktop/Shell.h"
#include "platform/desktop/UserGuide.h"
#include "platform/print/Printer.h"
#include "platform/print/QtPrinter.h"
#include "ui_frmZavolin.h"

#include <QMenu>

namespace zavolin {
namespace {

// Where the printer's last document went, for a printer that hands documents on.
QString lastDeliveryOf(Printer& printer) {
    const auto* handing = dynamic_cast<const QtPrinter*>(&printer);
    return handing ? handing->lastDelivery() : QString();
}

} // namespace

void frmZavolin::PicBut_click(qint16 Index) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("PicBut_click"));
    trap.run([&] {
        switch (Index) {
        case 0: {
            // Print the current page with the chosen number of copies. A count the printer
            // refuses (0, negative, a word) leaves its own.
            PrintJob job;
            job.copies = [this] { return toInt32(roundHalfEven(Val(m_ui->txtCopy->text()))); };
            // What the last job's notice says no longer holds for this one.
            m_jobNotice->hide();
            const QString before = lastDeliveryOf(Printer::current());
            printPages(Printer::current(), {page()}, content(), job, trap,
                       {60, 100, 110, {130, 140, 160}, 180});
            if (const QString after = lastDeliveryOf(Printer::current()); after != before)
                sayWhereTheJobWent(after);
            break;
        }
        case 1:
            trap.at(230, [&] {
                showPrintAdjustment();
                takeKeyboard();
            });
            trap.at(240, [&] { Bild().clear(); });
            repaintPreview(trap, {250, 260, 280});
            break;
        case 2:
            // The unload handlers end the program.
            trap.at(310, [&] { close(); });
            break;
        case 3:
            trap.at(330, [&] { m_ui->mnuHilf->exec(helpMenuPlace()); });
            break;
        case 4: {
            // The whole set: the dialog says itself what goes wrong.
            frmPrintSet dialog({SizeTable, Offsets, clpPics, Columns}, this, pictureSetChoice());
            dialog.exec();
            takeKeyboard();
            if (dialog.ownSetsChanged())
                refreshOwnSets();
            break;
        }
        case 10:
        case 11:
        case 12:
        case 13:
            switchLanguage(trap, Index, *m_ui, [this] { cmbSide_Click(); });
            // The own sets' entries carry a word of the language.
            refreshOwnSets();
            break;
        default:
            break;
        }
    });
}

PictureSetChoice frmZavolin::pictureSetChoice() {
    return {[this] {
                refreshOwnSets();
                QStringList names;
                for (int i = 0; i < cmbAuswahl.listCount(); ++i)
                    names << cmbAuswahl.item(i).Info;
                return names;
            },
            [this] { return cmbAuswahl.listIndex(); },
            [this](int index) {
                if (index == cmbAuswahl.listIndex())
                    return;
                cmbAuswahl.setListIndex(index);
                cmbAuswahl_Click();
            }};
}

void frmZavolin::mnuHomepage_Click() {
    const QString page = homePage().trimmed();
    Shell::current().open(page.isEmpty() ? userGuide(LangBase) : page);
}

void frmZavolin::mnuEMail_Click() {
    // Without an address the guide says how to report a fault rather than a made-up address.
    const QString address = supportEmail().trimmed();
    Shell::current().open(address.isEmpty() ? userGuideFaultSection(LangBase)
                                            : QStringLiteral("mailto:") + address);
}

void frmZavolin::mnuUeber_Click() {
    frmInfo info(this);
    info.exec();
    takeKeyboard();
}

} // namespace zavolin
