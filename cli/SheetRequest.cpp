#include "SheetRequest.h"

#include <QRegularExpression>

namespace zavolin {
namespace {

const QStringList DenominationNames = {
    QStringLiteral("coins"), QStringLiteral("1"),   QStringLiteral("2"),   QStringLiteral("5"),
    QStringLiteral("10"),    QStringLiteral("20"),  QStringLiteral("50"),  QStringLiteral("100"),
    QStringLiteral("200"),   QStringLiteral("500"), QStringLiteral("1000")};

std::optional<int> wholeNumber(const QString& text, int lowest, int highest) {
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]{1,6}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int value = text.toInt();
    if (value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// Applies one option with its value; returns what is wrong, or an empty text.
QString apply(SheetRequest& r, bool& outputSeen, const QString& option, const QString& value) {
    if (option == QLatin1String("--denomination")) {
        const qsizetype i = DenominationNames.indexOf(value.toLower());
        if (i < 0)
            return QStringLiteral("unknown denomination \"%1\" (one of 1, 2, 5, 10, 20, 50, 100, "
                                  "200, 500, 1000, coins)")
                .arg(value);
        r.Denom = qint16(i);
    } else if (option == QLatin1String("--side")) {
        if (value.compare(QLatin1String("front"), Qt::CaseInsensitive) == 0)
            r.Side = 0;
        else if (value.compare(QLatin1String("back"), Qt::CaseInsensitive) == 0)
            r.Side = 1;
        else
            return QStringLiteral("unknown side \"%1\" (front or back)").arg(value);
    } else if (option == QLatin1String("--left-margin") ||
               option == QLatin1String("--top-margin")) {
        const auto mm = wholeNumber(value, -20, 20);
        if (!mm)
            return QStringLiteral("%1 takes a whole number of millimetres from -20 to 20, not "
                                  "\"%2\"")
                .arg(option, value);
        (option == QLatin1String("--left-margin") ? r.LeftMargin : r.TopMargin) = qint16(*mm);
    } else if (option == QLatin1String("--copies")) {
        const auto n = wholeNumber(value, 1, 10);
        if (!n)
            return QStringLiteral("--copies takes a whole number from 1 to 10, not \"%1\"")
                .arg(value);
        r.copies = *n;
    } else if (option == QLatin1String("--pictures")) {
        if (!r.pictureSet.isEmpty())
            return QStringLiteral("give one picture set only: --pictures or --picture-set");
        r.pictures = value;
    } else if (option == QLatin1String("--picture-set")) {
        if (value.isEmpty())
            return QStringLiteral("--picture-set needs a number or a name (see "
                                  "--list-picture-sets)");
        if (!r.pictures.isEmpty())
            return QStringLiteral("give one picture set only: --pictures or --picture-set");
        r.pictureSet = value;
    } else if (option == QLatin1String("--paper")) {
        if (value.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
            r.paper = PdfPaper::A4;
        else if (value.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
            r.paper = PdfPaper::Letter;
        else
            return QStringLiteral("unknown paper \"%1\" (A4 or Letter)").arg(value);
    } else if (option == QLatin1String("--output")) {
        if (outputSeen)
            return QStringLiteral("give one output only: --output FILE.pdf, --output FILE.png "
                                  "or --print");
        outputSeen = true;
        if (value.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            r.output = SheetRequest::Output::Pdf;
        else if (value.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
            r.output = SheetRequest::Output::Png;
        else
            return QStringLiteral("the output \"%1\" must end in .pdf or .png").arg(value);
        r.outputPath = value;
    } else {
        return QStringLiteral("unknown option \"%1\" (see --help)").arg(option);
    }
    return {};
}

bool takesValue(const QString& option) {
    static const QStringList withValue = {
        QStringLiteral("--denomination"), QStringLiteral("--side"),
        QStringLiteral("--left-margin"),  QStringLiteral("--top-margin"),
        QStringLiteral("--copies"),       QStringLiteral("--pictures"),
        QStringLiteral("--paper"),        QStringLiteral("--output"),
        QStringLiteral("--picture-set")};
    return withValue.contains(option);
}

} // namespace

ParsedArguments parseSheetArguments(const QStringList& arguments) {
    ParsedArguments parsed;
    SheetRequest request;
    bool outputSeen = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString option = arguments[i];
        QString value;
        const qsizetype equals = option.indexOf(QLatin1Char('='));
        const bool inlineValue = option.startsWith(QLatin1String("--")) && equals > 0;
        if (inlineValue) {
            value = option.mid(equals + 1);
            option.truncate(equals);
        }
        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            parsed.help = true;
            return parsed;
        }
        if (option == QLatin1String("--list-picture-sets")) {
            parsed.listPictureSets = true;
            continue;
        }
        if (option == QLatin1String("--print")) {
            if (outputSeen) {
                parsed.error = QStringLiteral(
                    "give one output only: --output FILE.pdf, --output FILE.png or --print");
                return parsed;
            }
            outputSeen = true;
            request.output = SheetRequest::Output::Print;
            continue;
        }
        if (takesValue(option) && !inlineValue) {
            if (i + 1 >= arguments.size()) {
                parsed.error = QStringLiteral("%1 needs a value (see --help)").arg(option);
                return parsed;
            }
            value = arguments[++i];
        }
        parsed.error = apply(request, outputSeen, option, value);
        if (!parsed.error.isEmpty())
            return parsed;
    }
    if (parsed.listPictureSets)
        return parsed;
    if (!outputSeen) {
        parsed.error =
            QStringLiteral("say where the sheet goes: --output FILE.pdf, --output FILE.png or "
                           "--print");
        return parsed;
    }
    parsed.request = request;
    return parsed;
}

QString sheetUsage() {
    return QStringLiteral(
        "Usage: zavolin-sheet [--denomination 1|2|5|10|20|50|100|200|500|1000|coins]\n"
        "                     [--side front|back] [--left-margin MM] [--top-margin MM]\n"
        "                     [--copies N] [--pictures FILE | --picture-set N|NAME]\n"
        "                     [--paper A4|Letter]\n"
        "                     (--output FILE.pdf | --output FILE.png | --print)\n"
        "       zavolin-sheet --list-picture-sets\n"
        "\n"
        "Makes one page of Zavolin play money without opening the program's window, with the\n"
        "same page layout and the same drawing as the program.\n"
        "\n"
        "  --denomination V  the banknote value, or coins for the coin sheet (default 1)\n"
        "  --side S          front or back (default front); a back page printed on the\n"
        "                    reverse of its front puts every back behind its front\n"
        "  --left-margin MM  shift the page right by MM whole millimetres, -20 to 20 (default 0)\n"
        "  --top-margin MM   shift the page down by MM whole millimetres, -20 to 20 (default 0)\n"
        "  --copies N        copies to print, 1 to 10 (default 1); a file holds the page once\n"
        "  --pictures FILE   a picture set as one PNG, JPEG or SVG image: 10 rows of 2 cells,\n"
        "                    row d for the d-th value, front left and back right; without it\n"
        "                    the banknotes stay empty\n"
        "  --picture-set N|NAME  the picture set of an installed plug-in (the libraries\n"
        "                    Zavolin*.dll beside the command, as the program finds them): its\n"
        "                    number N in the list of --list-picture-sets, counted from 1, or its\n"
        "                    name as listed there\n"
        "  --list-picture-sets  print the names of the installed picture sets, one a line, in\n"
        "                    the order the program lists them, and make no sheet\n"
        "  --paper P         A4 or Letter for file output (default A4); the page has 5 mm\n"
        "                    unprintable edges, like a common printer\n"
        "  --output FILE.pdf write the page to a PDF file\n"
        "  --output FILE.png write the preview the program shows in a window 673 pixels high\n"
        "  --print           print on the default printer (the PRINTER environment variable\n"
        "                    names another CUPS queue)\n"
        "\n"
        "The environment variable ZAVOLIN_PLUGIN_LIMIT_MS sets how long a plug-in may take for\n"
        "each step, in milliseconds, 1 to 600000 (default 5000); a plug-in that takes longer\n"
        "is ended and reported.\n"
        "\n"
        "Exit status: 0 done; 2 bad input or a failure, with one line on standard error and\n"
        "no output file left behind.\n");
}

} // namespace zavolin
