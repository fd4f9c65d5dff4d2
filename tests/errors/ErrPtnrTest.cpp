#include "errors/ErrPtnr.h"

#include "ErrorFakes.h"
#include "errors/Trap.h"
#include "platform/base/CurrentError.h"
#include "platform/base/ProgramInfo.h"
#include "support/FakeMessageBoxes.h"
#include "support/FixedClock.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QUuid>
#include <functional>
#include <gtest/gtest.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

void setCurrentError(qint32 number, const QString& description, qint32 line) {
    currentError() = {number, description, line};
}

template <typename T>
T* control(const QWidget& window, const QString& name) {
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

// Acts on the error window each time it is shown: the next step runs while the modal loop
// waits. When the steps run out it cancels and counts the extra showing.
class WindowDriver : public QObject {
public:
    using Step = std::function<void(ErrPtnr&)>;

    WindowDriver(ErrPtnr& window, QList<Step> steps)
        : m_window(window)
        , m_steps(std::move(steps)) {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] { act(); });
        m_timer.start();
    }

    static Step press(int index) {
        return [index](ErrPtnr& w) {
            w.findChild<QPushButton*>(QStringLiteral("cmdContinue_%1").arg(index))->click();
        };
    }

    int extraShowings = 0;
    int shown = 0;

private:
    void act() {
        if (!m_window.isVisible())
            return;
        ++shown;
        if (m_steps.isEmpty()) {
            ++extraShowings;
            m_window.cmdContinue_Click(Cancel);
            return;
        }
        m_steps.takeFirst()(m_window);
    }

    ErrPtnr& m_window;
    QList<Step> m_steps;
    QTimer m_timer;
};

class ErrPtnrTest : public ::testing::Test {
protected:
    FixedClock clock;
    FixedOsVersion os;
    FakeMessageBoxes boxes;
    ScopedReplacement<Clock> c{clock};
    ScopedReplacement<OsVersionSource> o{os};
    ScopedReplacement<MessageBoxes> m{boxes};
    QString directory = freshDirectory(QStringLiteral("program"));
    ScopedProgramInfo program{programIn(directory)};
    ErrPtnr window;

    QString logText() const {
        QFile log(directory + QStringLiteral("/Zavolin.EPT"));
        return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll()) : QString();
    }
};

QString unique(const QString& stem) {
    return stem + QUuid::createUuid().toString(QUuid::Id128);
}

// A directory that cannot be created, even by root: its parent is a regular file.
QString unwritableDirectory() {
    const QString file = freshDirectory(QStringLiteral("blocked")) + QStringLiteral("/file");
    QFile f(file);
    f.open(QIODevice::WriteOnly);
    return file + QStringLiteral("/program");
}

} // namespace

TEST_F(ErrPtnrTest, FramesStackInTheirOrderAndTheWindowIsCentred) {
    window.move(3, 4);
    window.ArrangeErrorWindow();
    const QStringList frames{"framComment", "framFehler", "framProgInfo", "framProtocol",
                             "framContinue"};
    const QList<int> tops{0, 65, 178, 219, 276};
    const QList<int> heights{65, 113, 41, 57, 57};
    for (qsizetype i = 0; i < frames.size(); ++i) {
        const auto* frame = control<QGroupBox>(window, frames[i]);
        EXPECT_EQ(frame->geometry(), QRect(0, tops[i], 481, heights[i])) << frames[i].toStdString();
        EXPECT_FALSE(frame->isHidden());
    }
    EXPECT_EQ(window.size(), QSize(481, 333));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());

    const QRect screen = window.screen()->geometry();
    const QSize outer = window.frameGeometry().size();
    EXPECT_EQ(window.frameGeometry().topLeft(),
              QPoint(screen.x() + (screen.width() - outer.width()) / 2,
                     screen.y() + (screen.height() - outer.height()) / 2));

    for (int i = 0; i < 4; ++i) {
        const QRect expected(16 + 120 * i, 16, 89, 33);
        EXPECT_EQ(control<QPushButton>(window, QStringLiteral("cmdContinue_%1").arg(i))->geometry(),
                  expected);
        EXPECT_FALSE(
            control<QPushButton>(window, QStringLiteral("cmdContinue_%1").arg(i))->isHidden());
        const auto* protocol =
            control<QPushButton>(window, QStringLiteral("cmdProtocol_%1").arg(i));
        EXPECT_EQ(protocol->geometry(), expected);
        EXPECT_EQ(protocol->isHidden(), i == 3);
    }
    EXPECT_EQ(control<QLabel>(window, QStringLiteral("lblError_0"))->height(), 45);
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(control<QLabel>(window, QStringLiteral("lblError_%1").arg(i))->height(), 13);
}

