#include "frmPrintSet.h"

#include "AccessibleNames.h"
#include "FocusRing.h"
#include "SetDialogChoices.h"
#include "frmOwnSets.h"
#include "lang/SetTexts.h"
#include "platform/base/RuntimeError.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/print/CupsQueue.h"
#include "platform/print/CupsQueuePrinter.h"
#include "platform/print/DefaultPrinter.h"
#include "platform/print/PdfFilePrinter.h"
#include "platform/print/QtPrinter.h"
#include "platform/settings/SettingsStore.h"
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
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
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

frmPrintSet::frmPrintSet(const SetContent& content, QWidget* parent, PictureSetChoice sets)
    : QDialog(parent)
    , m_content(content)
    , m_sets(std::move(sets)) {
    setObjectName(QStringLiteral("frmPrintSet"));
    setWindowTitle(tr("Print a whole set"));
    new FocusRing(this);
    auto* layout = new QVBoxLayout(this);
    m_inputs = new QWidget(this);
    auto* inputs = new QVBoxLayout(m_inputs);
    inputs->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_inputs);
    // Each control beside the label a screen reader names it by.
    const auto labelled = [this](const QString& text, QWidget* control,
                                 const QString& name = QString()) {
        auto* label = new QLabel(text, m_inputs);
        label->setBuddy(control);
        control->setAccessibleName(name.isEmpty() ? nameFromLabel(text) : name);
        return label;
    };

    if (m_sets.names && m_sets.chosen && m_sets.choose) {
        auto* setRow = new QHBoxLayout;
        cmbPictureSet = new QComboBox(m_inputs);
        cmbPictureSet->setObjectName(QStringLiteral("cmbPictureSet"));
        setRow->addWidget(labelled(tr("Picture set:"), cmbPictureSet));
        setRow->addWidget(cmbPictureSet, 1);
        inputs->addLayout(setRow);
        listPictureSets();
        // The user's choice only: listing again selects quietly.
        connect(cmbPictureSet, &QComboBox::activated, this, [this](int index) {
            m_sets.choose(index);
            // The window may have fallen back to another entry.
            const QSignalBlocker quiet(cmbPictureSet);
            cmbPictureSet->setCurrentIndex(m_sets.chosen());
        });
    }

    auto* printerRow = new QHBoxLayout;
    cmbPrinter = new QComboBox(m_inputs);
    cmbPrinter->setObjectName(QStringLiteral("cmbPrinter"));
    cmbPaper = new QComboBox(m_inputs);
    cmbPaper->setObjectName(QStringLiteral("cmbPaper"));
    printerRow->addWidget(labelled(tr("Printer:"), cmbPrinter));
    printerRow->addWidget(cmbPrinter, 1);
    printerRow->addWidget(labelled(tr("Paper:"), cmbPaper));
    printerRow->addWidget(cmbPaper);
    inputs->addLayout(printerRow);
    lblPrinter = new QLabel(m_inputs);
    lblPrinter->setWordWrap(true);
    inputs->addWidget(lblPrinter);

    buildValues(m_inputs);

    auto* form = new QFormLayout;
    chkColumns = new QCheckBox(tr("As many columns of notes as fit the paper"), m_inputs);
    chkColumns->setObjectName(QStringLiteral("chkColumns"));
    form->addRow(chkColumns);
    auto* serials = new QHBoxLayout;
    chkSerials = new QCheckBox(tr("Serial numbers, prefix:"), m_inputs);
    chkSerials->setObjectName(QStringLiteral("chkSerials"));
    txtSerialPrefix = new QLineEdit(m_inputs);
    txtSerialPrefix->setObjectName(QStringLiteral("txtSerialPrefix"));
    txtSerialPrefix->setMaxLength(6);
    txtSerialPrefix->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z0-9]{0,6}")), txtSerialPrefix));
    txtSerialPrefix->setPlaceholderText(tr("class"));
    txtSerialPrefix->setAccessibleName(nameFromLabel(chkSerials->text()));
    cmdCheckSerial = new QPushButton(tr("Check a serial…"), m_inputs);
    cmdExportRegister = new QPushButton(tr("Export the register…"), m_inputs);
    serials->addWidget(chkSerials);
    serials->addWidget(txtSerialPrefix);
    serials->addStretch();
    serials->addWidget(cmdCheckSerial);
    serials->addWidget(cmdExportRegister);
    form->addRow(serials);
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
    // A box is named by the row and its own word: "Back offset right".
    const QString backOffset = nameFromLabel(tr("Back offset:"));
    offsets->addWidget(
        labelled(tr("right"), spnBackX, backOffset + QLatin1Char(' ') + tr("right")));
    offsets->addWidget(spnBackX);
    offsets->addWidget(labelled(tr("down"), spnBackY, backOffset + QLatin1Char(' ') + tr("down")));
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
        // A set just made can be chosen here at once.
        if (sets.changed() && cmbPictureSet)
            listPictureSets();
    });
    connect(cmdSavePdf, &QPushButton::clicked, this, [this] { chooseSavePath(); });
    connect(chkSerials, &QCheckBox::toggled, this, [this] { updateButtons(); });
    connect(cmdCheckSerial, &QPushButton::clicked, this, [this] { askForSerial(); });
    connect(cmdExportRegister, &QPushButton::clicked, this, [this] { askForRegisterPath(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    m_windowColumns = m_content.columns;
    applyChoices(loadSetDialogChoices());
    connect(spnBackX, &QDoubleSpinBox::valueChanged, this, [this] { storeBackOffset(); });
    connect(spnBackY, &QDoubleSpinBox::valueChanged, this, [this] { storeBackOffset(); });
    connect(spnCopies, &QSpinBox::valueChanged, this, [this] { updatePaper(); });
    connect(cmbPrinter, &QComboBox::currentIndexChanged, this, [this] { choosePrinter(); });
    connect(cmbSides, &QComboBox::activated, this, [this] { m_wantedSides = chosenSides(); });
    connect(cmbPaper, &QComboBox::currentIndexChanged, this, [this] {
        measureSheets();
        updateButtons();
    });
    connect(chkColumns, &QCheckBox::toggled, this, [this](bool all) {
        m_content.columns = all ? ColumnLayout::AsManyAsFit : ColumnLayout::One;
        measureSheets();
        updateButtons();
    });
}

void frmPrintSet::buildValues(QWidget* parent) {
    auto* values = new QGroupBox(tr("Values"), parent);
    auto* rows = new QVBoxLayout(values);
    chkCounting = new QCheckBox(tr("Count the notes of each value"), values);
    chkCounting->setObjectName(QStringLiteral("chkCounting"));
    rows->addWidget(chkCounting);
    auto* children = new QHBoxLayout;
    spnChildren = new QSpinBox(values);
    spnChildren->setObjectName(QStringLiteral("spnChildren"));
    spnChildren->setRange(1, MaxValueCount);
    cmdFill = new QPushButton(tr("Fill in: children × notes each"), values);
    cmdFill->setObjectName(QStringLiteral("cmdFill"));
    children->addWidget(new QLabel(tr("Children:"), values));
    children->addWidget(spnChildren);
    children->addWidget(cmdFill);
    children->addStretch();
    rows->addLayout(children);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Notes each"), values), 0, 1);
    grid->addWidget(new QLabel(tr("Notes wanted"), values), 0, 2);
    grid->addWidget(new QLabel(tr("Pages and notes you get"), values), 0, 3);
    const QList<qint16> all = allSetValues();
    for (qsizetype i = 0; i < all.size(); ++i) {
        const size_t at = size_t(i);
        const int row = int(i) + 1;
        auto* box = new QCheckBox(setValueLabel(all[i]), values);
        box->setObjectName(QStringLiteral("chkValue_%1").arg(all[i]));
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this] { updateButtons(); });
        chkValue[at] = box;
        grid->addWidget(box, row, 0);
        spnEach[at] = new QSpinBox(values);
        spnEach[at]->setObjectName(QStringLiteral("spnEach_%1").arg(all[i]));
        spnEach[at]->setRange(0, MaxValueCount);
        spnEach[at]->setAccessibleName(tr("Notes each of %1").arg(setValueName(all[i])));
        grid->addWidget(spnEach[at], row, 1);
        spnCount[at] = new QSpinBox(values);
        spnCount[at]->setObjectName(QStringLiteral("spnCount_%1").arg(all[i]));
        spnCount[at]->setRange(0, MaxValueCount);
        spnCount[at]->setAccessibleName(tr("Notes wanted of %1").arg(setValueName(all[i])));
        connect(spnCount[at], &QSpinBox::valueChanged, this, [this] { updatePaper(); });
        grid->addWidget(spnCount[at], row, 2);
        lblGot[at] = new QLabel(values);
        grid->addWidget(lblGot[at], row, 3);
    }
    rows->addLayout(grid);
    parent->layout()->addWidget(values);

    connect(chkCounting, &QCheckBox::toggled, this, [this] { updateButtons(); });
    connect(cmdFill, &QPushButton::clicked, this, [this] { fillFromChildren(); });
}

