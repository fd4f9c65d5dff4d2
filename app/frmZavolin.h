#pragma once

#include "ComboPluginList.h"
#include "platform/files/FileList.h"
#include "platform/pictures/PictureClip.h"
#include "sheet/PageEngine.h"
#include "sheet/PageGeometry.h"
#include "sheet/ScaleFactor.h"
#include "sheet/SheetContext.h"
#include "sheet/SizeTable.h"

#include <QMainWindow>
#include <QString>
#include <memory>

class QRadioButton;

namespace Ui {
class frmZavolin;
}

namespace zavolin {

class JobNotice;
struct PictureSetChoice;
class PreviewBox;
class Trap;
class frmInfo;

// The main window, the program's start-up object: it owns the state that the selection
// controls, the toolbar and the painters share, and its handlers bear the names of the
// controls and events they serve.
class frmZavolin : public QMainWindow {
    Q_OBJECT

public:
    explicit frmZavolin(QWidget* parent = nullptr);
    ~frmZavolin() override;

    // The window's controls, for the procedures that work on them directly.
    Ui::frmZavolin& ui() const { return *m_ui; }
    // The preview box: the painters' target on screen.
    PreviewBox& Bild() const;

    // The load handler: runs the start-up sequence and shows the window. False when another
    // instance already runs: then nothing was shown or stored and this instance must end.
    bool Form_Load();

    // Selection controls.
    void optIndex_Click(qint16 Index);
    void cmbAuswahl_Click();
    void cmbSide_Click();
    void txtCopy_Change();
    void txtCopy_GotFocus();

    // Toolbar and help menu.
    void PicBut_click(qint16 Index);
    void mnuHomepage_Click();
    void mnuEMail_Click();
    void mnuUeber_Click();

    // Shutdown, run in this order when the window closes.
    void Form_QueryUnload(qint16& Cancel, qint16 UnloadMode);
    void Form_Unload(qint16& Cancel);

    // The denomination button of that index; raises SubscriptOutOfRange outside 0..10.
    QRadioButton* optIndex(qint16 Index) const;

    // The page the selection controls choose, and what it is drawn from: the sizes, the page
    // geometry and the print offsets as they are now, and the picture set.
    PageRequest page() const { return {Denom, Side}; }
    PageContent content() const { return {{SizeTable, Geometry, Offsets}, clpPics}; }
    // What besides the size the page geometry is worked out for: the columns and the offset
    // down.
    PageFit pageFit() const { return {Columns, Offsets.TopMargin}; }

    // The window's state (all zero until the start-up sets it).
    qint16 Denom = 0;
    qint16 Side = 0;
    float PreviewScale = 0;
    zavolin::SizeTable SizeTable;
    PageGeometry Geometry;
    // LeftMargin and TopMargin, the print offsets; the print adjustment dialog changes them.
    PrintOffsets Offsets;
    // The banknotes' column layout; the print adjustment dialog changes and stores it.
    ColumnLayout Columns = ColumnLayout::One;
    // The queue the print button prints on as stored, empty for the system's default; the
    // print adjustment dialog changes and stores it.
    QString PrinterQueue;
    QString AppPath;
    FileList lstFiles;
    // The user's own plug-in folder and its libraries, listed after the program's.
    QString UserPath;
    FileList lstUserFiles;
    PictureClip clpPics;
    ComboPluginList cmbAuswahl;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Takes the keyboard when shown: the window opens after the about window has gone.
    void showEvent(QShowEvent* event) override;
    // Restoring a minimised window keeps its size, so no resize event comes: lay out again here.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    // Shortcuts for the commands, the order of Tab, the focus ring and the whole names of the
    // picture sets.
    void addKeyboardAccess();
    // Where the help menu opens: at the pointer after a click, at the button otherwise.
    QPoint helpMenuPlace() const;
    // Gives the keyboard back to this window after a dialog of its own has closed. A window
    // manager does that by itself, but not every desktop has one that does.
    void takeKeyboard();
    // The layout of the controls and the preview; runs on every resize, the first at show.
    void Form_Resize();
    // The print adjustment dialog, modal.
    void showPrintAdjustment();
    // Says where the print button's job went, from the printer's delivery, when it went to a
    // print queue.
    void sayWhereTheJobWent(const QString& delivery);
    // Lists the own picture sets anew after the plug-ins'; a chosen own set that is gone gives
    // way to the first set.
    void refreshOwnSets();
    // The picture-set list for the set dialog: this window's, so a choice there is one here.
    PictureSetChoice pictureSetChoice();

    // The preview repaint shared by the handlers: the current page at the preview's scale,
    // under the handler's trap with its labels.
    void repaintPreview(Trap& trap, const DrawLabels& labels);

    std::unique_ptr<Ui::frmZavolin> m_ui;
    std::unique_ptr<frmInfo> m_info;
    JobNotice* m_jobNotice = nullptr;
    bool m_unloaded = false;
};

} // namespace zavolin
