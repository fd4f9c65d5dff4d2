#pragma once

#include <QString>

namespace zavolin {

// The text as it may go to a terminal in one line: every control character (new lines,
// escapes that would move the cursor or recolour the terminal, DEL, C1 codes) written as
// "\xNN" instead. Arguments, file names and plug-in texts reach the command's messages as they
// were given, and must not act on the terminal or add lines.
QString terminalText(const QString& text);

} // namespace zavolin
