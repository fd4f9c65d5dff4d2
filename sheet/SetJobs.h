#pragma once

#include "WholeSet.h"
#include "platform/print/PrinterPaper.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace zavolin {

// Sends a set's documents (footnotes given) to the CUPS queue, on the paper given or its own, one
// after the other, each as one job of `copies` collated copies on the sides it asks for, and
// appends each job's id to `sent` as it goes. Before anything is drawn the queue must take jobs;
// before each document after the first (the backs to be turned by hand) `beforeNext` runs, and may
// raise to stop. Raises RuntimeError for a refusal and PrintCancelled when the progress says stop;
// the document being drawn then goes nowhere.
void printSetJobs(const QString& queue, std::optional<StandardPaper> paper,
                  const QList<SetDocument>& documents, const SetContent& content, int copies,
                  const SetProgress& progress, const std::function<void()>& beforeNext,
                  QStringList& sent);

} // namespace zavolin
