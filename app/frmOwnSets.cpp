#include "frmOwnSets.h"

#include "FocusRing.h"
#include "frmDrawingPages.h"
#include "ownsets/OwnSetImport.h"
#include "ownsets/OwnSetStore.h"
#include "platform/base/RuntimeError.h"
#include "platform/desktop/MessageBoxes.h"
#include "sheet/NoteTemplate.h"
#include "sheet/SizeNotes.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace zavolin {
namespace {

SizeTable noteSizes() {
    SizeTable sizes;
    SizeNotes(sizes);
    return sizes;
}

// Qt breaks a line after a hyphen even within <nobr> or white-space: nowrap, which splits file
// names such as 1-front.png; a word joiner after each hyphen inside a word keeps them whole.
QString unbroken(QString text) {
    for (qsizetype at = text.size() - 2; at >= 1; --at)
        if (text[at] == QLatin1Char('-') && !text[at - 1].isSpace() && !text[at + 1].isSpace())
            text.insert(at + 1, QChar(0x2060));
    return text;
}

QString bulleted(const QStringList& lines) {
    return QStringLiteral("• ") + lines.join(QStringLiteral("\n• "));
}

// The busy cursor while the pictures are read, which takes a moment for large ones.
class Busy {
public:
    Busy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy() { QApplication::restoreOverrideCursor(); }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;
};

} // namespace

frmOwnSets::frmOwnSets(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmOwnSets"));
    setWindowTitle(tr("Own pictures"));
    new FocusRing(this);
    auto* layout = new QVBoxLayout(this);
    // The file names are the ones the folder's pictures must have, in every language.
    lblIntro = new QLabel(
        tr("Make a picture set of your own: print drawing pages, let the children draw on them "
           "and make a set from the scanned pages; or save the template, draw the notes in it "
           "with any drawing program, and make a set from the saved picture. A folder of "
           "pictures named %1, %2 … %3 makes a set too.")
            .arg(unbroken(QStringLiteral("1-front.png")), unbroken(QStringLiteral("1-back.png")),
                 unbroken(QStringLiteral("1000-back.png"))),
        this);
    lblIntro->setObjectName(QStringLiteral("lblIntro"));
    lblIntro->setTextFormat(Qt::PlainText);
    lblIntro->setWordWrap(true);
    layout->addWidget(lblIntro);

    auto* middle = new QHBoxLayout;
    lstSets = new QListWidget(this);
    lstSets->setObjectName(QStringLiteral("lstSets"));
    lstSets->setAccessibleName(windowTitle());
    middle->addWidget(lstSets, 1);
    auto* buttons = new QVBoxLayout;
    cmdDrawingPages = new QPushButton(tr("Print drawing pages…"), this);
    cmdTemplate = new QPushButton(tr("Save template…"), this);
    cmdFromPicture = new QPushButton(tr("Make from a picture…"), this);
    cmdFromFolder = new QPushButton(tr("Make from a folder…"), this);
    cmdRename = new QPushButton(tr("Rename…"), this);
    cmdRemove = new QPushButton(tr("Remove"), this);
    for (QPushButton* button :
         {cmdDrawingPages, cmdTemplate, cmdFromPicture, cmdFromFolder, cmdRename, cmdRemove})
        buttons->addWidget(button);
    buttons->addStretch();
    middle->addLayout(buttons);
    layout->addLayout(middle);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    // Set names and file names are shown as they are, never as markup.
    lblStatus->setTextFormat(Qt::PlainText);
    lblStatus->setWordWrap(true);
    layout->addWidget(lblStatus);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    auto* cmdClose = new QPushButton(tr("Close"), this);
    closing->addWidget(cmdClose);
    layout->addLayout(closing);

    connect(cmdDrawingPages, &QPushButton::clicked, this, [this] {
        frmDrawingPages pages(this);
        pages.exec();
    });
    connect(cmdTemplate, &QPushButton::clicked, this, [this] { askForTemplatePath(); });
    connect(cmdFromPicture, &QPushButton::clicked, this, [this] { askForPicture(); });
    connect(cmdFromFolder, &QPushButton::clicked, this, [this] { askForFolder(); });
    connect(cmdRename, &QPushButton::clicked, this, [this] { askForRename(); });
    connect(cmdRemove, &QPushButton::clicked, this, [this] {
        const QString name = chosenSet();
        if (!name.isEmpty() &&
            MessageBoxes::current().askYesNo(
                this, tr("Remove the picture set \"%1\"? Its pictures are deleted.").arg(name)))
            removeSet(name);
    });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(lstSets, &QListWidget::currentRowChanged, this, [this] { updateButtons(); });
    refresh();
}

