#include "ErrorReporter.h"

// Placeholder until the error window lands: every failure leaves its procedure.
namespace zavolin {
namespace {
class CancelReporter : public ErrorReporter {
public:
    qint16 OnError(const QString&, const QString&) override { return Cancel; }
};
} // namespace
ErrorReporter& ErrorReporter::real() {
    static CancelReporter reporter;
    return reporter;
}
} // namespace zavolin
