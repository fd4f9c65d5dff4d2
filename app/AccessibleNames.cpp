#include "AccessibleNames.h"

#include "ui_frmZavolin.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

namespace zavolin {
namespace {

// The translations' context for these texts.
struct AccessibleNames {
    Q_DECLARE_TR_FUNCTIONS(AccessibleNames)
};

// A screen reader on Linux names a drop-down list by its chosen entry and takes what the list is
// for from the label standing for it. The panel shows no such labels: hidden ones stand in.
void nameList(QComboBox* list, const QString& name) {
    const QString labelName = list->objectName() + QStringLiteral("Label");
    auto* label = list->parentWidget()->findChild<QLabel*>(labelName, Qt::FindDirectChildrenOnly);
    if (!label) {
        label = new QLabel(list->parentWidget());
        label->setObjectName(labelName);
        label->hide();
        label->setBuddy(list);
    }
    label->setText(name);
    list->setAccessibleName(name);
}

} // namespace

QString nameFromLabel(const QString& labelText) {
    QString name = labelText;
    name.remove(QLatin1Char('&'));
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name;
}

void nameControls(Ui::frmZavolin& ui) {
    for (QPushButton* button : {ui.PicBut_0, ui.PicBut_1, ui.PicBut_2, ui.PicBut_3, ui.PicBut_4,
                                ui.PicBut_10, ui.PicBut_11, ui.PicBut_12, ui.PicBut_13})
        button->setAccessibleName(button->toolTip());
    nameList(ui.cmbAuswahl, AccessibleNames::tr("Picture set"));
    nameList(ui.cmbSide, AccessibleNames::tr("Side"));
    ui.Label3->setBuddy(ui.txtCopy);
    ui.txtCopy->setAccessibleName(nameFromLabel(ui.Label3->text()));
    ui.Bild->setAccessibleName(AccessibleNames::tr("Preview of the sheet"));
    ui.Frame1->setAccessibleName(AccessibleNames::tr("Selection"));
}

} // namespace zavolin