TEST_F(ErrPtnrTest, CaptionsAreTheWindowsOwn) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Fehler / Error! "));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    const QList<std::pair<QString, QString>> frames{
        {"framComment", ""},
        {"framFehler", "Fehlerbeschreibung / error description:"},
        {"framProgInfo", "Programm-Info:"},
        {"framProtocol", "Fehlerprotokoll ... / error protocoll..."},
        {"framContinue", "Weiterer Programmablauf... / Continue..."}};
    for (const auto& [name, caption] : frames)
        EXPECT_EQ(control<QGroupBox>(window, name)->title(), caption);
    const QStringList titles{
        "Fehler-Nr / error :", "Modul:", "Prozedur / procedure:", "Zeile / Line:"};
    const QStringList continueCaptions{"Wieder&holen Retry", "&Ignorieren   Ignore",
                                       "&Abbrechen Cancel", "&Beenden       End"};
    const QStringList protocolCaptions{"&Drucken/Print", "&Speichern/Save", "&EMail"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(control<QLabel>(window, QStringLiteral("lblErrTitel_%1").arg(i))->text(),
                  titles[i]);
        EXPECT_EQ(control<QPushButton>(window, QStringLiteral("cmdContinue_%1").arg(i))->text(),
                  continueCaptions[i]);
    }
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(control<QPushButton>(window, QStringLiteral("cmdProtocol_%1").arg(i))->text(),
                  protocolCaptions[i]);
    EXPECT_EQ(
        control<QLabel>(window, QStringLiteral("lblComment"))->text(),
        QStringLiteral("There is a problem. Please contact the author if this problem appears "
                       "again.\nEs liegt ein Problem vor, mit dem Sie sich an den technischen "
                       "Support wenden sollten, falls es wiederholt auftritt."));
}

TEST_F(ErrPtnrTest, ShowsTheFailureAndReturnsThePressedButton) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    setCurrentError(429, QStringLiteral("Component <b>can't</b> create object"), 50080);
    QStringList seen;
    WindowDriver driver(
        window, {[&](ErrPtnr& w) {
            for (int i = 0; i < 4; ++i)
                seen << control<QLabel>(w, QStringLiteral("lblError_%1").arg(i))->text();
            seen << control<QLabel>(w, QStringLiteral("lblProgInfo"))->text();
            WindowDriver::press(1)(w);
        }});
    EXPECT_EQ(window.OnError(QStringLiteral("modRegDLL"), QStringLiteral("RegServe")), 1);
    EXPECT_EQ(seen, QStringList({"429 (Component <b>can't</b> create object)", "modRegDLL",
                                 "RegServe", "50080", "Zavolin  V2.22.272"}));
    EXPECT_EQ(control<QLabel>(window, QStringLiteral("lblError_0"))->textFormat(), Qt::PlainText);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(driver.extraShowings, 0);
}

TEST_F(ErrPtnrTest, EveryButtonAnswersItsIndexAndTheChoiceIsKept) {
    setCurrentError(0, QString(), 0);
    for (int index = 0; index < 4; ++index) {
        WindowDriver driver(window, {WindowDriver::press(index)});
        EXPECT_EQ(window.OnError(QStringLiteral("frmZavolin"), QStringLiteral("Form_Load")), index);
        EXPECT_EQ(control<QLabel>(window, QStringLiteral("lblError_0"))->text(),
                  QStringLiteral("0 ()"));
    }
    // Left without a button, the window answers the choice it kept.
    WindowDriver driver(window, {[](ErrPtnr& w) { w.hide(); }});
    EXPECT_EQ(window.OnError(QStringLiteral("frmZavolin"), QStringLiteral("Form_Load")), 3);
    EXPECT_EQ(window.choiceValue(), 3);
}

