// Writes the pictures of the main window and the about window into the folder named on the command
// line.

#include "AboutBackground.h"
#include "BackgroundTile.h"
#include "Flags.h"
#include "ToolbarIcons.h"
#include "WindowIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <utility>
#include <vector>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: zavolin-make-window-images <output folder>\n";
        return 2;
    }
    const QDir out(args.at(1));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        err << "cannot create " << out.path() << "\n";
        return 1;
    }

    using namespace windowimages;
    std::vector<std::pair<QString, QImage>> images = {
        {"background-tile.png", backgroundTile()},
        {"tool-print.png", printIcon()},
        {"tool-adjust.png", adjustIcon()},
        {"tool-exit.png", exitIcon()},
        {"tool-help.png", helpIcon()},
        {"tool-print-set.png", printSetIcon()},
        {"flag-de.png", germanFlag()},
        {"flag-gb.png", britishFlag()},
        {"flag-es.png", spanishFlag()},
        {"flag-it.png", italianFlag()},
        {"flag-de-32x20.png", germanFlag(FlagFormat::About)},
        {"flag-gb-32x20.png", britishFlag(FlagFormat::About)},
        {"flag-es-32x20.png", spanishFlag(FlagFormat::About)},
        {"flag-it-32x20.png", italianFlag(FlagFormat::About)},
        {"about-background.png", aboutBackground()},
    };
    // The same drawings at twice the pixels, for screens of twice the density: Qt takes a
    // "@2x" file beside an icon's own by itself.
    const std::pair<QString, QImage> doubled[] = {
        {"tool-print@2x.png", printIcon(2)},
        {"tool-adjust@2x.png", adjustIcon(2)},
        {"tool-exit@2x.png", exitIcon(2)},
        {"tool-help@2x.png", helpIcon(2)},
        {"tool-print-set@2x.png", printSetIcon(2)},
        {"flag-de@2x.png", germanFlag(FlagFormat::Button, 2)},
        {"flag-gb@2x.png", britishFlag(FlagFormat::Button, 2)},
        {"flag-es@2x.png", spanishFlag(FlagFormat::Button, 2)},
        {"flag-it@2x.png", italianFlag(FlagFormat::Button, 2)},
        {"flag-de-32x20@2x.png", germanFlag(FlagFormat::About, 2)},
        {"flag-gb-32x20@2x.png", britishFlag(FlagFormat::About, 2)},
        {"flag-es-32x20@2x.png", spanishFlag(FlagFormat::About, 2)},
        {"flag-it-32x20@2x.png", italianFlag(FlagFormat::About, 2)},
    };
    images.insert(images.end(), std::begin(doubled), std::end(doubled));
    // The program icon in every size of the icon theme; the installation takes them from here.
    for (const int size : windowIconSizes)
        images.emplace_back(QStringLiteral("zavolin-%1.png").arg(size), windowIcon(size));
    int failures = 0;
    for (const auto& [name, image] : images) {
        const QString path = out.filePath(name);
        if (!image.save(path, "PNG")) {
            err << "cannot write " << path << "\n";
            ++failures;
        }
    }
    const QString svg = out.filePath(QStringLiteral("zavolin.svg"));
    if (!writeWindowIconSvg(svg)) {
        err << "cannot write " << svg << "\n";
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
