#pragma once

#include "platform/print/PrinterPaper.h"

#include <QDialog>
#include <QList>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace zavolin {

// The pages children draw their notes on: the paper, the values and the copies (one for each
// child) chosen, printed on a printer or saved as a PDF file. What goes wrong is said in a
// message box and in the status line.
class frmDrawingPages : public QDialog {
    Q_OBJECT

public:
    explicit frmDrawingPages(QWidget* parent = nullptr);

    QComboBox* cmbPaper = nullptr;
    std::array<QCheckBox*, 10> chkValue{};
    QSpinBox* spnCopies = nullptr;
    QComboBox* cmbPrinter = nullptr; // the queue as each item's data
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdSave = nullptr;
    QLabel* lblStatus = nullptr;

    // The buttons' work after the file question, also for tests; true when done.
    bool saveAsPdf(const QString& path);
    bool print();
    // The print jobs the last print sent, as CUPS names them ("zavolin-pdf-12").
    const QStringList& sentJobs() const { return m_sentJobs; }

private:
    QList<qint16> chosenValues() const;
    StandardPaper chosenPaper() const;
    void updateButtons();
    bool run(const std::function<QString()>& job);
    void chooseSavePath();

    QStringList m_sentJobs;
};

} // namespace zavolin
