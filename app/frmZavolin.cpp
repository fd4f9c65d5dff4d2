#include "frmZavolin.h"

#include "JobNotice.h"
#include "MainWindowLayout.h"
#include "OwnSetEntries.h"
#include "PreviewBox.h"
#include "errors/Trap.h"
#include "frmPrint.h"
#include "lang/Allgemein.h"
#include "lang/LangState.h"
#include "lang/frmInfo.h"
#include "platform/compat/Conversions.h"
#include "platform/print/CupsQueuePrinter.h"
#include "platform/print/DefaultPrinter.h"
#include "platform/print/Printer.h"
#include "platform/settings/SettingsStore.h"
#include "resources/ProgramResources.h"
#include "ui_frmZavolin.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QRadioButton>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace zavolin {

frmZavolin::frmZavolin(QWidget* parent)
    : QMainWindow(parent)
    , m_ui(std::make_unique<Ui::frmZavolin>()) {
    // The definition's pictures come from the resources; they must be registered first.
    initProgramResources();
    m_ui->setupUi(this);
    cmbAuswahl = ComboPluginList(m_ui->cmbAuswahl);

    // A window definition cannot mark a named action as a separator line. Its caption "-"
    // only said so: the style would draw it beside the line.
    m_ui->mnuBar6->setSeparator(true);
    m_ui->mnuBar6->setText(QString());

    // The definition carries the small icon; add the large one for task switchers and docks.
    QIcon icon = windowIcon();
    icon.addFile(QStringLiteral(":/images/zavolin-64.png"));
    setWindowIcon(icon);

    m_jobNotice = new JobNotice(m_ui->Bild);

    connectControls();
    addKeyboardAccess();
}

frmZavolin::~frmZavolin() = default;

PreviewBox& frmZavolin::Bild() const {
    return *m_ui->Bild;
}

QRadioButton* frmZavolin::optIndex(qint16 Index) const {
    Ui::frmZavolin& ui = *m_ui;
    QRadioButton* const options[] = {ui.optIndex_0, ui.optIndex_1, ui.optIndex_2, ui.optIndex_3,
                                     ui.optIndex_4, ui.optIndex_5, ui.optIndex_6, ui.optIndex_7,
                                     ui.optIndex_8, ui.optIndex_9, ui.optIndex_10};
    if (Index < 0 || Index > 10)
        zavolin::raise(
            ErrNo::SubscriptOutOfRange,
            QStringLiteral("Subscript out of range: there is no option button %1.").arg(Index));
    return options[Index];
}

void frmZavolin::connectControls() {
    Ui::frmZavolin& ui = *m_ui;

    // Option buttons: a change of the selection, by the user or by code, runs the handler
    // once, for the button that became selected.
    for (qint16 i = 0; i <= 10; ++i)
        connect(optIndex(i), &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                optIndex_Click(i);
        });

    // The lists: only the user's choice runs the handler here; code that selects an entry
    // runs the handler itself, exactly once.
    connect(ui.cmbAuswahl, &QComboBox::activated, this, [this] { cmbAuswahl_Click(); });
    connect(ui.cmbSide, &QComboBox::activated, this, [this] { cmbSide_Click(); });

    // The copies: every change, typed or set by code.
    connect(ui.txtCopy, &QLineEdit::textChanged, this, [this] { txtCopy_Change(); });
    ui.txtCopy->installEventFilter(this);

    const std::pair<QPushButton*, qint16> buttons[] = {
        {ui.PicBut_0, 0},   {ui.PicBut_1, 1},   {ui.PicBut_2, 2},
        {ui.PicBut_3, 3},   {ui.PicBut_4, 4},   {ui.PicBut_10, 10},
        {ui.PicBut_11, 11}, {ui.PicBut_12, 12}, {ui.PicBut_13, 13}};
    for (const auto& [button, index] : buttons)
        connect(button, &QPushButton::clicked, this,
                [this, index = index] { PicBut_click(index); });

    connect(ui.mnuHomepage, &QAction::triggered, this, [this] { mnuHomepage_Click(); });
    connect(ui.mnuEMail, &QAction::triggered, this, [this] { mnuEMail_Click(); });
    connect(ui.mnuUeber, &QAction::triggered, this, [this] { mnuUeber_Click(); });
}

