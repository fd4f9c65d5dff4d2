// The drawing template's words in the language of the translations in use.

#include "NoteTemplate.h"

#include <QCoreApplication>

namespace zavolin {
namespace {

struct TemplateTexts {
    Q_DECLARE_TR_FUNCTIONS(TemplateTexts)
};

} // namespace

NoteTemplateTexts noteTemplateTexts() {
    NoteTemplateTexts texts;
    texts.title = TemplateTexts::tr("Zavolin banknote template");
    texts.instructions = TemplateTexts::tr(
        "Draw each banknote in its frame, fronts on the left and backs on the right: the "
        "picture fills the whole frame. Keep figures and words inside the dashed line, as "
        "cutting out may take a little off the edge.");
    texts.front = TemplateTexts::tr("front");
    texts.back = TemplateTexts::tr("back");
    return texts;
}

} // namespace zavolin
