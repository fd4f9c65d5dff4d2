#include "CommandLine.h"
#include "SystemShutdown.h"
#include "frmZavolin.h"
#include "platform/base/MemoryReuse.h"
#include "plugins/ShippedPictures.h"

#include <QApplication>

// The main window is the start-up object: its load handler runs the start-up sequence and
// shows it; from then on everything happens in its event handlers.
int main(int argc, char* argv[]) {
    zavolin::keepFreedMemoryForReuse();
    // Help, the version and wrong arguments are answered on the terminal before any window is
    // made, so they need no display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const zavolin::CommandLine line = zavolin::parseCommandLine(arguments);
        line.action != zavolin::CommandLine::Action::OpenWindow) {
        const QCoreApplication terminal(argc, argv);
        return zavolin::answerCommandLine(line);
    }
    QApplication app(argc, argv);
    zavolin::trustShippedPictures();
    zavolin::frmZavolin window;
    // A second instance ends at once, having shown and stored nothing; a window closed while
    // it started has ended the program already.
    if (!window.Form_Load() || !window.isVisible())
        return 0;
    // From now on the window holds what the user would lose: ending by the system closes it.
    const zavolin::SystemShutdown systemEnd(window);
    return app.exec();
}
