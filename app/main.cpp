#include "SystemShutdown.h"
#include "frmZavolin.h"

#include <QApplication>

// The main window is the start-up object: its load handler runs the start-up sequence and
// shows it; from then on everything happens in its event handlers.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zavolin::frmZavolin window;
    // A second instance ends at once, having shown and stored nothing; a window closed while
    // it started has ended the program already.
    if (!window.Form_Load() || !window.isVisible())
        return 0;
    // From now on the window holds what the user would lose: ending by the system closes it.
    const zavolin::SystemShutdown systemEnd(window);
    return app.exec();
}
