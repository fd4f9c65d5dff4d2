#pragma once

#include "WholeSet.h"

#include <QStringList>
#include <functional>

namespace zavolin {

// Serials for the notes of a set's pages.

// How many notes a page of a value holds.
using NotesOnPage = std::function<qint32(qint16 Denom)>;
// Issues serials for notes of these values, in this order; may raise.
using SerialIssuer = std::function<QStringList(const QList<qint16>& notes)>;

// Gives every banknote page its notes' serials: each front the next ones in order, each back
// those of its front (the n-th back of a value the n-th front's). Coin pages get none. Returns
// the serials in the order they were issued.
QStringList numberPages(QList<PageRequest>& pages, const NotesOnPage& notesOn,
                        const SerialIssuer& issue);
QStringList numberPages(QList<SetDocument>& documents, const NotesOnPage& notesOn,
                        const SerialIssuer& issue);

// Each document's pages `copies` times, one copy after the other: with serials every copy's notes
// differ, so a printer's own copies cannot be used.
QList<SetDocument> copiesWithin(QList<SetDocument> documents, int copies);

} // namespace zavolin
