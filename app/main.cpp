#include "frmZavolin.h"

#include <QApplication>

// The main window is the start-up object: its load handler runs the start-up sequence and
// shows it; from then on everything happens in its event handlers.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    zavolin::frmZavolin window;
    window.Form_Load();
    return app.exec();
}
