// Closing the main window: the plug-ins are given back, the print offsets saved, the program
// ends.
#include "errors/Trap.h"
#include "frmZavolin.h"
#include "platform/settings/SettingsStore.h"
#include "plugins/UnregisterPlugins.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QThread>

namespace zavolin {

void frmZavolin::closeEvent(QCloseEvent* event) {
    // The window unloads once; neither handler ever cancels.
    if (!m_unloaded) {
        m_unloaded = true;
        qint16 Cancel = 0;
        Form_QueryUnload(Cancel, 0);
        Form_Unload(Cancel);
    }
    event->accept();
}

void frmZavolin::Form_QueryUnload(qint16& /*Cancel*/, qint16 /*UnloadMode*/) {
    // Every library of the list, accepted as a plug-in or not, in list order.
    UnregisterPlugins(AppPath, lstFiles);
    UnregisterUserPlugins(UserPath, lstUserFiles, lstFiles);
}

void frmZavolin::Form_Unload(qint16& /*Cancel*/) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("Form_Unload"));
    trap.run([&] {
        trap.at(20,
                [&] { writeSetting(Settings::LeftMargin, QString::number(Offsets.LeftMargin)); });
        trap.at(30, [&] { writeSetting(Settings::TopMargin, QString::number(Offsets.TopMargin)); });
        // The settings are stored already; the program's event loop ends and so does the
        // program. Without a running loop there is nothing to end, and Qt would make every
        // later loop (a modal window's too) return at once: main() sees the hidden window.
        trap.at(70, [&] {
            if (QThread::currentThread()->loopLevel() > 0)
                QCoreApplication::exit(0);
        });
    });
}

} // namespace zavolin
