// The selection controls: denomination, picture set, side and copies.
#include "OwnSetEntries.h"
#include "PreviewBox.h"
#include "errors/Trap.h"
#include "frmZavolin.h"
#include "platform/compat/Conversions.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/print/Printer.h"
#include "sheet/ScaleFactor.h"
#include "ui_frmZavolin.h"

namespace zavolin {

void frmZavolin::optIndex_Click(qint16 Index) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("optIndex_Click"));
    trap.run([&] {
        trap.at(20, [&] { Denom = Index; });
        // A new size needs a new page geometry; this clears the preview.
        trap.at(30, [&] {
            ScaleFactor(
                Printer::current(), SizeTable, Denom, Side, Geometry, [this] { Bild().clear(); },
                pageFit());
        });
        repaintPreview(trap, {40, 50, 70});
    });
}

void frmZavolin::cmbAuswahl_Click() {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("cmbAuswahl_Click"));
    trap.run([&] {
        trap.at(20, [&] {
            selectLibrary(lstFiles, lstUserFiles, cmbAuswahl.item(cmbAuswahl.listIndex()));
        });
        trap.at(30, [&] { CreateChosenPicture(lstFiles, lstUserFiles, cmbAuswahl, clpPics); });
        // The new set's notes may be smaller or rounder than the old set's: what they leave
        // uncovered would show the old set where it will not print.
        trap.at(40, [&] { Bild().clear(); });
        repaintPreview(trap, {40, 50, 70});
    });
}

void frmZavolin::cmbSide_Click() {
    // Both sides of a set share their notes' outline, so the new side covers the old one.
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("cmbSide_Click"));
    trap.run([&] {
        trap.at(20, [&] { Side = qint16(m_ui->cmbSide->currentIndex()); });
        // Both sides have one size: the geometry stands.
        repaintPreview(trap, {30, 40, 60});
    });
}

void frmZavolin::txtCopy_Change() {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("txtCopy_Change"));
    trap.run([&] {
        if (trap.test(20, [&] { return Val(m_ui->txtCopy->text()) > 10; })) {
            trap.at(30, [&] {
                MessageBoxes::current().inform(this, QStringLiteral("Max 10 Kopien!"));
            });
            // Runs this handler again, where 10 passes.
            trap.at(40, [&] { m_ui->txtCopy->setText(QStringLiteral("10")); });
        }
    });
}

void frmZavolin::txtCopy_GotFocus() {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("txtCopy_GotFocus"));
    trap.run([&] {
        // The whole text selected, so that typing replaces it.
        trap.at(20, [&] { m_ui->txtCopy->setCursorPosition(0); });
        trap.at(30, [&] { m_ui->txtCopy->setSelection(0, int(m_ui->txtCopy->text().size())); });
    });
}

} // namespace zavolin
