#pragma once

#include "platform/print/PrinterPaper.h"
#include "sheet/ColumnLayout.h"
#include "sheet/SetCounts.h"
#include "sheet/WholeSet.h"

#include <QList>
#include <QString>
#include <optional>

namespace zavolin {

// What the whole-set dialog keeps for the next time it opens.
struct SetDialogChoices {
    QList<qint16> values = allSetValues(); // checked
    bool counting = false;                 // notes counted by value, not one sheet of each
    ValueCounts counts;                    // notes wanted
    qint32 children = 30;
    ValueCounts each = defaultEach();    // notes each child gets
    std::optional<SetSides> sides;       // none: the printer's first way
    QString printer;                     // empty: the system's default
    std::optional<StandardPaper> paper;  // none: the queue's own
    std::optional<ColumnLayout> columns; // none: the main window's
    bool serials = false;                // a serial on every note
    QString serialPrefix;

    // Ten notes of every value and one coin strip for each child.
    static ValueCounts defaultEach();
};

// The choices as stored; a text that cannot be read counts as not stored.
SetDialogChoices loadSetDialogChoices();
// Stores them at once; raises PathFileAccessError when they cannot be stored.
void storeSetDialogChoices(const SetDialogChoices& choices);

} // namespace zavolin
