#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

namespace zavolin {

// The user's own picture sets: made from a picture of the grid (or the drawing template
// filled in), from scanned drawing pages or from a folder of single pictures, renamed, removed;
// and the drawing template saved and the drawing pages printed. Every change is stored at once;
// what goes wrong is said in a message box and in the status line, and leaves nothing half made.
class frmOwnSets : public QDialog {
    Q_OBJECT

public:
    explicit frmOwnSets(QWidget* parent = nullptr);

    QLabel* lblIntro = nullptr;
    QListWidget* lstSets = nullptr;
    QLabel* lblStatus = nullptr; // the names it shows are not split at their hyphens
    QPushButton* cmdFromPicture = nullptr;
    QPushButton* cmdFromFolder = nullptr;
    QPushButton* cmdRename = nullptr;
    QPushButton* cmdRemove = nullptr;
    QPushButton* cmdTemplate = nullptr;
    QPushButton* cmdDrawingPages = nullptr;

    // The buttons' work after their file and name questions, also for tests; true when done.
    // Warnings of the checks are asked about (Yes makes the set anyway).
    bool makeSet(const QString& source, const QString& name);
    bool renameSet(const QString& from, const QString& to);
    bool removeSet(const QString& name);
    bool saveTemplate(const QString& path);

    // Whether a set was made, renamed or removed: the picture-set list must follow.
    bool changed() const { return m_changed; }

private:
    void refresh(const QString& select = {});
    void updateButtons();
    QString chosenSet() const;
    void showStatus(const QString& text);
    void fail(const QString& message);
    void askForPicture();
    void askForFolder();
    void askForName(const QString& source);
    void askForRename();
    void askForTemplatePath();

    bool m_changed = false;
};

} // namespace zavolin
