#include "MainWindowLayout.h"

#include "PersistentBackground.h"
#include "PreviewBox.h"
#include "errors/Trap.h"
#include "platform/base/Units.h"
#include "platform/compat/Conversions.h"
#include "platform/print/Printer.h"
#include "sheet/PreviewScale.h"
#include "sheet/ScaleFactor.h"
#include "ui_frmZavolin.h"

#include <QGuiApplication>
#include <QScreen>

namespace zavolin {
namespace {

const QColor WindowColour(128, 0, 0);

// Widgets take whole pixels: every computed position and size goes to the nearest one.
void place(QWidget* widget, double left, double top, double width, double height) {
    widget->setGeometry(qRound(left), qRound(top), qRound(width), qRound(height));
}

void move(QWidget* widget, double left, double top) {
    widget->move(qRound(left), qRound(top));
}

void setLeft(QWidget* widget, double left) {
    widget->move(qRound(left), widget->y());
}

void setTop(QWidget* widget, double top) {
    widget->move(widget->x(), qRound(top));
}

QPushButton* PicBut(const Ui::frmZavolin& ui, int index) {
    switch (index) {
    case 0:
        return ui.PicBut_0;
    case 1:
        return ui.PicBut_1;
    case 2:
        return ui.PicBut_2;
    case 3:
        return ui.PicBut_3;
    case 4:
        return ui.PicBut_4;
    case 10:
        return ui.PicBut_10;
    case 11:
        return ui.PicBut_11;
    case 12:
        return ui.PicBut_12;
    case 13:
        return ui.PicBut_13;
    default:
        raise(ErrNo::SubscriptOutOfRange,
              QStringLiteral("Subscript out of range: there is no toolbar button %1.").arg(index));
    }
}

template <typename T>
T& need(T* item, const char* what) {
    if (!item)
        raise(ErrNo::InvalidProcedureCall,
              QStringLiteral("The window's layout lacks its %1.").arg(QLatin1String(what)));
    return *item;
}

QSize screenPixels(const Ui::frmZavolin& ui, const MainWindowLayout& window) {
    if (!window.screenSize.isEmpty())
        return window.screenSize;
    const QScreen* screen = ui.centralwidget->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        raise(ErrNo::InvalidProcedureCall, QStringLiteral("There is no screen."));
    return screen->size();
}

} // namespace

void Form_Resize(Ui::frmZavolin& ui, const MainWindowLayout& window) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("Form_ReSize"));
    PersistentBackground background(*ui.centralwidget);
    qint16 rowLimit = 0;
    qint16 columnLimit = 0;
    qint16 w = 0;
    qint16 h = 0;
    QPixmap tile;
    trap.run([&] {
        if (trap.test(20, [&] { return window.minimised; }))
            return;
        trap.at(30, [&] { background.begin(screenPixels(ui, window), WindowColour); });
        // The limits are the screen's size in pixels, reached through its size in twips as
        // the screen reports it.
        trap.at(40, [&] {
            const double heightTwips =
                toTwips(Pixels{double(screenPixels(ui, window).height())}).value;
            rowLimit = toInt16(intDivide(heightTwips, TwipsPerPixel));
        });
        trap.at(50, [&] {
            const double widthTwips =
                toTwips(Pixels{double(screenPixels(ui, window).width())}).value;
            columnLimit = toInt16(intDivide(widthTwips, TwipsPerPixel));
        });
        trap.at(60, [&] {
            tile = ui.imgHG->pixmap();
            w = toInt16(ui.imgHG->width());
            h = toInt16(ui.imgHG->height());
            if (w <= 0 || h <= 0)
                raise(ErrNo::InvalidProcedureCall,
                      QStringLiteral("The background tile has no size."));
        });
        // A step of zero would never end; without a canvas there is nothing to tile.
        if (w > 0 && h > 0 && background.drawing()) {
            for (qint16 y = 0; y <= rowLimit;) {
                for (qint16 x = 0; x <= columnLimit;) {
                    trap.at(70, [&] { background.drawPicture(tile, x, y); });
                    bool stepped = false;
                    trap.at(80, [&] {
                        x = add16(x, w);
                        stepped = true;
                    });
                    if (!stepped)
                        break;
                }
                bool stepped = false;
                trap.at(80, [&] {
                    y = add16(y, h);
                    stepped = true;
                });
                if (!stepped)
                    break;
            }
        }
        trap.at(90, [&] { background.end(); });
        trap.at(100, [&] { positionieren(ui, window); });
        trap.at(110, [&] {
            if (window.chooseDenom)
                window.chooseDenom();
        });
    });
}

