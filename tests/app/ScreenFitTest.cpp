// The main window on screens of every size and scale. The scale and the screen are fixed when
// the application starts, so each case runs the window in a process of its own on a virtual
// screen of the offscreen platform: this test program again, running only the probe.
#include "app/ScreenFit.h"

#include "WindowFixture.h"
#include "app/PreviewBox.h"
#include "support/ProgramRun.h"
#include "ui_frmZavolin.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>

using namespace zavolin;
using namespace zavolin::test;

namespace {

const char ProbeVariable[] = "ZAVOLIN_SCREEN_FIT_PROBE";
const char ProbeMark[] = "screen-fit:";

// Opens the window and says what the tests measure, on one line after the mark.
class ScreenFitProbe : public WindowTest {
public:
    void TestBody() override {
        add("ZavolinAccepted.dll");
        const auto window = load();
        QCoreApplication::processEvents();
        const QRect available = window->screen()->availableGeometry();
        int buttons = 0;
        int buttonsOnScreen = 0;
        for (QPushButton* button :
             window->ui().lblToolbar->parentWidget()->findChildren<QPushButton*>(
                 QRegularExpression(QStringLiteral("^PicBut_")))) {
            if (!button->isVisible())
                continue;
            ++buttons;
            if (available.contains(QRect(button->mapToGlobal(QPoint(0, 0)), button->size())))
                ++buttonsOnScreen;
        }
        // Qt adds an icon's "@2x" file where the screen is denser than 1.
        const bool doubleIcons =
            window->ui().PicBut_0->icon().availableSizes().contains(QSize(64, 64)) &&
            window->ui().PicBut_10->icon().availableSizes().contains(QSize(64, 64));
        PreviewBox& bild = window->Bild();
        const QImage& image = bild.image();
        QString line;
        QTextStream(&line) << ProbeMark << " client " << window->width() << "x" << window->height()
                           << " frame " << window->frameGeometry().width() - window->width()
                           << " onScreen " << available.contains(window->frameGeometry())
                           << " buttons " << buttons << " buttonsOnScreen " << buttonsOnScreen
                           << " preview " << bild.width() << "x" << bild.height() << " image "
                           << image.width() << "x" << image.height() << " ratio "
                           << image.devicePixelRatio() << " doubleIcons " << doubleIcons;
        std::printf("%s\n", qPrintable(line));
    }
};

// Registered only in the process the test starts, so a normal run lists no probe.
const bool probeRegistered = [] {
    if (qEnvironmentVariableIsSet(ProbeVariable))
        ::testing::RegisterTest("ScreenFitProbe", "Measure", nullptr, nullptr, __FILE__, __LINE__,
                                []() -> WindowTest* { return new ScreenFitProbe; });
    return true;
}();

struct ScreenCase {
    const char* scale;
    QSize screen; // device pixels
    QSize client; // the window's size in pixels of the scale
};

// What the probe measured, by name.
QMap<QString, std::string> probe(const ScreenCase& c, const QString& folder) {
    const QString config = folder + QStringLiteral("/screen.json");
    QFile file(config);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral(R"({"screens": [{"name": "virtual", "x": 0, "y": 0, "width": %1, )"
                              R"("height": %2, "logicalDpi": 96, "dpr": 1}]})")
                   .arg(c.screen.width())
                   .arg(c.screen.height())
                   .toUtf8());
    file.close();
    QProcessEnvironment environment = plainEnvironment();
    environment.insert(QString::fromLatin1(ProbeVariable), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("offscreen:configfile=") + config);
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QString::fromLatin1(c.scale));
    const ProgramRun run =
        runProgram(QCoreApplication::applicationFilePath(),
                   {QStringLiteral("--gtest_filter=ScreenFitProbe.*")}, environment);
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.output) << qPrintable(run.errors);
    QMap<QString, std::string> facts;
    for (const QString& line : run.output.split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1String(ProbeMark)))
            continue;
        const QStringList words =
            line.mid(int(qstrlen(ProbeMark))).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (qsizetype i = 0; i + 1 < words.size(); i += 2)
            facts.insert(words[i], words[i + 1].toStdString());
    }
    EXPECT_FALSE(facts.isEmpty()) << qPrintable(run.output) << qPrintable(run.errors);
    return facts;
}

} // namespace

TEST(ScreenFit, TheWindowFitsItsScreenWithEveryToolbarButtonAtEveryScale) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    // A 1400 x 1000 screen is 1400 x 1000, 933 x 667 and 700 x 500 pixels at the three scales,
    // less a pixel where the scale's rounding may have added one; the offscreen platform's frame
    // adds a pixel each side. At 1 nothing changes.
    const ScreenCase cases[] = {
        {"1", {1400, 1000}, {856, 673}},
        {"1.5", {1400, 1000}, {844, 664}},
        {"2", {1400, 1000}, {633, 498}},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(c.scale);
        const QMap<QString, std::string> facts = probe(c, folder.path());
        EXPECT_EQ(
            facts.value("client"),
            QStringLiteral("%1x%2").arg(c.client.width()).arg(c.client.height()).toStdString());
        EXPECT_EQ(facts.value("onScreen"), "1");
        EXPECT_EQ(facts.value("buttons"), "8");
        EXPECT_EQ(facts.value("buttonsOnScreen"), "8");
        // The preview holds a device pixel for every one of the screen.
        const QStringList preview =
            QString::fromStdString(facts.value("preview")).split(QLatin1Char('x'));
        ASSERT_EQ(preview.size(), 2);
        const double ratio = QString::fromLatin1(c.scale).toDouble();
        EXPECT_EQ(facts.value("image"), QStringLiteral("%1x%2")
                                            .arg(qRound(preview[0].toInt() * ratio))
                                            .arg(qRound(preview[1].toInt() * ratio))
                                            .toStdString());
        EXPECT_EQ(std::stod(facts.value("ratio", "0")), ratio);
        EXPECT_EQ(facts.value("doubleIcons"), ratio > 1 ? "1" : "0");
    }
}

TEST(ScreenFit, ShrinksInProportionButKeepsTheToolbarsHeightWhereTheScreenHasIt) {
    const QSize defined(856, 673);
    const QMargins frame(2, 30, 2, 2);
    const struct {
        QSize available;
        QMargins frame;
        QSize expected;
    } cases[] = {
        {{1400, 1000}, frame, {856, 673}}, // room enough: the defined size
        {{860, 705}, frame, {856, 673}},   // just enough with the frame
        {{860, 704}, frame, {854, 672}},   // a pixel short in height
        {{700, 500}, {}, {635, 500}},      // the height limits
        {{600, 1000}, {}, {600, 471}},     // the width limits
        {{400, 1000}, {}, {400, 402}},     // too narrow: the toolbar keeps its height
        {{1400, 300}, frame, {340, 268}},  // too low for the toolbar: the screen wins
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.available.width() << "x" << c.available.height());
        EXPECT_EQ(fittedWindowSize(defined, c.available, c.frame, 402), c.expected);
    }
}
