#include "CupsDestination.h"

#include "platform/base/RuntimeError.h"
#include "platform/print/PrinterProblems.h"

namespace zavolin {
namespace {

// How long the scheduler may take to connect and to answer any one request.
constexpr int ConnectLimitMs = 30000;
constexpr double AnswerLimitSeconds = 60.0;

} // namespace

CupsDestination::CupsDestination(const QString& queue)
    : m_queue(queue) {
    // cupsServer() is the scheduler the user's client.conf or CUPS_SERVER names, as for lp.
    m_http = libcups().httpConnect2(libcups().cupsServer(), libcups().ippPort(), nullptr, AF_UNSPEC,
                                    libcups().cupsEncryption(), 1, ConnectLimitMs, nullptr);
    if (!m_http)
        raise(ErrNo::PrinterError,
              schedulerUnreachableText(queue, QString::fromUtf8(libcups().cupsServer()),
                                       lastError()));
    libcups().httpSetTimeout(m_http, AnswerLimitSeconds, nullptr, nullptr);
    m_dest = libcups().cupsGetNamedDest(m_http, queue.toUtf8().constData(), nullptr);
    if (!m_dest) {
        const bool unknown = libcups().cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND;
        const QString reason = lastError();
        libcups().httpClose(m_http);
        if (unknown)
            raise(ErrNo::PrinterError, printerMissingText(queue));
        raise(ErrNo::PrinterError,
              QStringLiteral("Printer error: the print scheduler did not describe the printer "
                             "\"%1\" (%2).")
                  .arg(queue, reason));
    }
}

CupsDestination::~CupsDestination() {
    libcups().cupsFreeDestInfo(m_info);
    libcups().cupsFreeDests(1, m_dest);
    libcups().httpClose(m_http);
}

cups_dinfo_t* CupsDestination::info() {
    if (!m_info) {
        m_info = libcups().cupsCopyDestInfo(m_http, m_dest);
        if (!m_info)
            raise(ErrNo::PrinterError,
                  QStringLiteral("Printer error: the print scheduler did not say what the "
                                 "printer \"%1\" supports (%2).")
                      .arg(m_queue, lastError()));
    }
    return m_info;
}

QString CupsDestination::lastError() {
    const char* text = libcups().cupsLastErrorString();
    return text && *text ? QString::fromUtf8(text) : QStringLiteral("no reason given");
}

} // namespace zavolin
