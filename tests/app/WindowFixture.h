#pragma once

#include "app/frmZavolin.h"
#include "platform/MessageBoxes.h"
#include "platform/PreviousInstance.h"
#include "platform/RuntimeError.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "plugins/PluginFolder.h"
#include "sheet/FakePrinter.h"
#include "support/FakeSettingsStore.h"

#include <QMap>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

namespace zavolin::test {

// A printer that keeps a copy count (refusing anything below 1) and records the job.
class RecordingPrinter : public FakePrinter {
public:
    int count = 1;
    // The copy count when the document was handed over, -1 before.
    int countAtEndDoc = -1;
    QStringList calls;
    int lines = 0;
    int pictures = 0;

    int copies() override {
        fail();
        return count;
    }
    void setCopies(int n) override {
        fail();
        if (n < 1)
            raise(ErrNo::InvalidPropertyValue, QStringLiteral("Invalid property value."));
        count = n;
        calls << QStringLiteral("copies %1").arg(n);
    }
    void setForeColor(const QColor& c) override {
        fail();
        calls << QStringLiteral("colour ") + c.name();
    }
    void printLine(const QString& text) override {
        fail();
        calls << QStringLiteral("line '%1'").arg(text);
    }
    void newPage() override {
        fail();
        calls << QStringLiteral("newPage");
    }
    void endDoc() override {
        fail();
        countAtEndDoc = count;
        calls << QStringLiteral("endDoc");
    }
    void line(double, double, double, double) override { ++lines; }
    void paintPicture(const Picture&, double, double, double, double) override { ++pictures; }

private:
    void fail() const {
        if (failing)
            raise(ErrNo::PrinterError, QStringLiteral("Printer error: no printer."));
    }
};

using FakeSettings = FakeSettingsStore;

class FakeMessageBoxes : public MessageBoxes {
public:
    void inform(QWidget*, const QString& text) override { informed << text; }
    bool askYesNo(QWidget*, const QString&) override { return false; }
    QStringList informed;
};

class FakeShell : public Shell {
public:
    void open(const QString& target) override { opened << target; }
    QStringList opened;
};

class FakeInstance : public PreviousInstance {
public:
    bool running() override { return other; }
    bool other = false;
};

// The main window with its services faked: plug-ins beside a fresh program folder, settings
// in memory, a recording printer; modal windows opened during a call are closed at once.
class WindowTest : public PluginTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new main window after its load handler.
    std::unique_ptr<frmZavolin> load();
    // The modal windows closed so far.
    int modalsClosed() const { return m_closed; }
    // Answers a modal window as a user would; returns false to have it closed as usual.
    std::function<bool(QWidget* modal)> answerModal;

    FakeSettings settings;
    RecordingPrinter printer;
    FakeMessageBoxes messages;
    FakeShell shell;
    FakeInstance instance;

private:
    void closeModal();

    QTimer m_closer;
    int m_closed = 0;
    qint16 m_langBase = 0;
    QString m_langFile;
    std::unique_ptr<ScopedReplacement<SettingsStore>> m_settings;
    std::unique_ptr<ScopedReplacement<Printer>> m_printer;
    std::unique_ptr<ScopedReplacement<MessageBoxes>> m_messages;
    std::unique_ptr<ScopedReplacement<Shell>> m_shell;
    std::unique_ptr<ScopedReplacement<PreviousInstance>> m_instance;
};

} // namespace zavolin::test