TEST_F(ErrPtnrTest, EscapeAndTheCloseBoxMeanCancel) {
    setCurrentError(5, QStringLiteral("Invalid procedure call"), 10);
    WindowDriver driver(window, {WindowDriver::press(0),
                                 [](ErrPtnr& w) {
                                     QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape,
                                                      Qt::NoModifier);
                                     QApplication::sendEvent(&w, &escape);
                                 },
                                 WindowDriver::press(1), [](ErrPtnr& w) { w.close(); }});
    EXPECT_EQ(window.OnError(QStringLiteral("frmPrint"), QStringLiteral("Form_Load")), Retry);
    EXPECT_EQ(window.OnError(QStringLiteral("frmPrint"), QStringLiteral("Form_Load")), Cancel);
    EXPECT_EQ(window.OnError(QStringLiteral("frmPrint"), QStringLiteral("Form_Load")), Ignore);
    EXPECT_EQ(window.OnError(QStringLiteral("frmPrint"), QStringLiteral("Form_Load")), Cancel);
    EXPECT_EQ(driver.extraShowings, 0);
}

TEST_F(ErrPtnrTest, SecondShowingIsRecentredAndKeepsTheProgramInfo) {
    window.SetProgInfo(QString());
    setCurrentError(6, QStringLiteral("Overflow"), 20);
    WindowDriver first(window, {WindowDriver::press(2)});
    window.OnError(QStringLiteral("frmZavolin"), QStringLiteral("SizeNotes"));

    ScopedProgramInfo other(programIn(directory, QStringLiteral("Renamed")));
    window.move(1, 1);
    setCurrentError(9, QStringLiteral("Subscript out of range"), 30);
    QPoint shownAt;
    WindowDriver second(window, {[&](ErrPtnr& w) {
                            shownAt = w.frameGeometry().topLeft();
                            WindowDriver::press(2)(w);
                        }});
    window.OnError(QStringLiteral("frmZavolin"), QStringLiteral("PaintNotes"));
    EXPECT_EQ(control<QLabel>(window, QStringLiteral("lblProgInfo"))->text(),
              QStringLiteral("Zavolin  V2.22.272"));
    EXPECT_EQ(control<QLabel>(window, QStringLiteral("lblError_2"))->text(),
              QStringLiteral("PaintNotes"));
    EXPECT_NE(shownAt, QPoint(1, 1));
}

TEST_F(ErrPtnrTest, SetProgInfoIsNotOverwritten) {
    window.SetProgInfo(QStringLiteral("Zavolin Test Build"));
    setCurrentError(6, QStringLiteral("Overflow"), 20);
    WindowDriver driver(window, {WindowDriver::press(1)});
    window.OnError(QStringLiteral("frmZavolin"), QStringLiteral("SizeNotes"));
    EXPECT_EQ(control<QLabel>(window, QStringLiteral("lblProgInfo"))->text(),
              QStringLiteral("Zavolin Test Build"));
}

TEST_F(ErrPtnrTest, EveryShowingAppendsOneProtocolToTheLog) {
    QString expected;
    for (int i = 0; i < 2; ++i) {
        setCurrentError(13, QStringLiteral("Type mismatch"), 40 + i);
        WindowDriver driver(window, {WindowDriver::press(1)});
        window.OnError(QStringLiteral("Allgemein"), QStringLiteral("GetLang"));
        QString protocol;
        window.BuildProtocol(protocol);
        expected += protocol + QStringLiteral("\r\n");
    }
    EXPECT_EQ(logText(), expected);
    EXPECT_TRUE(logText().contains(QStringLiteral("Zeile / Line:\t41\r\n")));
}

TEST_F(ErrPtnrTest, ProtocolShowsWhatTheWindowShows) {
    setCurrentError(429, QStringLiteral("Can't create object"), 50080);
    WindowDriver driver(window, {WindowDriver::press(1)});
    window.OnError(QStringLiteral("modRegDLL"), QStringLiteral("RegServe"));
    QString protocol;
    window.BuildProtocol(protocol);
    const QStringList lines = protocol.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 19);
    const QString ind(10, QLatin1Char(' '));
    EXPECT_EQ(lines[3], QStringLiteral("PROGRAMM-INFO:"));
    EXPECT_EQ(lines[4], ind + QStringLiteral("Zavolin  V2.22.272"));
    EXPECT_EQ(lines[6], QStringLiteral("FEHLERBESCHREIBUNG / ERROR DESCRIPTION:"));
    EXPECT_EQ(lines[7], ind + QStringLiteral("Fehler-Nr / error :\t429 (Can't create object)"));
    EXPECT_EQ(lines[8], ind + QStringLiteral("Modul:\tmodRegDLL"));
    EXPECT_EQ(lines[10], ind + QStringLiteral("Zeile / Line:\t50080"));
    EXPECT_EQ(lines[16], ind + QStringLiteral("Build:\t2600   Service Pack 2"));
    EXPECT_EQ(ErrPtnr::LPSTRToVBString(QByteArray("SP1\0", 4)), QStringLiteral("SP1"));
}

