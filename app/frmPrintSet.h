#pragma once

#include "platform/print/PrinterPaper.h"
#include "serials/SerialRegister.h"
#include "sheet/SetCounts.h"
#include "sheet/SetSerials.h"
#include "sheet/WholeSet.h"

#include <QDialog>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QWidget;

namespace zavolin {

struct SetDialogChoices;

// The window's picture-set list as the set dialog offers it: the entries' names (listed anew,
// own sets included, each time they are asked for), the one chosen, and choosing one, which
// loads its pictures into the clip the set is drawn from.
struct PictureSetChoice {
    std::function<QStringList()> names;
    std::function<int()> chosen;
    std::function<void(int index)> choose;
};

// The whole-set dialog: every chosen value front and back (one sheet of each, or as many as
// the notes counted for it need), some copies, on the printer and paper of choice, printed on
// both sides by the printer or turned over by hand, each back behind its front; the calibration
// sheet that measures where the backs land, and the back offset that corrects it, kept for each
// printer. The choices are kept for the next time. Drawing shows its progress and can be
// cancelled; a cancelled job sends nothing.
class frmPrintSet : public QDialog {
    Q_OBJECT

public:
    // The pages are drawn from the window's sizes, print offsets and picture set, which must
    // outlive the dialog.
    // With sets, the dialog also offers the window's picture sets, listed again after the own
    // pictures' dialog has changed them.
    frmPrintSet(const SetContent& content, QWidget* parent = nullptr, PictureSetChoice sets = {});
    ~frmPrintSet() override;

    // The values in the set's order ("1" to "1000", then the coins), checked to be printed.
    std::array<QCheckBox*, 11> chkValue{};
    // The picture set the notes are drawn with; only there when the dialog was given sets.
    QComboBox* cmbPictureSet = nullptr;
    // Counting: the notes each child gets and the notes wanted of each value, and what the
    // value's pages hold.
    QCheckBox* chkCounting = nullptr;
    std::array<QSpinBox*, 11> spnEach{};
    std::array<QSpinBox*, 11> spnCount{};
    std::array<QLabel*, 11> lblGot{};
    QSpinBox* spnChildren = nullptr;
    QPushButton* cmdFill = nullptr;
    QComboBox* cmbPrinter = nullptr;
    QComboBox* cmbPaper = nullptr;
    QCheckBox* chkColumns = nullptr;
    QCheckBox* chkSerials = nullptr;
    QLineEdit* txtSerialPrefix = nullptr;
    QPushButton* cmdCheckSerial = nullptr;
    QPushButton* cmdExportRegister = nullptr;
    QSpinBox* spnCopies = nullptr;
    QComboBox* cmbSides = nullptr;
    QDoubleSpinBox* spnBackX = nullptr;
    QDoubleSpinBox* spnBackY = nullptr;
    QLabel* lblPrinter = nullptr;
    // The sheets of paper the chosen values and copies take, and what each holds.
    QLabel* lblPaper = nullptr;
    QLabel* lblStatus = nullptr;
    QProgressBar* prgDrawing = nullptr;
    QPushButton* cmdCalibration = nullptr;
    QPushButton* cmdOwnSets = nullptr;
    QPushButton* cmdSavePdf = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdClose = nullptr;

    // Whether the own pictures' dialog made, renamed or removed a set.
    bool ownSetsChanged() const { return m_ownSetsChanged; }

    // The printer queue the dialog prints on; empty when there is none.
    const QString& queue() const { return m_queue; }
    // The jobs the last print sent, in order ("zavolin-pdf-12", ...).
    const QStringList& sentJobs() const { return m_sentJobs; }
    QList<qint16> chosenValues() const;
    SetSides chosenSides() const;
    StandardPaper chosenPaper() const;
    // The sheets of each chosen value on the chosen printer and paper.
    CountedSet countedSet() const;
    BackOffset backOffset() const;

    // The buttons' work, also for tests. Each says what went wrong in a message box and in the
    // status line; true when everything was sent or written.
    bool printSet();
    bool printCalibration();
    bool saveAsPdf(const QString& path);

protected:
    void reject() override;

private:
    void buildValues(QWidget* parent);
    void listPictureSets();
    void listPrinters(const QString& stored);
    void choosePrinter();
    void listPapers();
    void listSides(std::optional<SetSides> wanted);
    void applyChoices(const SetDialogChoices& choices);
    void keepChoices();
    void fillFromChildren();
    void loadBackOffset();
    void storeBackOffset();
    void chooseSavePath();
    // Issues serials for the notes through `number`, which numbers the pages; false, said in the
    // status line and a message box, for a prefix that cannot be used or a register that cannot
    // be written.
    bool numberNotes(const std::function<QStringList(const SerialIssuer&)>& number,
                     QStringList& serials);
    NotesOnPage notesOnPage(const PrinterPaper& paper) const;
    void saySerials(bool done, const QStringList& serials);
    void askForSerial();
    static QString serialVerdictText(const SerialVerdict& verdict, const QString& text);
    void askForRegisterPath();
    void updateButtons();
    void measureSheets();
    void updatePaper();
    // Sends the documents to the printer, asking between them for the stack to be turned;
    // false when cancelled or failed.
    bool printDocuments(const QList<SetDocument>& documents, int copies);
    // Runs a drawing job with the progress bar and the Cancel button; false when cancelled or
    // failed, which the status line and a message box say.
    bool draw(const std::function<void(const SetProgress&)>& job);
    void setDrawing(bool drawing);
    void fail(const QString& message);

    SetContent m_content;
    PictureSetChoice m_sets;
    // The main window's columns, for when the dialog has no choice of its own.
    ColumnLayout m_windowColumns;
    QString m_queue;
    // Said beside the printer: a printer chosen last time that is gone.
    QString m_printerNote;
    std::optional<StandardPaper> m_storedPaper;
    // The way of printing backs the user chose, kept across printers; none for each printer's
    // first.
    std::optional<SetSides> m_wantedSides;
    QStringList m_sentJobs;
    bool m_twoSided = false;
    bool m_drawing = false;
    bool m_cancelled = false;
    bool m_ownSetsChanged = false;
    QWidget* m_inputs = nullptr;
    // The notes or strips on the page of each value (by Denom), on the printer or the file's
    // paper; empty when they could not be measured.
    QHash<qint16, qint32> m_itemsOnSheet;
};

} // namespace zavolin
