#include "frmDrawingPages.h"

#include "FocusRing.h"
#include "platform/base/RuntimeError.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/pictures/PictureClip.h"
#include "platform/print/CupsQueue.h"
#include "platform/print/CupsQueuePrinter.h"
#include "platform/print/DefaultPrinter.h"
#include "sheet/DrawingPageJobs.h"
#include "sheet/SetCounts.h"
#include "sheet/SetJobs.h"
#include "sheet/SizeNotes.h"
#include "sheet/WholeSet.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace zavolin {
namespace {

constexpr int MostCopies = 99; // a class, with some to spare

SizeTable noteSizes() {
    SizeTable sizes;
    SizeNotes(sizes);
    return sizes;
}

} // namespace

frmDrawingPages::frmDrawingPages(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmDrawingPages"));
    setWindowTitle(tr("Print drawing pages"));
    new FocusRing(this);
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(
        tr("Pages with a frame for each note at its printed size, for children to draw their "
           "money on. Scan the drawn pages, in any order, and make a set of the scan with "
           "“Make from a picture…” or “Make from a folder…”."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* form = new QFormLayout;
    cmbPaper = new QComboBox(this);
    cmbPaper->setObjectName(QStringLiteral("cmbPaper"));
    for (StandardPaper paper : standardPapers())
        cmbPaper->addItem(paperName(paper), int(paper));
    form->addRow(tr("Paper:"), cmbPaper);
    auto* values = new QGridLayout;
    for (size_t i = 0; i < chkValue.size(); ++i) {
        chkValue[i] = new QCheckBox(valueKey(qint16(i + 1)), this);
        chkValue[i]->setChecked(true);
        values->addWidget(chkValue[i], int(i / 5), int(i % 5));
        connect(chkValue[i], &QCheckBox::toggled, this, [this] { updateButtons(); });
    }
    form->addRow(tr("Values:"), values);
    spnCopies = new QSpinBox(this);
    spnCopies->setRange(1, MostCopies);
    form->addRow(tr("Copies (one for each child):"), spnCopies);
    cmbPrinter = new QComboBox(this);
    cmbPrinter->setObjectName(QStringLiteral("cmbPrinter"));
    const PrinterChoice choice = chooseDefaultPrinter();
    if (choice.missingReason.isEmpty() && !choice.queue.isEmpty())
        cmbPrinter->addItem(tr("%1 (default)").arg(choice.queue), choice.queue);
    for (const QString& queue : cupsQueueNames())
        if (queue != choice.queue)
            cmbPrinter->addItem(queue, queue);
    form->addRow(tr("Printer:"), cmbPrinter);
    layout->addLayout(form);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setTextFormat(Qt::PlainText);
    lblStatus->setWordWrap(true);
    layout->addWidget(lblStatus);
    auto* buttons = new QDialogButtonBox(this);
    cmdPrint = buttons->addButton(tr("Print"), QDialogButtonBox::AcceptRole);
    cmdSave = buttons->addButton(tr("Save as PDF…"), QDialogButtonBox::ActionRole);
    buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    // Print and save keep the dialog open: another paper or more copies may follow.
    disconnect(buttons, &QDialogButtonBox::accepted, nullptr, nullptr);
    connect(cmdPrint, &QPushButton::clicked, this, [this] { print(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { chooseSavePath(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (cmbPrinter->count() == 0)
        lblStatus->setText(!choice.missingReason.isEmpty()
                               ? choice.missingReason
                               : tr("There is no printer on this system; the pages can be saved "
                                    "as a PDF file."));
    updateButtons();
}

QList<qint16> frmDrawingPages::chosenValues() const {
    QList<qint16> values;
    for (size_t i = 0; i < chkValue.size(); ++i)
        if (chkValue[i]->isChecked())
            values.append(qint16(i + 1));
    return values;
}

StandardPaper frmDrawingPages::chosenPaper() const {
    return StandardPaper(cmbPaper->currentData().toInt());
}

void frmDrawingPages::updateButtons() {
    const bool some = !chosenValues().isEmpty();
    cmdPrint->setEnabled(some && cmbPrinter->count() > 0);
    cmdSave->setEnabled(some);
}

bool frmDrawingPages::run(const std::function<QString()>& job) {
    lblStatus->setText(tr("Drawing the pages…"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents();
    QString done;
    QString failure;
    try {
        done = job();
    } catch (const RuntimeError& e) {
        failure = e.description();
    }
    QApplication::restoreOverrideCursor();
    if (!failure.isEmpty()) {
        const QString message = tr("The drawing pages were not made: %1.").arg(failure);
        lblStatus->setText(message);
        MessageBoxes::current().inform(this, message);
        return false;
    }
    lblStatus->setText(done);
    return true;
}

bool frmDrawingPages::saveAsPdf(const QString& path) {
    return run([&] {
        writeDrawingPages(path, chosenPaper(), noteSizes(), chosenValues(), spnCopies->value());
        return tr("Saved as %1.").arg(QDir::toNativeSeparators(path));
    });
}

bool frmDrawingPages::print() {
    const QString queue = cmbPrinter->currentData().toString();
    return run([&] {
        const SizeTable sizes = noteSizes();
        const StandardPaper paper = chosenPaper();
        const QList<PageRequest> pages =
            drawingPagesOn(cupsQueuePaper(queue, paper), sizes, chosenValues());
        const PictureClip noNotes;
        m_sentJobs.clear();
        printSetJobs(queue, paper, {SetDocument{pages, false}}, {sizes, {}, noNotes},
                     spnCopies->value(), {}, {}, m_sentJobs);
        return tr("Sent to %1.").arg(queue);
    });
}

void frmDrawingPages::chooseSavePath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save the drawing pages as PDF"),
        QDir(folder).filePath(tr("Zavolin drawing pages.pdf")), tr("PDF files (*.pdf)"));
    if (!path.isEmpty())
        saveAsPdf(path);
}

} // namespace zavolin
