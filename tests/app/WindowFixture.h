#pragma once

#include "app/frmZavolin.h"
#include "platform/base/RuntimeError.h"
#include "platform/desktop/MessageBoxes.h"
#include "platform/desktop/PreviousInstance.h"
#include "platform/desktop/Shell.h"
#include "platform/settings/SettingsStore.h"
#include "support/FakeMessageBoxes.h"
#include "support/FakePrinter.h"
#include "support/FakeSettingsStore.h"
#include "support/FakeShell.h"
#include "support/PluginFolder.h"

#include <QComboBox>
#include <QMap>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>

namespace zavolin::test {

using FakeSettings = FakeSettingsStore;

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

// The user picks the next entry of a list with the keyboard.
void pickNext(QComboBox* list);

} // namespace zavolin::test