TEST_F(ErrPtnrTest, LogGoesToTheUsersDataWhenTheProgramDirectoryIsUnwritable) {
    const QString exe = unique(QStringLiteral("Zavolin"));
    ScopedProgramInfo blocked(programIn(unwritableDirectory(), exe));
    setCurrentError(75, QStringLiteral("Path/File access error"), 10);
    WindowDriver driver(window, {WindowDriver::press(2)});
    EXPECT_EQ(window.OnError(QStringLiteral("frmZavolin"), QStringLiteral("Form_Unload")), Cancel);
    QFile log(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
              QStringLiteral("/Zavolin/") + exe + QStringLiteral(".EPT"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("Path/File access error"));
}

TEST_F(ErrPtnrTest, LogWrittenNowhereStillAnswers) {
    ScopedProgramInfo blocked(programIn(unwritableDirectory(), unique(QStringLiteral("Zavolin"))));
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(unwritableDirectory()));
    setCurrentError(75, QStringLiteral("Path/File access error"), 10);
    WindowDriver driver(window, {WindowDriver::press(1)});
    const qint16 choice = window.OnError(QStringLiteral("frmZavolin"), QStringLiteral("Form_Load"));
    qputenv("XDG_DATA_HOME", dataHome);
    EXPECT_EQ(choice, Ignore);
    EXPECT_EQ(driver.shown, 1);
}

TEST_F(ErrPtnrTest, RetryThatFailsAgainLogsEachShowing) {
    ErrPtnr& real = ErrPtnr::instance();
    ScopedReplacement<ErrorReporter> window(real);
    EXPECT_EQ(&ErrorReporter::real(), static_cast<ErrorReporter*>(&ErrPtnr::instance()));

    WindowDriver driver(real, {WindowDriver::press(0), WindowDriver::press(0)});
    int attempts = 0;
    QStringList ran;
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("ScaleFactor"));
    trap.run([&] {
        trap.at(10, [&] { ran << QStringLiteral("10"); });
        trap.at(20, [&] {
            if (++attempts < 3)
                raise(ErrNo::PrinterError, QStringLiteral("Printer error"));
            ran << QStringLiteral("20");
        });
    });
    EXPECT_FALSE(trap.left());
    EXPECT_EQ(ran, QStringList({"10", "20"}));
    EXPECT_EQ(driver.shown, 2);
    EXPECT_EQ(logText().count(QStringLiteral("F E H L E R P R O T O K O L L")), 2);
    EXPECT_EQ(logText().count(QStringLiteral("Zeile / Line:\t20\r\n")), 2);
    EXPECT_EQ(logText().count(QStringLiteral("Modul:\tfrmZavolin\r\n")), 2);
}

TEST_F(ErrPtnrTest, FailureWhileTheWindowWaitsIsLoggedAndLeft) {
    setCurrentError(6, QStringLiteral("Overflow"), 20);
    qint16 nested = -1;
    WindowDriver driver(window, {[&](ErrPtnr& w) {
                            setCurrentError(11, QStringLiteral("Division by zero"), 70);
                            nested = w.OnError(QStringLiteral("frmZavolin"),
                                               QStringLiteral("Form_Resize"));
                            WindowDriver::press(0)(w);
                        }});
    EXPECT_EQ(window.OnError(QStringLiteral("frmZavolin"), QStringLiteral("SizeNotes")), Retry);
    EXPECT_EQ(nested, Cancel);
    // The window still shows the failure it was opened for.
    EXPECT_EQ(control<QLabel>(window, QStringLiteral("lblError_2"))->text(),
              QStringLiteral("SizeNotes"));
    EXPECT_EQ(logText().count(QStringLiteral("F E H L E R P R O T O K O L L")), 2);
    EXPECT_TRUE(logText().contains(QStringLiteral("11 (Division by zero)")));
    EXPECT_TRUE(logText().contains(QStringLiteral("Prozedur / procedure:\tForm_Resize\r\n")));
}
