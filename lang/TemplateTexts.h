#pragma once

#include "sheet/NoteTemplate.h"

namespace zavolin {

// The drawing template's title, instructions and side names in the language of the
// translations in use.
NoteTemplateTexts noteTemplateTexts();

} // namespace zavolin
