#pragma once

#include "platform/print/CupsLibrary.h"

#include <QString>

namespace zavolin {

// Whether an IPP status means the request was done (the 0x00xx "successful" statuses).
inline bool ippSucceeded(ipp_status_t status) {
    return status < IPP_STATUS_REDIRECTION_OTHER_SITE;
}

// A CUPS queue as the scheduler knows it, reached over a connection of its own: a scheduler
// that stops answering fails the call after a minute instead of holding the program forever.
// Only for the platform's CUPS code; the rest of the program uses CupsQueue.h.
class CupsDestination {
public:
    // Raises PrinterError naming the queue when the scheduler does not answer or knows no
    // queue of that name.
    explicit CupsDestination(const QString& queue);
    ~CupsDestination();
    CupsDestination(const CupsDestination&) = delete;
    CupsDestination& operator=(const CupsDestination&) = delete;

    const QString& queue() const { return m_queue; }
    http_t* http() const { return m_http; }
    cups_dest_t* dest() const { return m_dest; }
    // What the queue supports, asked for on first use. Raises PrinterError.
    cups_dinfo_t* info();

    // The scheduler's last error on this thread, for a message.
    static QString lastError();

private:
    QString m_queue;
    http_t* m_http = nullptr;
    cups_dest_t* m_dest = nullptr;
    cups_dinfo_t* m_info = nullptr;
};

} // namespace zavolin