void frmOwnSets::refresh(const QString& select) {
    lstSets->clear();
    lstSets->addItems(ownSetNames());
    const QList<QListWidgetItem*> found = lstSets->findItems(select, Qt::MatchExactly);
    if (!found.isEmpty())
        lstSets->setCurrentItem(found.first());
    updateButtons();
}

void frmOwnSets::updateButtons() {
    const bool chosen = !chosenSet().isEmpty();
    cmdRename->setEnabled(chosen);
    cmdRemove->setEnabled(chosen);
}

QString frmOwnSets::chosenSet() const {
    const QListWidgetItem* item = lstSets->currentItem();
    return item ? item->text() : QString();
}

void frmOwnSets::showStatus(const QString& text) {
    lblStatus->setText(unbroken(text));
}

void frmOwnSets::fail(const QString& message) {
    showStatus(message);
    MessageBoxes::current().inform(this, message);
}

bool frmOwnSets::makeSet(const QString& source, const QString& name) {
    if (const QString problem = ownSetNameProblem(name); !problem.isEmpty()) {
        fail(tr("The set was not made: %1.").arg(problem));
        return false;
    }
    showStatus(tr("Reading the pictures…"));
    PreparedSet set;
    {
        const Busy busy;
        QApplication::processEvents();
        set = prepareOwnSet(source, noteSizes());
    }
    if (set.stopped()) {
        fail(tr("The set was not made:") + QLatin1Char('\n') + bulleted(set.errors()));
        return false;
    }
    if (!set.warnings().isEmpty() &&
        !MessageBoxes::current().askYesNo(this, tr("The pictures can be used, but:") +
                                                    QLatin1Char('\n') + bulleted(set.warnings()) +
                                                    QStringLiteral("\n\n") +
                                                    tr("Make the set \"%1\" anyway?").arg(name))) {
        showStatus(tr("The set was not made."));
        return false;
    }
    try {
        storeOwnSet(name, set.grid, set.extension);
    } catch (const RuntimeError& e) {
        fail(tr("The set was not made: %1.").arg(e.description()));
        return false;
    }
    m_changed = true;
    refresh(name);
    QStringList said = set.notes;
    said << tr("Made the set \"%1\"; choose it in the main window's picture-set list.").arg(name);
    showStatus(said.join(QLatin1Char('\n')));
    return true;
}

bool frmOwnSets::renameSet(const QString& from, const QString& to) {
    try {
        renameOwnSet(from, to);
    } catch (const RuntimeError& e) {
        fail(tr("The set was not renamed: %1.").arg(e.description()));
        return false;
    }
    m_changed = true;
    refresh(to);
    showStatus(tr("Renamed \"%1\" to \"%2\".").arg(from, to));
    return true;
}

bool frmOwnSets::removeSet(const QString& name) {
    try {
        removeOwnSet(name);
    } catch (const RuntimeError& e) {
        fail(tr("The set was not removed: %1.").arg(e.description()));
        return false;
    }
    m_changed = true;
    refresh();
    showStatus(tr("Removed \"%1\".").arg(name));
    return true;
}

bool frmOwnSets::saveTemplate(const QString& path) {
    try {
        writeNoteTemplate(path, noteSizes(), noteTemplateTexts());
    } catch (const RuntimeError& e) {
        fail(tr("The template was not saved: %1.").arg(e.description()));
        return false;
    }
    showStatus(tr("Saved the template as %1.").arg(QDir::toNativeSeparators(path)));
    return true;
}

void frmOwnSets::askForPicture() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Make a set from a picture"),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
        tr("Pictures and scans (*.png *.jpg *.jpeg *.svg *.pdf *.tif *.tiff)"));
    if (!path.isEmpty())
        askForName(path);
}

void frmOwnSets::askForFolder() {
    const QString path = QFileDialog::getExistingDirectory(
        this, tr("Make a set from a folder of pictures"),
        QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    if (!path.isEmpty())
        askForName(path);
}

void frmOwnSets::askForName(const QString& source) {
    bool ok = false;
    const QString name =
        QInputDialog::getText(this, tr("Name of the set"), tr("Name of the new picture set:"),
                              QLineEdit::Normal, QFileInfo(source).completeBaseName(), &ok);
    if (ok)
        makeSet(source, name);
}

void frmOwnSets::askForRename() {
    const QString from = chosenSet();
    if (from.isEmpty())
        return;
    bool ok = false;
    const QString to = QInputDialog::getText(this, tr("Rename the set"), tr("New name:"),
                                             QLineEdit::Normal, from, &ok);
    if (ok && to != from)
        renameSet(from, to);
}

void frmOwnSets::askForTemplatePath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Save the drawing template"), QDir(folder).filePath(tr("Zavolin template.svg")),
        tr("SVG drawing (*.svg);;PNG picture, 300 dpi (*.png)"));
    if (!path.isEmpty())
        saveTemplate(path);
}

} // namespace zavolin