bool frmZavolin::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->txtCopy && event->type() == QEvent::FocusIn) {
        txtCopy_GotFocus();
        // A click that brings the focus moves the cursor afterwards and drops the selection:
        // select again once the click has been handled.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
            QTimer::singleShot(0, m_ui->txtCopy, [edit = m_ui->txtCopy] {
                if (edit->hasFocus())
                    edit->selectAll();
            });
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmZavolin::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmZavolin::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if ((change->oldState() & Qt::WindowMinimized) && !isMinimized())
        Form_Resize();
}

void frmZavolin::Form_Resize() {
    MainWindowLayout layout;
    layout.minimised = isMinimized();
    // The client area: the window less its (hidden) menu bar.
    layout.ScaleWidth = m_ui->centralwidget->width();
    layout.ScaleHeight = m_ui->centralwidget->height();
    layout.printer = &Printer::current();
    const PageContent content = this->content();
    layout.content = &content;
    layout.geometry = &Geometry;
    layout.fit = pageFit();
    layout.page = page();
    layout.PreviewScale = &PreviewScale;
    // Selecting the button runs optIndex_Click when it changes the selection.
    layout.chooseDenom = [this] { optIndex(Denom)->setChecked(true); };
    zavolin::Form_Resize(*m_ui, layout);
}

void frmZavolin::showPrintAdjustment() {
    const ColumnLayout before = Columns;
    const QString printerBefore = PrinterQueue;
    frmPrint::showModal(
        Offsets.LeftMargin, Offsets.TopMargin,
        [](qint16 number) { return GetLang(add16(LangBase, number)); }, this, &Columns,
        &PrinterQueue);
    // Kept at once: the offsets are stored when the program ends, the layout has no such step.
    if (Columns != before)
        writeSetting(Settings::Columns, columnLayoutText(Columns));
    if (PrinterQueue != printerBefore) {
        // The dialog has stored it. Another paper may have other proportions: the preview is
        // laid out anew.
        chooseProgramPrinter(PrinterQueue);
        Form_Resize();
    }
    // The offset down and the layout decide how many rows and columns the page holds.
    ScaleFactor(Printer::current(), SizeTable, Denom, Side, Geometry, {}, pageFit());
}

void frmZavolin::sayWhereTheJobWent(const QString& delivery) {
    // A printout saved as a file has said where it is already.
    if (const std::optional<CupsJob> job = cupsJobOf(delivery))
        m_jobNotice->say(tr("Sent to %1, job %2.").arg(job->queue).arg(job->id));
}

void frmZavolin::refreshOwnSets() {
    const int chosen = cmbAuswahl.listIndex();
    const QString chosenOwn = chosen >= 0 ? cmbAuswahl.item(chosen).ownSet : QString();
    cmbAuswahl.removeOwnSets();
    appendOwnSets(cmbAuswahl);
    if (chosenOwn.isEmpty())
        return; // a plug-in's set keeps its place before the own ones
    for (int i = 0; i < cmbAuswahl.listCount(); ++i)
        if (cmbAuswahl.item(i).ownSet == chosenOwn) {
            cmbAuswahl.setListIndex(i);
            return;
        }
    if (cmbAuswahl.listCount() > 0) {
        cmbAuswahl.setListIndex(0);
        cmbAuswahl_Click();
    }
}

void frmZavolin::repaintPreview(Trap& trap, const DrawLabels& labels) {
    drawPage(Bild(), page(), PreviewScale, content(), trap, labels);
}

} // namespace zavolin