void positionieren(Ui::frmZavolin& ui, const MainWindowLayout& window) {
    Trap trap(QStringLiteral("frmZavolin"), QStringLiteral("positionieren"));
    const double ScaleWidth = window.ScaleWidth;
    const double ScaleHeight = window.ScaleHeight;
    double stripLeft = 0;
    double PaperRatio = 0;
    double bildLeft = 0;
    double bildTop = 0;
    double bildWidth = 0;
    double bildHeight = 0;
    trap.run([&] {
        if (trap.test(20, [&] { return window.minimised; }))
            return;
        trap.at(30, [&] {
            const double w = ui.PicBut_0->width();
            stripLeft = ScaleWidth - 1.15 * w;
            place(ui.lblToolbar, stripLeft, 0, 1.15 * w, ScaleHeight + 6);
        });
        trap.at(40, [&] { ui.lblToolbar->show(); });

        // Each button: its Left, its Top, shown; the statements keep their labels in the loop.
        const auto placeButtons = [&](qint32 firstLabel, std::initializer_list<int> indexes,
                                      double rowOffset, double topGap) {
            for (const int i : indexes) {
                QPushButton* button = PicBut(ui, i);
                trap.at(firstLabel, [&] { setLeft(button, stripLeft + 4); });
                trap.at(firstLabel + 10,
                        [&] { setTop(button, (i - rowOffset) * button->height() + topGap); });
                trap.at(firstLabel + 20, [&] { button->show(); });
            }
        };
        placeButtons(60, {0, 1}, 0, 3);
        placeButtons(100, {2, 3, 4}, 0, 30);
        // The Italian button (13) is neither placed nor shown: Italian is reached only through
        // the stored setting.
        // toolbarReach says where the last of these ends.
        placeButtons(140, {10, 11, 12}, 2.5, 3);

        trap.at(170, [&] {
            ScaleFactor(
                need(window.printer, "printer"), need(window.content, "sheet").sheet.sizes,
                window.page.Denom, window.page.Side, need(window.geometry, "page geometry"),
                [&] { ui.Bild->clear(); }, window.fit);
        });
        trap.at(180, [&] {
            PaperRatio =
                paperRatio(need(window.printer, "printer"), need(window.geometry, "page geometry"));
        });
        trap.at(190, [&] {
            bildLeft = 0.05 * ScaleWidth;
            bildTop = 0.02 * ScaleHeight;
            const QSizeF size = previewSize(ScaleHeight, PaperRatio);
            bildWidth = size.width();
            bildHeight = size.height();
            place(ui.Bild, bildLeft, bildTop, bildWidth, bildHeight);
        });
        trap.at(200,
                [&] { place(ui.shpBlatt_0, bildLeft + 10, bildTop + 10, bildWidth, bildHeight); });
        trap.at(210, [&] {
            need(window.PreviewScale, "preview scale") =
                previewScale(ui.Bild->scaleHeight(), need(window.printer, "printer"));
        });
        if (window.content)
            drawPage(*ui.Bild, window.page, need(window.PreviewScale, "preview scale"),
                     *window.content, trap, {220, 230, 250});
        trap.at(270, [&] { ui.Bild->show(); });
        trap.at(280, [&] { move(ui.Frame1, bildLeft + 1.15 * bildWidth, bildTop); });
        trap.at(290, [&] { ui.Frame1->show(); });
    });
}

int toolbarReach(const Ui::frmZavolin& ui) {
    // The lowest button is 12, placed 12 - 2.5 button heights and 3 pixels down.
    const int height = ui.PicBut_12->height();
    return qRound((12 - 2.5) * height + 3) + height;
}

} // namespace zavolin
