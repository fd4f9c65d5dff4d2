#pragma once

#include "sheet/ColumnLayout.h"

#include <QDialog>
#include <QString>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace zavolin {

// The print adjustment dialog: shifts the whole printout by whole millimetres, -20 to 20,
// downwards (TopMargin) and to the right (LeftMargin). Each scroll bar works as a spin control
// whose value is the negated offset; every click changes the offset at once, so there is no
// cancel. Loading the dialog (constructing it) runs Form_Load; OK or closing the window
// unloads it.
class frmPrint : public QDialog {
    Q_OBJECT

public:
    // The text of a number in the current language (109 "Move down:", 110 "Move right:",
    // 111 the title).
    using TextLookup = std::function<QString(qint16 number)>;

    // With columns, the dialog also offers the banknotes' column layout and changes it at once.
    // With printer, it grows below its other controls and offers the system's default printer
    // (an empty queue) and every CUPS queue; a choice changes *printer and the stored setting
    // Settings::Printer at once.
    frmPrint(qint16& LeftMargin, qint16& TopMargin, TextLookup text, QWidget* parent = nullptr,
             ColumnLayout* columns = nullptr, QString* printer = nullptr);

    // Loads the dialog, shows it modally and unloads it when it closes.
    static void showModal(qint16& LeftMargin, qint16& TopMargin, TextLookup text,
                          QWidget* parent = nullptr, ColumnLayout* columns = nullptr,
                          QString* printer = nullptr);

    void Form_Load();
    void vscLeftMargin_Change();
    void vscTopMargin_Change();
    void cmdOK_Click();

    QLabel* lblMoveDown = nullptr;
    QLabel* lblTopMargin = nullptr;
    QScrollBar* vscTopMargin = nullptr;
    std::array<QLabel*, 2> lblMM{};
    QLabel* lblMoveRight = nullptr;
    QLabel* lblLeftMargin = nullptr;
    QScrollBar* vscLeftMargin = nullptr;
    QPushButton* cmdOK = nullptr;
    // As many columns of notes as fit the paper; only there when the dialog was given a layout.
    QCheckBox* chkColumns = nullptr;
    // The printer the main window prints on, its list holding the queue's name as its data;
    // only there when the dialog was given a printer. The note says what became of a choice
    // that could not be used or kept.
    QLabel* lblPrinter = nullptr;
    QComboBox* cmbPrinter = nullptr;
    QLabel* lblPrinterNote = nullptr;

private:
    void addColumnsChoice(ColumnLayout* columns);
    void addPrinterChoice(QString* printer);
    // Names the bars after their labels and describes each by the offset it stands for.
    void sayOffsets();
    void cmbPrinter_Change(QString* printer);

    qint16& m_LeftMargin;
    qint16& m_TopMargin;
    TextLookup m_text;
    // Where the next row below OK goes, in twips; the dialog ends there.
    int m_nextRowTop = 2040;
};

} // namespace zavolin