void frmPrintSet::applyChoices(const SetDialogChoices& choices) {
    const QList<qint16> all = allSetValues();
    for (qsizetype i = 0; i < all.size(); ++i) {
        chkValue[size_t(i)]->setChecked(choices.values.contains(all[i]));
        spnEach[size_t(i)]->setValue(choices.each.value(all[i]));
        spnCount[size_t(i)]->setValue(choices.counts.value(all[i]));
    }
    spnChildren->setValue(choices.children);
    chkCounting->setChecked(choices.counting);
    if (choices.columns)
        m_content.columns = *choices.columns;
    chkColumns->setChecked(m_content.columns == ColumnLayout::AsManyAsFit);
    chkSerials->setChecked(choices.serials);
    txtSerialPrefix->setText(choices.serialPrefix);
    m_storedPaper = choices.paper;
    m_wantedSides = choices.sides;
    listPrinters(choices.printer);
}

void frmPrintSet::keepChoices() {
    SetDialogChoices choices;
    choices.values = chosenValues();
    choices.counting = chkCounting->isChecked();
    choices.counts.clear();
    choices.each.clear();
    const QList<qint16> all = allSetValues();
    for (qsizetype i = 0; i < all.size(); ++i) {
        choices.counts.insert(all[i], spnCount[size_t(i)]->value());
        choices.each.insert(all[i], spnEach[size_t(i)]->value());
    }
    choices.children = spnChildren->value();
    choices.sides = m_wantedSides;
    // The default stays the default: a new default printer is followed next time.
    choices.printer = cmbPrinter->currentIndex() > 0 ? m_queue : QString();
    if (cmbPaper->count() > 0)
        choices.paper = chosenPaper();
    if (m_content.columns != m_windowColumns)
        choices.columns = m_content.columns;
    choices.serials = chkSerials->isChecked();
    choices.serialPrefix = normalPrefix(txtSerialPrefix->text());
    try {
        storeSetDialogChoices(choices);
    } catch (const RuntimeError& e) {
        fail(tr("The choices could not be kept for the next time: %1").arg(e.description()));
    }
}

