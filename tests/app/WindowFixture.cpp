#include "WindowFixture.h"

#include "lang/LangState.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

namespace zavolin::test {

void WindowTest::SetUp() {
    PluginTest::SetUp();
    m_langBase = LangBase;
    m_langFile = LangFile;
    printer.mode = PrinterScaleMode::Twips;
    m_settings = std::make_unique<ScopedReplacement<SettingsStore>>(settings);
    m_printer = std::make_unique<ScopedReplacement<Printer>>(printer);
    m_messages = std::make_unique<ScopedReplacement<MessageBoxes>>(messages);
    m_shell = std::make_unique<ScopedReplacement<Shell>>(shell);
    m_instance = std::make_unique<ScopedReplacement<PreviousInstance>>(instance);
    m_closer.setInterval(5);
    QObject::connect(&m_closer, &QTimer::timeout, [this] { closeModal(); });
    m_closer.start();
}

void WindowTest::TearDown() {
    m_closer.stop();
    answerModal = nullptr;
    m_instance.reset();
    m_shell.reset();
    m_messages.reset();
    m_printer.reset();
    m_settings.reset();
    LangBase = m_langBase;
    LangFile = m_langFile;
    PluginTest::TearDown();
}

std::unique_ptr<frmZavolin> WindowTest::load() {
    auto window = std::make_unique<frmZavolin>();
    EXPECT_TRUE(window->Form_Load());
    return window;
}

void WindowTest::closeModal() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        ++m_closed;
    } else if (QWidget* modal = QApplication::activeModalWidget()) {
        if (answerModal && answerModal(modal)) {
            ++m_closed;
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        ++m_closed;
    }
}

void pickNext(QComboBox* list) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(list, &press);
}

} // namespace zavolin::test
