#pragma once

#include <QDialog>
#include <QFont>
#include <array>

class QLabel;
class QPushButton;

namespace zavolin {

class FlagLabel;

// The about window: the program's title and version, a hint to the documentation and the
// language flags. Loading it (constructing it) runs Form_Load; OK closes it. Shown modally
// with exec(), a fresh one each time.
class frmInfo : public QDialog {
    Q_OBJECT

public:
    explicit frmInfo(QWidget* parent = nullptr);

    // Puts the version line and the hint line (text 116) on the window.
    void Sprache();
    void Form_Load();
    // Changes the language to Index x 1000 and stores it, unless it is the language shown.
    void imgLang_Click(qint16 Index);
    void ok_Click();

    QLabel* Image2 = nullptr;
    std::array<QLabel*, 4> Label{};
    std::array<FlagLabel*, 4> imgLang{};
    QPushButton* ok = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QFont m_versionFont;
};

} // namespace zavolin
