#include "frmPrint.h"

#include "AccessibleNames.h"
#include "FocusRing.h"
#include "errors/Trap.h"
#include "platform/base/RuntimeError.h"
#include "platform/base/Units.h"
#include "platform/compat/Conversions.h"
#include "platform/print/CupsQueue.h"
#include "platform/print/DefaultPrinter.h"
#include "platform/settings/SettingsStore.h"
#include "sheet/SheetContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

namespace zavolin {
namespace {

const QString Module = QStringLiteral("frmPrint");

// A place in the window definition, in twips.
QRect pixelRect(double left, double top, double width, double height) {
    return QRect(pixelsOf(left), pixelsOf(top), pixelsOf(width), pixelsOf(height));
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& place) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    return label;
}

QScrollBar* makeBar(QWidget* parent, const char* name, const QRect& place) {
    auto* bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setGeometry(place);
    // A spin control: one step per click, on an arrow or on the track alike. The upper arrow
    // lowers the value and so raises the offset shown.
    bar->setRange(-MaxPrintOffset, MaxPrintOffset);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    return bar;
}

// The labels keep their defined places; a text wider than its label (fonts here are larger
// than the ones the places were made for) is set smaller rather than cut off.
void fitToWidth(QWidget* widget, const QString& text, int room) {
    QFont font = widget->font();
    if (font.pointSizeF() <= 0)
        return;
    const qreal smallest = qMin<qreal>(6.0, font.pointSizeF());
    while (font.pointSizeF() - 0.5 >= smallest &&
           QFontMetricsF(font).horizontalAdvance(text) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    widget->setFont(font);
}

void fitToWidth(QLabel* label) {
    fitToWidth(label, label->text(), label->width());
}

// A check box's text shares its width with the box.
void fitToWidth(QCheckBox* box) {
    const int indicator = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) +
                          box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
    fitToWidth(box, box->text(), box->width() - indicator);
}

QString text(const frmPrint::TextLookup& lookup, qint16 number) {
    if (!lookup)
        raise(ErrNo::InvalidProcedureCall,
              QStringLiteral("The print adjustment has no texts to show."));
    return lookup(number);
}

// The number a label shows, as a 16-bit offset.
qint16 shownNumber(const QLabel* label) {
    return textToInt16(label->text());
}

// The scroll bar rejects a value outside its limits instead of keeping the nearest one.
void setBarValue(QScrollBar* bar, double value) {
    const double rounded = roundHalfEven(value);
    if (rounded < bar->minimum() || rounded > bar->maximum())
        raise(ErrNo::InvalidPropertyValue,
              QStringLiteral("Invalid property value: %1 is outside the scroll bar's limits "
                             "%2 to %3.")
                  .arg(rounded)
                  .arg(bar->minimum())
                  .arg(bar->maximum()));
    bar->setValue(int(rounded));
}

} // namespace

