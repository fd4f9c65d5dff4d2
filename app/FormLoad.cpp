// The start-up sequence of the main window.
#include "ClassRegistryFallback.h"
#include "MainWindowCaptions.h"
#include "MainWindowLayout.h"
#include "OwnSetEntries.h"
#include "PreviewBox.h"
#include "ScreenFit.h"
#include "StartupStep.h"
#include "StoredSettingsCheck.h"
#include "errors/Trap.h"
#include "frmZavolin.h"
#include "lang/Allgemein.h"
#include "lang/LangState.h"
#include "lang/ModResFiles.h"
#include "lang/frmInfo.h"
#include "platform/base/ProgramInfo.h"
#include "platform/compat/Conversions.h"
#include "platform/component/PluginHost.h"
#include "platform/desktop/PreviousInstance.h"
#include "platform/print/DefaultPrinter.h"
#include "platform/print/Printer.h"
#include "platform/settings/SettingsStore.h"
#include "plugins/AddPicture.h"
#include "sheet/ScaleFactor.h"
#include "sheet/SizeNotes.h"
#include "ui_frmZavolin.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWindow>

namespace zavolin {

bool frmZavolin::Form_Load() {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("Form_Load"));
    bool anotherInstance = false;
    StoredSettingsCheck stored;
    // The defined size where the screen has room for it; on a small or scaled screen less,
    // with every toolbar button on the screen.
    const auto fitScreen = [this] { fitToScreen(*this, toolbarReach(*m_ui)); };
    trap.run([&] {
        // A lock that cannot be checked is reported; going on then runs this instance.
        trap.at(20, [&] { anotherInstance = PreviousInstance::current().running(); });
        if (anotherInstance)
            return;
        trap.at(90, [&] { LangBase = textToInt16(readSetting(Settings::Sprache)); });
        startupStep(this, [&] { LangBase = stored.language(LangBase); });
        trap.at(120, [&] {
            // Without a private temporary directory there is no language table rather than
            // one in the working folder, where another user's copy could be read.
            const QString dir = GetTempDir();
            LangFile = dir.isEmpty() ? QString() : dir + QLatin1String(LangFileName);
        });
        trap.at(130, [&] {
            if (!LangFile.isEmpty())
                SaveResItemToDisk(1000, QStringLiteral("CUSTOM"), LangFile);
        });
        trap.at(150, [&] { setWindowTitle(titleWithVersion(programInfo())); });
        trap.at(160, [&] { Sprache(*m_ui, [this] { cmbSide_Click(); }); });
        // Said once the captions, and so the window's texts, have their language.
        startupStep(this, [&] { reportUnreadableSettings(this); });
        trap.at(170, [&] {
            m_info = std::make_unique<frmInfo>(this);
            m_info->exec();
        });
        trap.at(180, [&] { SizeNotes(SizeTable); });
        trap.at(190, [&] { Denom = 1; });
        startupStep(this, [&] { useWritableClassRegistry(this, GetTempDir()); });
        // The listing's hosts stay up while the chosen set is created (labels 210 and 220),
        // so that creating it does not start its host and load its library again, and end
        // once the window is up, not while it is being drawn.
        const HostKeepAlive listedHosts;
        trap.at(200, [&] {
            AddPicture(AppPath, lstFiles, cmbAuswahl);
            AddUserPicture(UserPath, lstUserFiles, lstFiles, cmbAuswahl);
        });
        // The user's own sets follow the plug-ins' in the list.
        startupStep(this, [&] { appendOwnSets(cmbAuswahl); });
        trap.at(210, [&] {
            // An empty list has no entry 0: InvalidPropertyValue.
            cmbAuswahl.setListIndex(0);
            cmbAuswahl_Click();
        });
        trap.at(220, [&] { CreateChosenPicture(lstFiles, lstUserFiles, cmbAuswahl, clpPics); });
        // The printer chosen in the print adjustment, before the printer is first needed.
        startupStep(this, [&] {
            PrinterQueue = readSetting(Settings::Printer);
            chooseProgramPrinter(stored.printer(PrinterQueue));
        });
        trap.at(230, [&] {
            ScaleFactor(Printer::current(), SizeTable, Denom, Side, Geometry,
                        [this] { Bild().clear(); });
        });
        trap.at(240, [&] { Offsets.LeftMargin = textToInt16(readSetting(Settings::LeftMargin)); });
        trap.at(250, [&] { Offsets.TopMargin = textToInt16(readSetting(Settings::TopMargin)); });
        startupStep(this, [&] {
            Offsets.LeftMargin = stored.offset(Settings::LeftMargin, Offsets.LeftMargin);
            Offsets.TopMargin = stored.offset(Settings::TopMargin, Offsets.TopMargin);
            stored.report(this);
        });
        // Unreadable, it is the one column; the first layout at show works the page out for it.
        startupStep(this, [&] { Columns = columnLayoutFromText(readSetting(Settings::Columns)); });
        trap.at(260, [&] { m_info.reset(); });
        trap.at(270, [&] {
            fitScreen();
            show();
        });
        trap.at(280, [&] { QCoreApplication::processEvents(); });
    });
    if (anotherInstance)
        return false;
    // Left through the error window: the start-up window is shown all the same.
    m_info.reset();
    if (!isVisible()) {
        fitScreen();
        show();
    }
    // Once shown, the frame the window system put around the window is known.
    fitScreen();
    // On a screen of another pixel density the preview is drawn anew at that density.
    if (QWindow* handle = windowHandle())
        connect(handle, &QWindow::screenChanged, this,
                [this, ratio = devicePixelRatioF()]() mutable {
                    if (devicePixelRatioF() == ratio)
                        return;
                    ratio = devicePixelRatioF();
                    Form_Resize();
                });
    return true;
}

} // namespace zavolin
