#pragma once

#include <QtGlobal>
#include <functional>

namespace Ui {
class frmZavolin;
}

namespace zavolin {

class Trap;

// The main window's `Sprache`: puts the texts of the current LangBase on its controls. The side
// list is emptied and refilled with its two entries and entry 0 is selected; selecting it runs
// the side handler, cmbSide_Click, exactly once (the list's own signals stay quiet meanwhile,
// so a handler connected to them does not run as well).
void Sprache(Ui::frmZavolin& ui, const std::function<void()>& cmbSide_Click);

// The language buttons' part of the toolbar handler (PicBut_click, statements 350 to 370),
// run under that handler's trap: LangBase = (Index - 10) x 1000, the main window's texts
// applied, and the language stored as the setting "Sprache" (" 1000" for English).
void switchLanguage(Trap& trap, qint16 Index, Ui::frmZavolin& ui,
                    const std::function<void()>& cmbSide_Click);

} // namespace zavolin