frmPrint::frmPrint(qint16& LeftMargin, qint16& TopMargin, TextLookup text, QWidget* parent,
                   ColumnLayout* columns, QString* printer)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint)
    , m_LeftMargin(LeftMargin)
    , m_TopMargin(TopMargin)
    , m_text(std::move(text)) {
    setObjectName(QStringLiteral("frmPrint"));
    setFixedSize(pixelsOf(4035), pixelsOf(2220));

    lblMoveDown = makeLabel(this, "lblMoveDown", pixelRect(240, 285, 2055, 375));
    lblTopMargin = makeLabel(this, "lblTopMargin", pixelRect(2520, 240, 375, 375));
    vscTopMargin = makeBar(this, "vscTopMargin", pixelRect(2880, 240, 255, 375));
    lblMM[0] = makeLabel(this, "lblMM_0", pixelRect(3240, 270, 495, 255));
    lblMoveRight = makeLabel(this, "lblMoveRight", pixelRect(240, 810, 2055, 375));
    lblLeftMargin = makeLabel(this, "lblLeftMargin", pixelRect(2520, 720, 375, 375));
    vscLeftMargin = makeBar(this, "vscLeftMargin", pixelRect(2880, 720, 255, 375));
    lblMM[1] = makeLabel(this, "lblMM_1", pixelRect(3240, 810, 495, 255));
    for (QLabel* mm : lblMM)
        mm->setText(QStringLiteral("mm"));
    for (QLabel* value : {lblTopMargin, lblLeftMargin}) {
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(pixelRect(2760, 1440, 975, 495));
    cmdOK->setDefault(true);

    // Every change of a bar's value runs its handler, the one Form_Load makes included.
    connect(vscTopMargin, &QScrollBar::valueChanged, this, [this] { vscTopMargin_Change(); });
    connect(vscLeftMargin, &QScrollBar::valueChanged, this, [this] { vscLeftMargin_Change(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    Form_Load();

    if (columns)
        addColumnsChoice(columns);
    if (printer)
        addPrinterChoice(printer);

    // Tab goes down the dialog; the bars take the arrow keys and Page Up/Down like a click.
    for (QScrollBar* bar : {vscTopMargin, vscLeftMargin})
        bar->setFocusPolicy(Qt::StrongFocus);
    QList<QWidget*> order = {vscTopMargin, vscLeftMargin, chkColumns, cmbPrinter, cmdOK};
    order.removeAll(nullptr);
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    new FocusRing(this);
    vscTopMargin->setFocus();
}

void frmPrint::addColumnsChoice(ColumnLayout* columns) {
    // A row of its own below OK, wide enough for the longest translation at the dialog's font.
    chkColumns = new QCheckBox(tr("As many columns as fit"), this);
    chkColumns->setObjectName(QStringLiteral("chkColumns"));
    chkColumns->setGeometry(pixelRect(240, m_nextRowTop, 3495, 375));
    m_nextRowTop += 480;
    setFixedSize(pixelsOf(4035), pixelsOf(m_nextRowTop));
    chkColumns->setToolTip(tr("Banknotes side by side across the paper, each column with "
                              "its own cut lines; the coin sheet keeps one."));
    fitToWidth(chkColumns);
    chkColumns->setChecked(*columns == ColumnLayout::AsManyAsFit);
    connect(chkColumns, &QCheckBox::toggled, this, [columns](bool checked) {
        *columns = checked ? ColumnLayout::AsManyAsFit : ColumnLayout::One;
    });
}

void frmPrint::showModal(qint16& LeftMargin, qint16& TopMargin, TextLookup text, QWidget* parent,
                         ColumnLayout* columns, QString* printer) {
    frmPrint dialog(LeftMargin, TopMargin, std::move(text), parent, columns, printer);
    dialog.exec();
}

void frmPrint::addPrinterChoice(QString* printer) {
    // Below everything else, so the offsets and OK keep their places.
    const int top = m_nextRowTop + 60;
    m_nextRowTop = top + 1830;
    setFixedSize(pixelsOf(4035), pixelsOf(m_nextRowTop));
    lblPrinter = makeLabel(this, "lblPrinter", pixelRect(240, top, 3495, 255));
    lblPrinter->setText(tr("Printer for the print button:"));
    fitToWidth(lblPrinter);
    cmbPrinter = new QComboBox(this);
    cmbPrinter->setObjectName(QStringLiteral("cmbPrinter"));
    cmbPrinter->setGeometry(pixelRect(240, top + 300, 3495, 375));
    lblPrinter->setBuddy(cmbPrinter);
    cmbPrinter->setAccessibleName(nameFromLabel(lblPrinter->text()));
    lblPrinterNote = makeLabel(this, "lblPrinterNote", pixelRect(240, top + 780, 3495, 900));
    lblPrinterNote->setWordWrap(true);
    lblPrinterNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmbPrinter->addItem(tr("System default"), QString());
    const PrinterChoice system = chooseDefaultPrinter();
    cmbPrinter->setItemData(
        0,
        !system.missingReason.isEmpty() ? system.missingReason
        : system.queue.isEmpty()
            ? tr("There is no printer: printouts are saved as PDF files in the documents folder.")
            : tr("Now the printer %1.").arg(system.queue),
        Qt::ToolTipRole);
    const QStringList queues = cupsQueueNames();
    for (const QString& queue : queues)
        cmbPrinter->addItem(queue, queue);
    const int stored = printer->isEmpty() ? 0 : cmbPrinter->findData(*printer);
    cmbPrinter->setCurrentIndex(qMax(stored, 0));
    if (stored < 0)
        lblPrinterNote->setText(tr("The printer \"%1\" chosen before is not there now, so the "
                                   "system default prints. Choose a printer to change that.")
                                    .arg(*printer));
    // The user's choice only, the one that names the queue already chosen included: it also
    // replaces a stored queue that is not there.
    connect(cmbPrinter, &QComboBox::activated, this,
            [this, printer] { cmbPrinter_Change(printer); });
}

void frmPrint::cmbPrinter_Change(QString* printer) {
    const QString queue = cmbPrinter->currentData().toString();
    lblPrinterNote->clear();
    if (queue == *printer)
        return;
    *printer = queue;
    try {
        writeSetting(Settings::Printer, queue);
    } catch (const RuntimeError& e) {
        lblPrinterNote->setText(
            tr("This printer is used until Zavolin ends, but it could not be kept for the next "
               "time (%1). Make that file writable and choose the printer again.")
                .arg(e.description()));
    }
}

void frmPrint::Form_Load() {
    Trap trap(Module, QStringLiteral("Form_Load"));
    trap.run([&] {
        trap.at(20, [&] { setWindowTitle(text(m_text, 111)); });
        trap.at(30, [&] { lblLeftMargin->setNum(m_LeftMargin); });
        trap.at(40, [&] { setBarValue(vscLeftMargin, -double(shownNumber(lblLeftMargin))); });
        trap.at(50, [&] { lblTopMargin->setNum(m_TopMargin); });
        trap.at(60, [&] { setBarValue(vscTopMargin, -double(shownNumber(lblTopMargin))); });
        trap.at(70, [&] {
            lblMoveDown->setText(text(m_text, 109));
            fitToWidth(lblMoveDown);
        });
        trap.at(80, [&] {
            lblMoveRight->setText(text(m_text, 110));
            fitToWidth(lblMoveRight);
        });
    });
    sayOffsets();
}

void frmPrint::sayOffsets() {
    // A bar's own value is the negated offset: a screen reader is told the offset as shown.
    struct Bar {
        QScrollBar* bar;
        const QLabel* caption;
        const QLabel* offset;
    };
    for (const Bar& b : {Bar{vscTopMargin, lblMoveDown, lblTopMargin},
                         Bar{vscLeftMargin, lblMoveRight, lblLeftMargin}}) {
        b.bar->setAccessibleName(nameFromLabel(b.caption->text()));
        b.bar->setAccessibleDescription(b.offset->text() + QStringLiteral(" mm"));
    }
}

void frmPrint::vscLeftMargin_Change() {
    Trap trap(Module, QStringLiteral("vscLeftMargin_Change"));
    trap.run([&] {
        trap.at(20, [&] { lblLeftMargin->setNum(-vscLeftMargin->value()); });
        trap.at(30, [&] { m_LeftMargin = shownNumber(lblLeftMargin); });
    });
    sayOffsets();
}

void frmPrint::vscTopMargin_Change() {
    Trap trap(Module, QStringLiteral("vscTopMargin_Change"));
    trap.run([&] {
        trap.at(20, [&] { lblTopMargin->setNum(-vscTopMargin->value()); });
        trap.at(30, [&] { m_TopMargin = shownNumber(lblTopMargin); });
    });
    sayOffsets();
}

void frmPrint::cmdOK_Click() {
    accept();
}

} // namespace zavolin
