#include "CupsQueue.h"

#include "platform/base/RuntimeError.h"
#include "platform/print/CupsDestination.h"
#include "platform/print/PrinterProblems.h"

#include <QStringList>
#include <iterator>
#include <memory>

namespace zavolin {
namespace {

struct IppDeleter {
    void operator()(ipp_t* ipp) const { libcups().ippDelete(ipp); }
};
using IppMessage = std::unique_ptr<ipp_t, IppDeleter>;

QString ippText(ipp_t* response, const char* name) {
    ipp_attribute_t* attribute = libcups().ippFindAttribute(response, name, IPP_TAG_ZERO);
    const char* text = attribute ? libcups().ippGetString(attribute, 0, nullptr) : nullptr;
    return text ? QString::fromUtf8(text).trimmed() : QString();
}

// The state message, else the state reasons that say something ("none" does not).
QString stateReason(ipp_t* response) {
    const QString message = ippText(response, "printer-state-message");
    if (!message.isEmpty())
        return message;
    QStringList reasons;
    ipp_attribute_t* attribute =
        libcups().ippFindAttribute(response, "printer-state-reasons", IPP_TAG_ZERO);
    for (int i = 0; attribute && i < libcups().ippGetCount(attribute); ++i) {
        const QString reason = QString::fromUtf8(libcups().ippGetString(attribute, i, nullptr));
        if (!reason.isEmpty() && reason != QLatin1String("none"))
            reasons << reason;
    }
    return reasons.join(QStringLiteral(", "));
}

} // namespace

CupsQueueStatus cupsQueueStatus(const QString& queue) {
    CupsDestination destination(queue);
    CupsQueueStatus status;
    status.twoSided =
        libcups().cupsCheckDestSupported(destination.http(), destination.dest(), destination.info(),
                                         CUPS_SIDES, CUPS_SIDES_TWO_SIDED_PORTRAIT) != 0;

    // Asked now rather than read from the description above: that lacks the state message,
    // which says why a queue was stopped or set to refuse jobs.
    const char* uri = libcups().cupsGetOption(
        "printer-uri-supported", destination.dest()->num_options, destination.dest()->options);
    char built[HTTP_MAX_URI];
    if (!uri) {
        libcups().httpAssembleURIf(HTTP_URI_CODING_ALL, built, sizeof built, "ipp", nullptr,
                                   "localhost", libcups().ippPort(), "/printers/%s",
                                   destination.dest()->name);
        uri = built;
    }
    ipp_t* request = libcups().ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    libcups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    libcups().ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name",
                           nullptr, libcups().cupsUser());
    static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state",
                                         "printer-state-message", "printer-state-reasons"};
    libcups().ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                            int(std::size(wanted)), nullptr, wanted);
    // cupsDoRequest takes the request and frees it.
    const IppMessage response(libcups().cupsDoRequest(destination.http(), request, "/"));
    if (!response || !ippSucceeded(libcups().cupsLastError()))
        raise(ErrNo::PrinterError,
              QStringLiteral("Printer error: the print scheduler did not say whether the "
                             "printer \"%1\" takes jobs (%2).")
                  .arg(queue, CupsDestination::lastError()));

    if (ipp_attribute_t* accepting = libcups().ippFindAttribute(
            response.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        status.accepting = libcups().ippGetBoolean(accepting, 0) != 0;
    if (ipp_attribute_t* state =
            libcups().ippFindAttribute(response.get(), "printer-state", IPP_TAG_ENUM))
        status.paused = libcups().ippGetInteger(state, 0) == IPP_PSTATE_STOPPED;
    status.reason = stateReason(response.get());
    return status;
}

QStringList cupsQueueNames() {
    cups_dest_t* dests = nullptr;
    const int count = libcups().cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    QStringList names;
    QString first;
    for (int i = 0; i < count; ++i) {
        // Instances (queue/instance) are option sets of the same queue: the queue is listed once.
        if (dests[i].instance)
            continue;
        const QString name = QString::fromUtf8(dests[i].name);
        if (dests[i].is_default)
            first = name;
        names << name;
    }
    libcups().cupsFreeDests(count, dests);
    for (const char* variable : {"LPDEST", "PRINTER"}) {
        const QString named = qEnvironmentVariable(variable).trimmed();
        if (!named.isEmpty()) {
            if (names.contains(named))
                first = named;
            break;
        }
    }
    if (!first.isEmpty()) {
        names.removeAll(first);
        names.prepend(first);
    }
    return names;
}

QString cupsDefaultQueue() {
    cups_dest_t* dest = libcups().cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    const QString name = dest ? QString::fromUtf8(dest->name) : QString();
    libcups().cupsFreeDests(dest ? 1 : 0, dest);
    return name;
}

bool cupsQueueExists(const QString& queue) {
    cups_dest_t* dest =
        libcups().cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.toUtf8().constData(), nullptr);
    libcups().cupsFreeDests(dest ? 1 : 0, dest);
    return dest != nullptr;
}

QList<StandardPaper> cupsQueuePapers(const QString& queue) {
    // The media names IPP gives these papers (PWG 5101.1).
    static const std::pair<StandardPaper, const char*> media[] = {
        {StandardPaper::A4, "iso_a4_210x297mm"},
        {StandardPaper::Letter, "na_letter_8.5x11in"},
        {StandardPaper::A5, "iso_a5_148x210mm"},
        {StandardPaper::Legal, "na_legal_8.5x14in"}};
    CupsDestination destination(queue);
    QList<StandardPaper> papers;
    for (const auto& [paper, name] : media)
        if (libcups().cupsCheckDestSupported(destination.http(), destination.dest(),
                                             destination.info(), CUPS_MEDIA, name))
            papers << paper;
    if (papers.isEmpty())
        papers << StandardPaper::A4;
    return papers;
}

void requireQueueTakesJobs(const QString& queue) {
    const CupsQueueStatus status = cupsQueueStatus(queue);
    if (!status.accepting)
        raise(ErrNo::PrinterError, printerRejectingText(queue, status.reason));
    if (status.paused)
        raise(ErrNo::PrinterError, printerPausedText(queue, status.reason));
}

} // namespace zavolin