void frmPrintSet::fillFromChildren() {
    const qint32 children = spnChildren->value();
    for (size_t i = 0; i < spnCount.size(); ++i) {
        spnCount[i]->setValue(qMin(children * spnEach[i]->value(), MaxValueCount));
        chkValue[i]->setChecked(spnEach[i]->value() > 0);
    }
    chkCounting->setChecked(true);
    updateButtons();
}

frmPrintSet::~frmPrintSet() = default;

void frmPrintSet::listPictureSets() {
    const QSignalBlocker quiet(cmbPictureSet);
    cmbPictureSet->clear();
    cmbPictureSet->addItems(m_sets.names());
    cmbPictureSet->setCurrentIndex(m_sets.chosen());
}

void frmPrintSet::listPrinters(const QString& stored) {
    const PrinterChoice choice = chooseDefaultPrinter();
    const QStringList queues = cupsQueueNames();
    const QSignalBlocker quiet(cmbPrinter);
    cmbPrinter->clear();
    // The default first, under its own name; a queue LPDEST or PRINTER names that does not
    // exist leaves nothing to print on until another is chosen.
    if (choice.missingReason.isEmpty() && !choice.queue.isEmpty())
        cmbPrinter->addItem(tr("%1 (default)").arg(choice.queue), choice.queue);
    for (const QString& queue : queues)
        if (queue != choice.queue)
            cmbPrinter->addItem(queue, queue);
    int at = stored.isEmpty() ? 0 : cmbPrinter->findData(stored);
    QString note;
    if (at < 0) {
        note = tr("The printer \"%1\" chosen last time is not there any more.").arg(stored);
        at = 0;
    }
    if (!choice.missingReason.isEmpty() && stored.isEmpty())
        at = -1;
    cmbPrinter->setCurrentIndex(at);
    m_printerNote = note;
    choosePrinter();
}

