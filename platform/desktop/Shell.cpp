#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace zavolin {
namespace {

class DesktopShell : public Shell {
public:
    void open(const QString& target) override {
        QDesktopServices::openUrl(QUrl(target, QUrl::TolerantMode));
    }
};

} // namespace

Shell& Shell::real() {
    static DesktopShell shell;
    return shell;
}

} // namespace zavolin
