#pragma once

#include <QString>

namespace Ui {
class frmZavolin;
}

namespace zavolin {

// Gives every control of the main window the name a screen reader says, in the current
// language: a picture button the text of its tool tip, the copies box its label's, the lists
// and the preview a name of their own. Runs again after every change of language.
void nameControls(Ui::frmZavolin& ui);

// A label's text as the name of the control it stands beside: without its mnemonic mark and
// its closing colon.
QString nameFromLabel(const QString& labelText);

} // namespace zavolin
