// A language button puts its language's Qt translations in place, chosen by the LangBase it
// sets: the texts beyond the language table come out in that language, on the main window and
// in the windows it opens.
#include "WindowFixture.h"
#include "app/frmPrintSet.h"
#include "lang/LangState.h"
#include "lang/Translations.h"
#include "ui_frmZavolin.h"

#include <QPushButton>

using namespace zavolin;
using namespace zavolin::test;

namespace {

class LanguageSwitch : public WindowTest {
protected:
    // The translations are the application's; the next test starts with the stored language's.
    void TearDown() override {
        WindowTest::TearDown();
        useTranslations(LangBase);
    }
};

} // namespace

TEST_F(LanguageSwitch, EachFlagShowsTheSetDialogInItsLanguage) {
    add("ZavolinAccepted.dll");
    const auto window = load();
    QString ownPictures;
    answerModal = [&](QWidget* modal) {
        if (auto* dialog = qobject_cast<frmPrintSet*>(modal))
            ownPictures = dialog->cmdOwnSets->text();
        return false;
    };
    struct Case {
        qint16 button;
        const char* printSet; // the toolbar button's tip
        const char* ownPictures;
    };
    // Italian has no translations of its own and reads English.
    const Case cases[] = {
        {12, "Imprimir juego", "Imágenes propias…"},
        {10, "Satz drucken", "Eigene Bilder…"},
        {13, "Print set", "Own pictures…"},
        {11, "Print set", "Own pictures…"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        window->PicBut_click(c.button);
        EXPECT_EQ(window->ui().PicBut_4->toolTip().toStdString(), c.printSet);
        ownPictures.clear();
        window->ui().PicBut_4->click();
        EXPECT_EQ(ownPictures.toStdString(), c.ownPictures);
    }
}
