#include "ErrPtnr.h"

#include "ConsoleReporter.h"
#include "WrappingButton.h"
#include "platform/base/CurrentError.h"
#include "platform/base/ProgramInfo.h"
#include "platform/base/Units.h"

#include <QApplication>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <cstdio>

namespace zavolin {
namespace {

// Design sizes in twips.
constexpr double FrameWidth = 7215;
constexpr double CommentHeight = 975;
constexpr double FehlerHeight = 1695;
constexpr double ProgInfoHeight = 615;
constexpr double ProtocolHeight = 855;
constexpr double ContinueHeight = 855;
constexpr double ButtonWidth = 1335;
constexpr double ButtonHeight = 495;
constexpr double ButtonTop = 240;
constexpr std::array<double, 4> ButtonLefts{240, 2040, 3840, 5640};
constexpr double InnerLeft = 120;
constexpr double TitleWidth = 1935;
constexpr double ValueLeft = 2160;
constexpr double ValueWidth = 4935;
constexpr std::array<double, 4> RowTops{240, 960, 1200, 1440};
constexpr double FirstValueHeight = 675;
constexpr double RowHeight = 195;

QRect twipsRect(double left, double top, double width, double height) {
    return {pixelsOf(left), pixelsOf(top), pixelsOf(width), pixelsOf(height)};
}

QString indexedName(const char* control, std::size_t index) {
    return QString::fromLatin1(control) + QLatin1Char('_') + QString::number(index);
}

QGroupBox* makeFrame(QWidget* parent, const char* name, const QString& caption, double height) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(twipsRect(0, 0, FrameWidth, height));
    return frame;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& rect) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    // Descriptions come from anywhere: never read them as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(rect);
    return label;
}

} // namespace

ErrPtnr::ErrPtnr(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("ErrPtnr"));
    setWindowTitle(QStringLiteral("Fehler / Error! "));
    setWindowModality(Qt::ApplicationModal);
    // The rows are one small line high, as the window was designed.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    createControls();
    ArrangeErrorWindow();
}

void ErrPtnr::createControls() {
    framComment = makeFrame(this, "framComment", QString(), CommentHeight);
    lblComment = makeLabel(
        framComment, QStringLiteral("lblComment"), QString(),
        twipsRect(InnerLeft, InnerLeft, FrameWidth - 2 * InnerLeft, CommentHeight - 2 * InnerLeft));
    lblComment->setWordWrap(true);

    framFehler = makeFrame(this, "framFehler",
                           QStringLiteral("Fehlerbeschreibung / error description:"), FehlerHeight);
    const std::array<QString, 4> titles{
        QStringLiteral("Fehler-Nr / error :"), QStringLiteral("Modul:"),
        QStringLiteral("Prozedur / procedure:"), QStringLiteral("Zeile / Line:")};
    for (std::size_t i = 0; i < titles.size(); ++i) {
        lblErrTitel[i] = makeLabel(framFehler, indexedName("lblErrTitel", i), titles[i],
                                   twipsRect(InnerLeft, RowTops[i], TitleWidth, RowHeight));
        lblError[i] = makeLabel(
            framFehler, indexedName("lblError", i), QString(),
            twipsRect(ValueLeft, RowTops[i], ValueWidth, i == 0 ? FirstValueHeight : RowHeight));
    }
    lblError[0]->setWordWrap(true);

    framProgInfo =
        makeFrame(this, "framProgInfo", QStringLiteral("Programm-Info:"), ProgInfoHeight);
    lblProgInfo = makeLabel(framProgInfo, QStringLiteral("lblProgInfo"), QString(),
                            twipsRect(InnerLeft, 270, FrameWidth - 2 * InnerLeft, RowHeight));

    framProtocol =
        makeFrame(this, "framProtocol", QStringLiteral("Fehlerprotokoll ... / error protocoll..."),
                  ProtocolHeight);
    framContinue =
        makeFrame(this, "framContinue", QStringLiteral("Weiterer Programmablauf... / Continue..."),
                  ContinueHeight);
    const std::array<QString, 4> protocolCaptions{QStringLiteral("&Drucken/Print"),
                                                  QStringLiteral("&Speichern/Save"),
                                                  QStringLiteral("&EMail"), QString()};
    const std::array<QString, 4> continueCaptions{
        QStringLiteral("Wieder&holen Retry"), QStringLiteral("&Ignorieren   Ignore"),
        QStringLiteral("&Abbrechen Cancel"), QStringLiteral("&Beenden       End")};
    for (std::size_t i = 0; i < 4; ++i) {
        const QRect rect = twipsRect(ButtonLefts[i], ButtonTop, ButtonWidth, ButtonHeight);
        const int index = int(i);

        cmdProtocol[i] = new WrappingButton(protocolCaptions[i], framProtocol);
        cmdProtocol[i]->setObjectName(indexedName("cmdProtocol", i));
        cmdProtocol[i]->setGeometry(rect);
        connect(cmdProtocol[i], &QPushButton::clicked, this,
                [this, index] { cmdProtocol_Click(index); });

        cmdContinue[i] = new WrappingButton(continueCaptions[i], framContinue);
        cmdContinue[i]->setObjectName(indexedName("cmdContinue", i));
        cmdContinue[i]->setGeometry(rect);
        connect(cmdContinue[i], &QPushButton::clicked, this,
                [this, index] { cmdContinue_Click(index); });
    }
}