void frmPrintSet::choosePrinter() {
    m_queue = cmbPrinter->currentData().toString();
    m_twoSided = false;
    QString problem;
    if (m_queue.isEmpty()) {
        const PrinterChoice choice = chooseDefaultPrinter();
        problem = !choice.missingReason.isEmpty()
                      ? choice.missingReason
                      : tr("There is no printer on this system; the set can be saved as a PDF "
                           "file.");
    } else {
        try {
            m_twoSided = cupsQueueStatus(m_queue).twoSided;
        } catch (const RuntimeError& e) {
            problem = e.description();
            m_queue.clear();
        }
    }
    QStringList said;
    if (!m_printerNote.isEmpty())
        said << m_printerNote;
    if (!problem.isEmpty())
        said << problem;
    else
        said << (m_twoSided ? tr("It prints on both sides of the paper.")
                            : tr("It prints on one side: backs are turned over by hand."));
    lblPrinter->setText(said.join(QLatin1Char(' ')));
    listPapers();
    // The way chosen stays when the new printer offers it; else the printer's first way.
    listSides(m_wantedSides);
    loadBackOffset();
    measureSheets();
    updateButtons();
}

void frmPrintSet::listPapers() {
    QList<StandardPaper> papers = standardPapers();
    std::optional<StandardPaper> own;
    if (!m_queue.isEmpty()) {
        try {
            papers = cupsQueuePapers(m_queue);
            own = paperNamed(cupsQueuePaper(m_queue).pageSize.key());
        } catch (const RuntimeError& e) {
            lblStatus->setText(e.description());
        }
    }
    const std::optional<StandardPaper> wanted =
        cmbPaper->count() > 0 ? std::optional(chosenPaper()) : m_storedPaper;
    const QSignalBlocker quiet(cmbPaper);
    cmbPaper->clear();
    for (const StandardPaper paper : papers)
        cmbPaper->addItem(paperName(paper), int(paper));
    int at = wanted ? cmbPaper->findData(int(*wanted)) : -1;
    if (at < 0 && own)
        at = cmbPaper->findData(int(*own));
    cmbPaper->setCurrentIndex(qMax(at, 0));
}

