#include "frmPrintSet.h"

#include "frmOwnSets.h"
#include "lang/SetTexts.h"
#include "platform/CupsQueue.h"
#include "platform/CupsQueuePrinter.h"
#include "platform/DefaultPrinter.h"
#include "platform/MessageBoxes.h"
#include "platform/PdfFilePrinter.h"
#include "platform/RuntimeError.h"
#include "platform/SettingsStore.h"
#include "sheet/BackOffsetText.h"
#include "sheet/SetJobs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace zavolin {
namespace {

constexpr int MaxCopies = 99;

QDoubleSpinBox* offsetBox(QWidget* parent, const char* name) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(-BackOffset::Limit, BackOffset::Limit);
    box->setSingleStep(BackOffset::Step);
    box->setDecimals(1);
    box->setSuffix(QStringLiteral(" mm"));
    return box;
}

} // namespace

frmPrintSet::frmPrintSet(const SetContent& content, QWidget* parent)
    : QDialog(parent)
    , m_content(content) {
    setObjectName(QStringLiteral("frmPrintSet"));
    setWindowTitle(tr("Print a whole set"));
    auto* layout = new QVBoxLayout(this);
    m_inputs = new QWidget(this);
    auto* inputs = new QVBoxLayout(m_inputs);
    inputs->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_inputs);

    lblPrinter = new QLabel(m_inputs);
    lblPrinter->setWordWrap(true);
    inputs->addWidget(lblPrinter);

    auto* values = new QGroupBox(tr("Values"), m_inputs);
    auto* grid = new QGridLayout(values);
    const QList<qint16> all = allSetValues();
    for (qsizetype i = 0; i < all.size(); ++i) {
        auto* box = new QCheckBox(setValueName(all[i]), values);
        box->setObjectName(QStringLiteral("chkValue_%1").arg(all[i]));
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this] { updateButtons(); });
        chkValue[size_t(i)] = box;
        grid->addWidget(box, int(i / 4), int(i % 4));
    }
    inputs->addWidget(values);

    auto* form = new QFormLayout;
    spnCopies = new QSpinBox(m_inputs);
    spnCopies->setObjectName(QStringLiteral("spnCopies"));
    spnCopies->setRange(1, MaxCopies);
    form->addRow(tr("Copies:"), spnCopies);
    cmbSides = new QComboBox(m_inputs);
    cmbSides->setObjectName(QStringLiteral("cmbSides"));
    form->addRow(tr("Backs:"), cmbSides);
    auto* offsets = new QHBoxLayout;
    spnBackX = offsetBox(m_inputs, "spnBackX");
    spnBackY = offsetBox(m_inputs, "spnBackY");
    offsets->addWidget(new QLabel(tr("right"), m_inputs));
    offsets->addWidget(spnBackX);
    offsets->addWidget(new QLabel(tr("down"), m_inputs));
    offsets->addWidget(spnBackY);
    form->addRow(tr("Back offset:"), offsets);
    inputs->addLayout(form);
    lblPaper = new QLabel(m_inputs);
    lblPaper->setObjectName(QStringLiteral("lblPaper"));
    lblPaper->setWordWrap(true);
    inputs->addWidget(lblPaper);

    auto* actions = new QHBoxLayout;
    cmdCalibration = new QPushButton(tr("Print calibration page"), m_inputs);
    cmdOwnSets = new QPushButton(tr("Own pictures…"), m_inputs);
    cmdSavePdf = new QPushButton(tr("Save as PDF…"), m_inputs);
    cmdPrint = new QPushButton(tr("Print"), m_inputs);
    cmdPrint->setDefault(true);
    actions->addWidget(cmdCalibration);
    actions->addWidget(cmdOwnSets);
    actions->addStretch();
    actions->addWidget(cmdSavePdf);
    actions->addWidget(cmdPrint);
    inputs->addLayout(actions);

    prgDrawing = new QProgressBar(this);
    prgDrawing->setVisible(false);
    layout->addWidget(prgDrawing);
    lblStatus = new QLabel(this);
    lblStatus->setWordWrap(true);
    layout->addWidget(lblStatus);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setVisible(false);
    cmdClose = new QPushButton(tr("Close"), this);
    closing->addWidget(cmdCancel);
    closing->addWidget(cmdClose);
    layout->addLayout(closing);

    connect(cmdPrint, &QPushButton::clicked, this, [this] { printSet(); });
    connect(cmdCalibration, &QPushButton::clicked, this, [this] { printCalibration(); });
    connect(cmdOwnSets, &QPushButton::clicked, this, [this] {
        frmOwnSets sets(this);
        sets.exec();
        m_ownSetsChanged = m_ownSetsChanged || sets.changed();
    });
    connect(cmdSavePdf, &QPushButton::clicked, this, [this] { chooseSavePath(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    findPrinter();
    loadBackOffset();
    connect(spnBackX, &QDoubleSpinBox::valueChanged, this, [this] { storeBackOffset(); });
    connect(spnBackY, &QDoubleSpinBox::valueChanged, this, [this] { storeBackOffset(); });
    connect(spnCopies, &QSpinBox::valueChanged, this, [this] { updatePaper(); });
    measureSheets();
    updateButtons();
}

frmPrintSet::~frmPrintSet() = default;

void frmPrintSet::findPrinter() {
    const PrinterChoice choice = chooseDefaultPrinter();
    QString problem = choice.missingReason;
    if (problem.isEmpty() && choice.queue.isEmpty())
        problem = tr("There is no printer on this system; the set can be saved as a PDF file.");
    if (problem.isEmpty()) {
        try {
            m_twoSided = cupsQueueStatus(choice.queue).twoSided;
            m_queue = choice.queue;
        } catch (const RuntimeError& e) {
            problem = e.description();
        }
    }
    if (!problem.isEmpty()) {
        lblPrinter->setText(problem);
    } else {
        lblPrinter->setText(m_twoSided ? tr("Printer: %1 (prints on both sides)").arg(m_queue)
                                       : tr("Printer: %1").arg(m_queue));
    }
    if (m_twoSided)
        cmbSides->addItem(tr("Printed on the back by the printer"), int(SetSides::TwoSided));
    cmbSides->addItem(tr("Turned over by hand"), int(SetSides::TurnByHand));
    cmbSides->addItem(tr("Fronts only"), int(SetSides::FrontsOnly));
    cmbSides->addItem(tr("Backs only"), int(SetSides::BacksOnly));
}

void frmPrintSet::loadBackOffset() {
    const QString stored = readSetting(Settings::BackOffset, m_queue);
    std::optional<BackOffset> offset = parseBackOffset(stored);
    if (!offset) {
        lblStatus->setText(
            tr("The stored back offset \"%1\" could not be read; it starts at 0.").arg(stored));
        offset = BackOffset{};
    }
    spnBackX->setValue(offset->x);
    spnBackY->setValue(offset->y);
}

void frmPrintSet::storeBackOffset() {
    try {
        writeSetting(Settings::BackOffset, m_queue, backOffsetText(backOffset()));
    } catch (const RuntimeError& e) {
        lblStatus->setText(
            tr("The back offset could not be kept for the next time: %1").arg(e.description()));
    }
}

QList<qint16> frmPrintSet::chosenValues() const {
    QList<qint16> values;
    const QList<qint16> all = allSetValues();
    for (qsizetype i = 0; i < all.size(); ++i)
        if (chkValue[size_t(i)]->isChecked())
            values.append(all[i]);
    return values;
}

SetSides frmPrintSet::chosenSides() const {
    return SetSides(cmbSides->currentData().toInt());
}

BackOffset frmPrintSet::backOffset() const {
    return {spnBackX->value(), spnBackY->value()};
}

void frmPrintSet::updateButtons() {
    const bool anyValue = !chosenValues().isEmpty();
    cmdPrint->setEnabled(anyValue && !m_queue.isEmpty());
    cmdSavePdf->setEnabled(anyValue);
    cmdCalibration->setEnabled(!m_queue.isEmpty());
    updatePaper();
}

void frmPrintSet::measureSheets() {
    // The paper the set goes on: the printer's, or the file's without one. Nothing is printed.
    try {
        const PrinterPaper paper =
            m_queue.isEmpty() ? pdfPrinterPaper(PdfPaper::A4) : cupsQueuePaper(m_queue);
        QtPrinter printer(paper, nullptr);
        for (const qint16 Denom : allSetValues())
            m_itemsOnSheet.insert(Denom, itemsOnSheet(printer, Denom, m_content));
    } catch (const RuntimeError& e) {
        m_itemsOnSheet.clear();
        lblStatus->setText(
            tr("The printer's paper could not be measured: %1").arg(e.description()));
    }
}

void frmPrintSet::updatePaper() {
    const QList<qint16> values = chosenValues();
    // Each copy of a value is one sheet, its back on the other side or on the same sheet
    // turned over by hand.
    const int sheets = int(values.size()) * spnCopies->value();
    QString text = tr("Sheets of paper: %1").arg(sheets);
    QStringList held;
    for (const qint16 Denom : values)
        if (m_itemsOnSheet.contains(Denom))
            held << QStringLiteral("%1 ×%2").arg(setValueName(Denom)).arg(m_itemsOnSheet[Denom]);
    if (!held.isEmpty())
        text += QStringLiteral("; ") + tr("on each: %1").arg(held.join(QStringLiteral(", ")));
    lblPaper->setText(text);
}

bool frmPrintSet::printSet() {
    return printDocuments(setDocuments(chosenValues(), chosenSides(), backOffset()),
                          spnCopies->value());
}

bool frmPrintSet::printCalibration() {
    return printDocuments(
        calibrationDocuments(m_twoSided && chosenSides() == SetSides::TwoSided, backOffset()), 1);
}

void frmPrintSet::chooseSavePath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(this, tr("Save the set as PDF"),
                                                      QDir(folder).filePath(tr("Zavolin set.pdf")),
                                                      tr("PDF files (*.pdf)"));
    if (!path.isEmpty())
        saveAsPdf(path);
}

bool frmPrintSet::saveAsPdf(const QString& path) {
    const QList<PageRequest> pages =
        withFootnotes(setFilePages(chosenValues(), chosenSides(), backOffset(), spnCopies->value()),
                      setFootnote, calibrationInstruction);
    const bool done = draw([&](const SetProgress& progress) {
        const std::unique_ptr<QtPrinter> printer = openPdfFilePrinter(path, PdfPaper::A4);
        printSetPages(*printer, pages, m_content, 1, progress);
    });
    if (done)
        lblStatus->setText(tr("Saved as %1.").arg(QDir::toNativeSeparators(path)));
    return done;
}

bool frmPrintSet::printDocuments(const QList<SetDocument>& documents, int copies) {
    m_sentJobs.clear();
    if (m_queue.isEmpty())
        return false;
    const bool done = draw([&](const SetProgress& progress) {
        printSetJobs(
            m_queue, std::nullopt, withFootnotes(documents, setFootnote, calibrationInstruction),
            m_content, copies, progress,
            [this] {
                MessageBoxes::current().inform(
                    this,
                    turnOverInstruction() + QStringLiteral("\n\n") +
                        tr("Press OK when the stack is back in the tray to print the backs."));
            },
            m_sentJobs);
    });
    if (done)
        lblStatus->setText(
            tr("Sent to the printer %1 (%2).").arg(m_queue, m_sentJobs.join(QStringLiteral(", "))));
    return done;
}

bool frmPrintSet::draw(const std::function<void(const SetProgress&)>& job) {
    setDrawing(true);
    SetProgress progress;
    progress.documentStarted = [this](qsizetype pages) {
        prgDrawing->setRange(0, int(pages));
        prgDrawing->setValue(0);
    };
    progress.pageStarted = [this](qsizetype page) { prgDrawing->setValue(int(page)); };
    progress.keepGoing = [this] {
        QCoreApplication::processEvents();
        return !m_cancelled;
    };
    try {
        job(progress);
    } catch (const PrintCancelled&) {
        setDrawing(false);
        lblStatus->setText(tr("Cancelled: nothing more was sent or written."));
        return false;
    } catch (const RuntimeError& e) {
        setDrawing(false);
        fail(e.description());
        return false;
    }
    setDrawing(false);
    return true;
}

void frmPrintSet::setDrawing(bool drawing) {
    m_drawing = drawing;
    m_cancelled = false;
    m_inputs->setEnabled(!drawing);
    cmdClose->setEnabled(!drawing);
    prgDrawing->setVisible(drawing);
    cmdCancel->setVisible(drawing);
    if (drawing)
        lblStatus->setText(tr("Drawing the pages…"));
}

void frmPrintSet::fail(const QString& message) {
    lblStatus->setText(message);
    MessageBoxes::current().inform(this, message);
}

void frmPrintSet::reject() {
    // Closing while drawing stops the drawing first; the dialog stays to say so.
    if (m_drawing) {
        m_cancelled = true;
        return;
    }
    QDialog::reject();
}

} // namespace zavolin