ErrPtnr& ErrPtnr::instance() {
    // Kept for the whole run; QPointer only guards against someone deleting it.
    static QPointer<ErrPtnr> window;
    if (!window)
        window = new ErrPtnr;
    return *window;
}

ErrorReporter& ErrorReporter::real() {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        return ErrPtnr::instance();
    static ConsoleReporter console;
    return console;
}

qint16 ErrPtnr::OnError(const QString& aktModul, const QString& aktProc) {
    const CurrentError& error = currentError();
    if (isVisible() || m_unattended) {
        // A failure raised while the window already waits (a repaint behind it, say) cannot be
        // asked about: it is logged and its procedure left, rather than answered with the
        // pending choice.
        ProtocolFields fields = protocolFields();
        fields.values = {QString::number(error.number) + QStringLiteral(" (") + error.description +
                             QLatin1Char(')'),
                         aktModul, aktProc, QString::number(error.line)};
        appendToErrorLog(fields);
        if (!m_unattended)
            return Cancel;
        return ConsoleReporter(programInfo().exeName, Ignore).OnError(aktModul, aktProc);
    }

    lblError[0]->setText(QString::number(error.number) + QStringLiteral(" (") + error.description +
                         QLatin1Char(')'));
    lblError[1]->setText(aktModul);
    lblError[2]->setText(aktProc);
    lblError[3]->setText(QString::number(error.line));

    if (lblProgInfo->text().isEmpty()) {
        const ProgramInfo& program = programInfo();
        lblProgInfo->setText(program.exeName + QStringLiteral("  V") +
                             QString::number(program.major) + QLatin1Char('.') +
                             QString::number(program.minor) + QLatin1Char('.') +
                             QString::number(program.revision));
    }

    // The failed procedure may have left a busy pointer.
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();

    ArrangeErrorWindow();
    AppendErrorLog();
    QApplication::beep();
    exec();
    return qint16(m_choiceValue);
}

void ErrPtnr::SetProgInfo(const QString& text) {
    lblProgInfo->setText(text);
}

void ErrPtnr::ArrangeErrorWindow() {
    framComment->setVisible(true);
    framComment->move(0, 0);
    int top = framComment->height();

    lblComment->setText(
        QStringLiteral("There is a problem. Please contact the author if this problem appears "
                       "again.\nEs liegt ein Problem vor, mit dem Sie sich an den technischen "
                       "Support wenden sollten, falls es wiederholt auftritt."));

    for (QGroupBox* frame : {framFehler, framProgInfo, framProtocol}) {
        frame->setVisible(true);
        frame->move(0, top);
        top += frame->height();
    }

    for (std::size_t i = 0; i < 3; ++i)
        cmdProtocol[i]->setVisible(true);
    cmdProtocol[3]->setVisible(false);

    framContinue->move(0, top);
    top += framContinue->height();
    for (QPushButton* button : cmdContinue)
        button->setVisible(true);

    const QSize inner(framFehler->width(), top);
    const QSize decoration = frameGeometry().size() - geometry().size();
    setFixedSize(inner);
    const QSize outer = inner + decoration;

    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void ErrPtnr::cmdContinue_Click(int index) {
    m_choiceValue = index;
    hide();
}

void ErrPtnr::reject() {
    cmdContinue_Click(Cancel);
}

} // namespace zavolin
