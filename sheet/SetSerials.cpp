#include "SetSerials.h"

#include <QHash>

namespace zavolin {
namespace {

QStringList numberAll(const QList<PageRequest*>& pages, const NotesOnPage& notesOn,
                      const SerialIssuer& issue) {
    QList<qint16> notes;
    for (const PageRequest* page : pages)
        if (page->isBanknote() && page->Side == 0)
            for (qint32 i = notesOn(page->Denom); i > 0; --i)
                notes.append(page->Denom);
    if (notes.isEmpty())
        return {};
    const QStringList serials = issue(notes);
    qsizetype next = 0;
    QHash<qint16, QList<QStringList>> fronts; // each value's fronts' serials, in order
    QHash<qint16, qsizetype> backs;           // each value's backs numbered so far
    for (PageRequest* page : pages) {
        if (!page->isBanknote() || page->Side != 0)
            continue;
        const qint32 count = notesOn(page->Denom);
        page->serials = serials.mid(next, count);
        next += count;
        fronts[page->Denom].append(page->serials);
    }
    for (PageRequest* page : pages)
        if (page->isBanknote() && page->Side != 0)
            page->serials = fronts.value(page->Denom).value(backs[page->Denom]++);
    return serials;
}

} // namespace

QStringList numberPages(QList<PageRequest>& pages, const NotesOnPage& notesOn,
                        const SerialIssuer& issue) {
    QList<PageRequest*> all;
    for (PageRequest& page : pages)
        all.append(&page);
    return numberAll(all, notesOn, issue);
}

QStringList numberPages(QList<SetDocument>& documents, const NotesOnPage& notesOn,
                        const SerialIssuer& issue) {
    QList<PageRequest*> all;
    for (SetDocument& document : documents)
        for (PageRequest& page : document.pages)
            all.append(&page);
    return numberAll(all, notesOn, issue);
}

QList<SetDocument> copiesWithin(QList<SetDocument> documents, int copies) {
    for (SetDocument& document : documents) {
        const QList<PageRequest> one = document.pages;
        for (int copy = 1; copy < copies; ++copy)
            document.pages += one;
    }
    return documents;
}

} // namespace zavolin
