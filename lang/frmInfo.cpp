#include "frmInfo.h"

#include "Allgemein.h"
#include "FlagLabel.h"
#include "LangState.h"
#include "Translations.h"
#include "errors/Trap.h"
#include "platform/base/ProgramInfo.h"
#include "platform/base/Units.h"
#include "platform/compat/Conversions.h"
#include "platform/settings/SettingsStore.h"
#include "resources/ProgramResources.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace zavolin {
namespace {

const QString Module = QStringLiteral("frmInfo");

// A place in the window definition, in twips.
struct Place {
    double left, top, width, height;
};

QRect pixelRect(const Place& p) {
    return QRect(pixelsOf(p.left), pixelsOf(p.top), pixelsOf(p.width), pixelsOf(p.height));
}

constexpr double ClientWidth = 5340;
constexpr double ClientHeight = 4935;

struct Flag {
    const char* picture;
    const char* toolTip;
    double top;
};

const Flag Flags[4] = {
    {":/images/flag-de-32x20.png", "Deutsch", 3360},
    {":/images/flag-gb-32x20.png", "English", 3720},
    {":/images/flag-es-32x20.png", "Espa\u00f1ol", 4080},
    {":/images/flag-it-32x20.png", "Italiano", 4440},
};

// The labels keep their defined places; a text wider than its label (fonts here are larger than
// the ones the places were made for) is set smaller rather than cut at both ends.
void fitToWidth(QLabel* label, const QFont& font) {
    QFont fitted = font;
    if (fitted.pointSizeF() <= 0) {
        label->setFont(fitted);
        return;
    }
    const qreal smallest = qMin<qreal>(6.0, font.pointSizeF());
    while (fitted.pointSizeF() - 0.5 >= smallest &&
           QFontMetricsF(fitted).horizontalAdvance(label->text()) > label->width())
        fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    label->setFont(fitted);
}

} // namespace

frmInfo::frmInfo(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    initProgramResources();
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QString());
    setFixedSize(pixelsOf(ClientWidth), pixelsOf(ClientHeight));

    // The background at its own size, 356 x 330 pixels, in a control that covers the window.
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(pixelRect({0, 0, 5400, 4932}));
    Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image2->setPixmap(QPixmap(QStringLiteral(":/images/about-background.png")));

    // Only indexes 0 and 3 exist in the definition.
    Label[0] = new QLabel(this);
    Label[0]->setObjectName(QStringLiteral("Label_0"));
    Label[0]->setGeometry(pixelRect({849, 1200, 3774, 252}));
    Label[0]->setAlignment(Qt::AlignCenter);
    m_versionFont = Label[0]->font();
    m_versionFont.setBold(true);
    Label[0]->setFont(m_versionFont);

    Label[3] = new QLabel(this);
    Label[3]->setObjectName(QStringLiteral("Label_3"));
    Label[3]->setGeometry(pixelRect({735, 2520, 3405, 255}));
    Label[3]->setAlignment(Qt::AlignCenter);
    Label[3]->setTextFormat(Qt::PlainText);

    for (int i = 0; i < 4; ++i) {
        FlagLabel* flag = new FlagLabel(this);
        flag->setObjectName(QStringLiteral("imgLang_%1").arg(i));
        flag->setGeometry(pixelRect({4560, Flags[i].top, 480, 300}));
        // Through an icon, which takes the picture's "@2x" file on a screen of twice the
        // density, so the flag stays sharp there.
        flag->setPixmap(QIcon(QString::fromLatin1(Flags[i].picture))
                            .pixmap(flag->size(), flag->devicePixelRatioF()));
        flag->setScaledContents(true);
        flag->setToolTip(QString::fromUtf8(Flags[i].toolTip));
        flag->setAccessibleName(flag->toolTip());
        connect(flag, &FlagLabel::clicked, this, [this, i] { imgLang_Click(qint16(i)); });
        imgLang[i] = flag;
    }
    // The Italian flag is defined but never shown.
    imgLang[3]->hide();

    ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setGeometry(pixelRect({3000, 3840, 975, 455}));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmInfo::ok_Click);
    // Opened at start, the window is closed with Enter or Space; Tab reaches the flags.
    ok->setFocus();

    Form_Load();
}

void frmInfo::Sprache() {
    Trap trap(Module, QStringLiteral("Sprache"));
    trap.run([&] {
        trap.at(20, [&] {
            Label[0]->setText(titleWithVersion(programInfo()));
            fitToWidth(Label[0], m_versionFont);
        });
        trap.at(30, [&] {
            Label[3]->setText(GetLang(add16(LangBase, 116)));
            fitToWidth(Label[3], font());
        });
    });
    // The window shows no title; a screen reader still says what it is.
    useTranslations(LangBase);
    setAccessibleName(tr("About %1").arg(programInfo().title));
}

void frmInfo::Form_Load() {
    Trap trap(Module, QStringLiteral("Form_Load"));
    trap.run([&] { trap.at(20, [&] { Sprache(); }); });
}

void frmInfo::imgLang_Click(qint16 Index) {
    Trap trap(Module, QStringLiteral("imgLang_Click"));
    trap.run([&] {
        if (trap.test(20, [&] { return toInt16(double(Index) * 1000.0) == LangBase; }))
            return;
        trap.at(30, [&] { LangBase = toInt16(double(Index) * 1000.0); });
        trap.at(40, [&] { writeSetting(Settings::Sprache, numberText(LangBase)); });
        trap.at(50, [&] { Sprache(); });
    });
}

void frmInfo::ok_Click() {
    accept();
}

// Centred on the screen each time it is shown.
void frmInfo::showEvent(QShowEvent* event) {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

} // namespace zavolin
