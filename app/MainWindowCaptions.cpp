#include "MainWindowCaptions.h"

#include "AccessibleNames.h"
#include "errors/Trap.h"
#include "frmPrintSet.h"
#include "lang/Allgemein.h"
#include "lang/LangState.h"
#include "lang/Translations.h"
#include "platform/base/RuntimeError.h"
#include "platform/compat/Conversions.h"
#include "platform/settings/SettingsStore.h"
#include "ui_frmZavolin.h"

#include <QSignalBlocker>

namespace zavolin {
namespace {

// The text of that number in the current language; the key is formed with an overflow check.
QString text(qint16 number) {
    return GetLang(add16(LangBase, number));
}

} // namespace

void Sprache(Ui::frmZavolin& ui, const std::function<void()>& cmbSide_Click) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("Sprache"));
    // Texts beyond the language table come from the translations of the same language.
    useTranslations(LangBase);
    ui.PicBut_4->setToolTip(frmPrintSet::tr("Print set"));
    trap.run([&] {
        // Qt's list selects its first entry by itself and reports every change; here only the
        // selection at [50] counts, and it runs the side handler itself.
        trap.at(20, [&] {
            const QSignalBlocker quiet(ui.cmbSide);
            ui.cmbSide->clear();
        });
        trap.at(30, [&] {
            const QSignalBlocker quiet(ui.cmbSide);
            ui.cmbSide->addItem(text(106));
        });
        trap.at(40, [&] {
            const QSignalBlocker quiet(ui.cmbSide);
            ui.cmbSide->addItem(text(107));
        });
        trap.at(50, [&] {
            {
                const QSignalBlocker quiet(ui.cmbSide);
                if (ui.cmbSide->count() == 0)
                    raise(ErrNo::InvalidPropertyValue,
                          QStringLiteral("Invalid property value: the side list is empty."));
                ui.cmbSide->setCurrentIndex(0);
            }
            if (cmbSide_Click)
                cmbSide_Click();
        });
        trap.at(60, [&] { ui.PicBut_0->setToolTip(text(103)); });
        trap.at(70, [&] { ui.PicBut_1->setToolTip(text(111)); });
        trap.at(80, [&] { ui.PicBut_2->setToolTip(text(105)); });
        trap.at(90, [&] { ui.PicBut_3->setToolTip(text(134)); });
        trap.at(100, [&] { ui.Label3->setText(text(108)); });
        trap.at(110, [&] { ui.mnuEMail->setText(text(135)); });
        trap.at(120, [&] { ui.mnuHomepage->setText(text(136)); });
        trap.at(140, [&] { ui.mnuUeber->setText(text(137)); });
        trap.at(150, [&] { ui.optIndex_0->setText(text(139)); });
    });
    nameControls(ui);
}

void switchLanguage(Trap& trap, qint16 Index, Ui::frmZavolin& ui,
                    const std::function<void()>& cmbSide_Click) {
    trap.at(350, [&] { LangBase = toInt16((double(Index) - 10.0) * 1000.0); });
    trap.at(360, [&] { Sprache(ui, cmbSide_Click); });
    trap.at(370, [&] { writeSetting(Settings::Sprache, numberText(LangBase)); });
}

} // namespace zavolin