void frmPrintSet::listSides(std::optional<SetSides> wanted) {
    const QSignalBlocker quiet(cmbSides);
    cmbSides->clear();
    if (m_twoSided)
        cmbSides->addItem(tr("Printed on the back by the printer"), int(SetSides::TwoSided));
    cmbSides->addItem(tr("Turned over by hand"), int(SetSides::TurnByHand));
    cmbSides->addItem(tr("Fronts only"), int(SetSides::FrontsOnly));
    cmbSides->addItem(tr("Backs only"), int(SetSides::BacksOnly));
    const int at = wanted ? cmbSides->findData(int(*wanted)) : 0;
    cmbSides->setCurrentIndex(qMax(at, 0));
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

StandardPaper frmPrintSet::chosenPaper() const {
    return StandardPaper(cmbPaper->currentData().toInt());
}

CountedSet frmPrintSet::countedSet() const {
    const auto perSheet = [this](qint16 Denom) { return m_itemsOnSheet.value(Denom, 1); };
    if (!chkCounting->isChecked())
        return oneSheetEach(chosenValues(), perSheet);
    ValueCounts counts;
    const QList<qint16> all = allSetValues();
    for (qsizetype i = 0; i < all.size(); ++i)
        if (chkValue[size_t(i)]->isChecked())
            counts.insert(all[i], spnCount[size_t(i)]->value());
    return planCounts(counts, perSheet);
}

BackOffset frmPrintSet::backOffset() const {
    return {spnBackX->value(), spnBackY->value()};
}

void frmPrintSet::updateButtons() {
    const bool counting = chkCounting->isChecked();
    for (size_t i = 0; i < spnCount.size(); ++i) {
        spnEach[i]->setEnabled(counting);
        spnCount[i]->setEnabled(counting);
    }
    spnChildren->setEnabled(counting);
    const bool anyValue = !countedSet().values.isEmpty();
    cmdPrint->setEnabled(anyValue && !m_queue.isEmpty());
    cmdSavePdf->setEnabled(anyValue);
    cmdCalibration->setEnabled(!m_queue.isEmpty());
    txtSerialPrefix->setEnabled(chkSerials->isChecked());
    updatePaper();
}

void frmPrintSet::measureSheets() {
    // The paper the set goes on: the printer's, or the file's without one. Nothing is printed.
    m_itemsOnSheet.clear();
    if (cmbPaper->count() == 0)
        return;
    try {
        const PrinterPaper paper = m_queue.isEmpty() ? pdfPrinterPaper(chosenPaper())
                                                     : cupsQueuePaper(m_queue, chosenPaper());
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
    const CountedSet set = countedSet();
    const QList<qint16> all = allSetValues();
    for (qsizetype i = 0; i < all.size(); ++i) {
        QString got;
        for (const CountedValue& value : set.values)
            if (value.Denom == all[i] && m_itemsOnSheet.contains(value.Denom))
                got = tr("pages: %1, notes: %2").arg(value.sheets).arg(value.got());
        lblGot[size_t(i)]->setText(got);
    }
    // Each sheet of a value is one sheet of paper, its back on the other side or on the same
    // sheet turned over by hand.
    const qint64 sheets = qint64(set.sheets()) * spnCopies->value();
    QString text = tr("Sheets of paper: %1").arg(sheets);
    if (!chkCounting->isChecked()) {
        QStringList held;
        for (const CountedValue& value : set.values)
            if (m_itemsOnSheet.contains(value.Denom))
                held << QStringLiteral("%1 ×%2").arg(setValueName(value.Denom)).arg(value.perSheet);
        if (!held.isEmpty())
            text += QStringLiteral("; ") + tr("on each: %1").arg(held.join(QStringLiteral(", ")));
    }
    lblPaper->setText(text);
}

bool frmPrintSet::printSet() {
    keepChoices();
    QList<SetDocument> documents =
        setDocuments(countedSet().sheetValues(), chosenSides(), backOffset());
    int copies = spnCopies->value();
    QStringList serials;
    if (chkSerials->isChecked()) {
        // Every copy's notes have serials of their own: the copies are pages of the job.
        documents = copiesWithin(documents, copies);
        copies = 1;
        const bool numbered = numberNotes(
            [&](const SerialIssuer& issue) {
                return numberPages(documents, notesOnPage(cupsQueuePaper(m_queue, chosenPaper())),
                                   issue);
            },
            serials);
        if (!numbered)
            return false;
    }
    const bool done = printDocuments(documents, copies);
    saySerials(done, serials);
    return done;
}

bool frmPrintSet::numberNotes(const std::function<QStringList(const SerialIssuer&)>& number,
                              QStringList& serials) {
    if (const QString problem = serialPrefixProblem(txtSerialPrefix->text()); !problem.isEmpty()) {
        fail(tr("Give the serials a prefix of 1 to 6 letters or digits, such as the class."));
        txtSerialPrefix->setFocus();
        return false;
    }
    const QString prefix = normalPrefix(txtSerialPrefix->text());
    const QString sides = setSidesName(chosenSides());
    try {
        serials = number(
            [&](const QList<qint16>& notes) { return issueSerialTexts(prefix, notes, sides); });
    } catch (const RuntimeError& e) {
        fail(tr("No serials could be issued: %1").arg(e.description()));
        return false;
    }
    return true;
}

NotesOnPage frmPrintSet::notesOnPage(const PrinterPaper& paper) const {
    const auto measuring = std::make_shared<QtPrinter>(paper, nullptr);
    return [this, measuring](qint16 Denom) { return itemsOnSheet(*measuring, Denom, m_content); };
}

void frmPrintSet::saySerials(bool done, const QStringList& serials) {
    if (serials.isEmpty())
        return;
    const QString said = done ? tr("Serials %1 to %2 (%3 notes).")
                                    .arg(serials.first(), serials.last())
                                    .arg(serials.size())
                              : tr("Its serials %1 to %2 stay in the register as issued.")
                                    .arg(serials.first(), serials.last());
    lblStatus->setText(lblStatus->text() + QLatin1Char(' ') + said);
}

void frmPrintSet::askForSerial() {
    bool ok = false;
    const QString text = QInputDialog::getText(this, tr("Check a serial"),
                                               tr("The serial on the note, such as 3B-0042-KX7:"),
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok || text.trimmed().isEmpty())
        return;
    QString said;
    try {
        said = serialVerdictText(checkSerial(text), text);
    } catch (const RuntimeError& e) {
        said = tr("The serial could not be checked: %1").arg(e.description());
    }
    lblStatus->setText(said);
    MessageBoxes::current().inform(this, said);
}

QString frmPrintSet::serialVerdictText(const SerialVerdict& verdict, const QString& text) {
    using Kind = SerialVerdict::Kind;
    const QString serial = verdict.serial.text();
    switch (verdict.kind) {
    case Kind::Malformed:
        return tr("\"%1\" is no serial: a serial reads PREFIX-NUMBER-CODE, such as 3B-0042-KX7.")
            .arg(text);
    case Kind::WrongCheck:
        return tr("Not valid: the check code of %1 does not fit its number.").arg(serial);
    case Kind::UnknownPrefix:
        return tr("Not valid: no note with the prefix %1 was issued here.")
            .arg(verdict.serial.prefix);
    case Kind::NeverIssued:
        return tr("Not valid: number %1 of %2 was never issued.")
            .arg(verdict.serial.number)
            .arg(verdict.serial.prefix);
    case Kind::Valid:
        break;
    }
    return tr("Valid: %1 is a note of %2, issued on %3.")
        .arg(serial, setValueName(verdict.note->Denom),
             QLocale().toString(verdict.note->issued, QLocale::ShortFormat));
}

void frmPrintSet::askForRegisterPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export the register of serials"),
        QDir(folder).filePath(tr("Zavolin serials.csv")), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    try {
        exportSerialRegister(path);
        lblStatus->setText(tr("Saved the register as %1.").arg(QDir::toNativeSeparators(path)));
    } catch (const RuntimeError& e) {
        fail(tr("The register was not saved: %1").arg(e.description()));
    }
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
    keepChoices();
    QList<PageRequest> pages = withFootnotes(
        setFilePages(countedSet().sheetValues(), chosenSides(), backOffset(), spnCopies->value()),
        setFootnote, calibrationInstruction);
    QStringList serials;
    if (chkSerials->isChecked() &&
        !numberNotes(
            [&](const SerialIssuer& issue) {
                return numberPages(pages, notesOnPage(pdfPrinterPaper(chosenPaper())), issue);
            },
            serials))
        return false;
    const bool done = draw([&](const SetProgress& progress) {
        const std::unique_ptr<QtPrinter> printer = openPdfFilePrinter(path, chosenPaper());
        printSetPages(*printer, pages, m_content, 1, progress);
    });
    if (done)
        lblStatus->setText(tr("Saved as %1.").arg(QDir::toNativeSeparators(path)));
    saySerials(done, serials);
    return done;
}

bool frmPrintSet::printDocuments(const QList<SetDocument>& documents, int copies) {
    m_sentJobs.clear();
    if (m_queue.isEmpty())
        return false;
    const bool done = draw([&](const SetProgress& progress) {
        printSetJobs(
            m_queue, chosenPaper(), withFootnotes(documents, setFootnote, calibrationInstruction),
            m_content, copies, progress,
            [this] {
                MessageBoxes::current().inform(
                    this,
                    turnOverInstruction() + QStringLiteral("\n\n") +
                        tr("Press OK when the stack is back in the tray to print the backs."));
            },
            m_sentJobs);
    });
    if (done) {
        QStringList jobs;
        for (const QString& sent : std::as_const(m_sentJobs))
            if (const std::optional<CupsJob> job = cupsJobOf(sent))
                jobs << QString::number(job->id);
        lblStatus->setText(
            (jobs.size() == 1 ? tr("Sent to %1, job %2.") : tr("Sent to %1, jobs %2."))
                .arg(m_queue, jobs.join(QStringLiteral(", "))));
    }
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
    keepChoices();
    QDialog::reject();
}

} // namespace zavolin
