#pragma once

#include <QMainWindow>
#include <memory>

namespace Ui {
class frmZavolin;
}

namespace zavolin {

// The main window: the controls of its window definition and, as the program grows, the
// state and handlers that the selection controls, the toolbar and the painters share.
class frmZavolin : public QMainWindow {
    Q_OBJECT

public:
    explicit frmZavolin(QWidget* parent = nullptr);
    ~frmZavolin() override;

    // The window's controls, for the procedures that work on them directly.
    Ui::frmZavolin& ui() const { return *m_ui; }

    // The load handler: runs the start-up sequence and shows the window.
    void Form_Load();

private:
    std::unique_ptr<Ui::frmZavolin> m_ui;
};

} // namespace zavolin
