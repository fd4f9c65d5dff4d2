#include "SheetRequest.h"

#include "platform/base/RuntimeError.h"
#include "serials/SerialCode.h"
#include "sheet/BackOffsetText.h"
#include "sheet/SheetContext.h"

#include <QRegularExpression>
#include <QSet>

namespace zavolin {
namespace {

std::optional<int> wholeNumber(const QString& text, int lowest, int highest) {
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]{1,6}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int value = text.toInt();
    if (value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// The most copies of a whole set: a class set with some to spare.
constexpr int MaxSetCopies = 99;
constexpr int MaxPageCopies = 10;

// Applies one option with its value; returns what is wrong, or an empty text.
// `each` and `children` keep --each and --children until both are read.
QString apply(SheetRequest& r, bool& outputSeen, ValueCounts& each, int& children,
              const QString& option, const QString& value) {
    if (option == QLatin1String("--values")) {
        QList<qint16> values;
        for (const QString& name : value.split(QLatin1Char(','))) {
            const std::optional<qint16> i = valueFromKey(name);
            if (!i)
                return QStringLiteral("unknown value \"%1\" in --values (a comma-separated list "
                                      "of 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, coins)")
                    .arg(name.trimmed());
            if (values.contains(*i))
                return QStringLiteral("--values names \"%1\" twice").arg(name.trimmed());
            values.append(*i);
        }
        // Printed in the set's own order, whatever order the list gives.
        r.values.clear();
        for (const qint16 v : allSetValues())
            if (values.contains(v))
                r.values.append(v);
    } else if (option == QLatin1String("--duplex")) {
        const std::optional<SetSides> way = setSidesNamed(value);
        if (!way)
            return QStringLiteral("unknown --duplex \"%1\" (printer, manual, none or backs)")
                .arg(value);
        r.sides = *way;
        r.sidesGiven = true;
    } else if (option == QLatin1String("--back-offset")) {
        const auto offset = parseBackOffset(value);
        if (!offset)
            return QStringLiteral("--back-offset takes X,Y in millimetres from -10 to 10 in steps "
                                  "of 0.1, such as 1.5,-2, not \"%1\"")
                .arg(value);
        r.backOffset = *offset;
    } else if (option == QLatin1String("--columns")) {
        const std::optional<ColumnLayout> columns = columnLayoutNamed(value);
        if (!columns)
            return QStringLiteral("--columns takes 1 or auto, not \"%1\"").arg(value);
        r.columns = *columns;
    } else if (option == QLatin1String("--denomination")) {
        const std::optional<qint16> i = valueFromKey(value);
        if (!i || value != value.trimmed())
            return QStringLiteral("unknown denomination \"%1\" (one of 1, 2, 5, 10, 20, 50, 100, "
                                  "200, 500, 1000, coins)")
                .arg(value);
        r.Denom = *i;
    } else if (option == QLatin1String("--side")) {
        if (value.compare(QLatin1String("front"), Qt::CaseInsensitive) == 0)
            r.Side = 0;
        else if (value.compare(QLatin1String("back"), Qt::CaseInsensitive) == 0)
            r.Side = 1;
        else
            return QStringLiteral("unknown side \"%1\" (front or back)").arg(value);
    } else if (option == QLatin1String("--left-margin") ||
               option == QLatin1String("--top-margin")) {
        const auto mm = wholeNumber(value, -MaxPrintOffset, MaxPrintOffset);
        if (!mm)
            return QStringLiteral("%1 takes a whole number of millimetres from -%2 to %2, not "
                                  "\"%3\"")
                .arg(option)
                .arg(MaxPrintOffset)
                .arg(value);
        (option == QLatin1String("--left-margin") ? r.LeftMargin : r.TopMargin) = qint16(*mm);
    } else if (option == QLatin1String("--copies")) {
        // The range depends on what is made; checked once all options are read.
        const auto n = wholeNumber(value, 1, MaxSetCopies);
        if (!n)
            return QStringLiteral("--copies takes a whole number from 1 to %1, not \"%2\"")
                .arg(r.kind == SheetRequest::Kind::WholeSet ? MaxSetCopies : MaxPageCopies)
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
    } else if (option == QLatin1String("--serials")) {
        if (const QString problem = serialPrefixProblem(value); !problem.isEmpty())
            return QStringLiteral("--serials: %1").arg(problem);
        r.serialPrefix = normalPrefix(value);
    } else if (option == QLatin1String("--paper")) {
        const std::optional<StandardPaper> paper = paperNamed(value);
        if (!paper)
            return QStringLiteral("unknown paper \"%1\" (A4, Letter, A5 or Legal)").arg(value);
        r.paper = *paper;
        r.paperGiven = true;
    } else if (option == QLatin1String("--printer")) {
        if (value.trimmed().isEmpty())
            return QStringLiteral("--printer needs the name of a printer queue (lpstat -e "
                                  "lists them)");
        r.printer = value.trimmed();
    } else if (option == QLatin1String("--notes") || option == QLatin1String("--each")) {
        try {
            (option == QLatin1String("--notes") ? r.counts.emplace() : each) = parseCounts(value);
        } catch (const RuntimeError& e) {
            return QStringLiteral("%1: %2").arg(option, e.description());
        }
    } else if (option == QLatin1String("--children")) {
        const auto n = wholeNumber(value, 1, MaxValueCount);
        if (!n)
            return QStringLiteral("--children takes a whole number from 1 to %1, not \"%2\"")
                .arg(MaxValueCount)
                .arg(value);
        children = *n;
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
        QStringLiteral("--picture-set"),  QStringLiteral("--values"),
        QStringLiteral("--duplex"),       QStringLiteral("--back-offset"),
        QStringLiteral("--columns"),      QStringLiteral("--template"),
        QStringLiteral("--printer"),      QStringLiteral("--notes"),
        QStringLiteral("--children"),     QStringLiteral("--each"),
        QStringLiteral("--serials")};
    return withValue.contains(option);
}

// What is wrong with the options taken together; an empty text when nothing is.
QString checkCombination(const SheetRequest& r, const QSet<QString>& seen) {
    using Kind = SheetRequest::Kind;
    const auto first = [&](const QStringList& options) {
        for (const QString& option : options)
            if (seen.contains(option))
                return option;
        return QString();
    };
    if (seen.contains(QStringLiteral("--printer")) && r.output != SheetRequest::Output::Print)
        return QStringLiteral("--printer goes with --print");
    if (r.kind == Kind::Page) {
        const QString setOnly = first({QStringLiteral("--values"), QStringLiteral("--duplex"),
                                       QStringLiteral("--back-offset")});
        if (!setOnly.isEmpty())
            return QStringLiteral("%1 goes with --whole-set or --calibration only").arg(setOnly);
        const QString wholeSetOnly = first({QStringLiteral("--notes"), QStringLiteral("--children"),
                                            QStringLiteral("--each"), QStringLiteral("--plan"),
                                            QStringLiteral("--serials")});
        if (!wholeSetOnly.isEmpty())
            return QStringLiteral("%1 goes with --whole-set only").arg(wholeSetOnly);
        if (r.copies > MaxPageCopies)
            return QStringLiteral("--copies takes a whole number from 1 to %1, not \"%2\"")
                .arg(MaxPageCopies)
                .arg(r.copies);
        return {};
    }
    const QString name =
        r.kind == Kind::WholeSet ? QStringLiteral("--whole-set") : QStringLiteral("--calibration");
    QStringList notWith = {QStringLiteral("--denomination"), QStringLiteral("--side")};
    if (r.kind == Kind::Calibration)
        notWith << QStringLiteral("--values") << QStringLiteral("--copies")
                << QStringLiteral("--notes") << QStringLiteral("--children")
                << QStringLiteral("--each") << QStringLiteral("--plan")
                << QStringLiteral("--columns") << QStringLiteral("--pictures")
                << QStringLiteral("--picture-set") << QStringLiteral("--left-margin")
                << QStringLiteral("--top-margin") << QStringLiteral("--serials");
    if (const QString option = first(notWith); !option.isEmpty())
        return QStringLiteral("%1 does not go with %2").arg(option, name);
    const bool byChildren =
        seen.contains(QStringLiteral("--children")) || seen.contains(QStringLiteral("--each"));
    if (byChildren && seen.contains(QStringLiteral("--notes")))
        return QStringLiteral("give --notes or --children with --each, not both");
    if (byChildren &&
        !(seen.contains(QStringLiteral("--children")) && seen.contains(QStringLiteral("--each"))))
        return QStringLiteral("--children and --each go together: --children 30 --each 10");
    if (r.counts && seen.contains(QStringLiteral("--values")))
        return QStringLiteral("--values does not go with counted notes: a value counted 0 is left "
                              "out");
    if (r.counts && countsText(*r.counts).isEmpty())
        return QStringLiteral("nothing to print: every value is counted 0");
    if (r.output == SheetRequest::Output::Png)
        return QStringLiteral("%1 writes a PDF file (--output FILE.pdf) or prints (--print), not "
                              "a PNG")
            .arg(name);
    if (r.kind == Kind::Calibration &&
        (r.sides == SetSides::FrontsOnly || r.sides == SetSides::BacksOnly))
        return QStringLiteral("--calibration needs both sides: --duplex printer or manual");
    return {};
}

} // namespace

ParsedArguments parseSheetArguments(const QStringList& arguments) {
    ParsedArguments parsed;
    SheetRequest request;
    bool outputSeen = false;
    QSet<QString> seen;
    QStringList given; // every option, in order
    ValueCounts each;
    int children = 0;
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
        if (option == QLatin1String("--version")) {
            parsed.version = true;
            return parsed;
        }
        given.append(option);
        if (option == QLatin1String("--list-picture-sets")) {
            parsed.listPictureSets = true;
            continue;
        }
        if (option == QLatin1String("--whole-set") || option == QLatin1String("--calibration")) {
            if (request.kind != SheetRequest::Kind::Page) {
                parsed.error = QStringLiteral("give one of --whole-set and --calibration");
                return parsed;
            }
            request.kind = option == QLatin1String("--whole-set") ? SheetRequest::Kind::WholeSet
                                                                  : SheetRequest::Kind::Calibration;
            continue;
        }
        if (option == QLatin1String("--plan")) {
            request.planOnly = true;
            seen.insert(option);
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
        if (option == QLatin1String("--template")) {
            if (!value.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) &&
                !value.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
                !value.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
                parsed.error =
                    QStringLiteral("the template \"%1\" must end in .svg, .png or .pdf (drawing "
                                   "pages)")
                        .arg(value);
                return parsed;
            }
            parsed.templatePath = value;
            continue;
        }
        parsed.error = apply(request, outputSeen, each, children, option, value);
        if (!parsed.error.isEmpty())
            return parsed;
        seen.insert(option);
    }
    // The template is a file of its own: nothing of a sheet or a list applies to it, but the
    // drawing pages are laid out on a paper and may hold some values only.
    if (!parsed.templatePath.isEmpty()) {
        given.removeOne(QStringLiteral("--template"));
        if (parsed.templatePath.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
            given.removeAll(QStringLiteral("--paper"));
            parsed.templatePaper = request.paper;
            parsed.templateValues = request.values;
            parsed.templateValues.removeAll(0);
            if (given.removeAll(QStringLiteral("--values")) > 0 && request.values.contains(0)) {
                parsed.error = QStringLiteral("the drawing pages hold banknotes only: give "
                                              "--values from 1, 2, 5, 10, 20, 50, 100, 200, 500, "
                                              "1000");
                return parsed;
            }
        }
        if (!given.isEmpty()) {
            parsed.error = given.contains(QStringLiteral("--template"))
                               ? QStringLiteral("give one --template only")
                               : QStringLiteral("--template goes with no other option (a .pdf "
                                                "with --paper and --values only), not with %1")
                                     .arg(given.first());
        }
        return parsed;
    }
    if (parsed.listPictureSets)
        return parsed;
    if (children > 0 && !each.isEmpty())
        request.counts = countsForChildren(children, each);
    if (!outputSeen && !request.planOnly) {
        parsed.error =
            QStringLiteral("say where the sheet goes: --output FILE.pdf, --output FILE.png or "
                           "--print");
        return parsed;
    }
    parsed.error = checkCombination(request, seen);
    if (!parsed.error.isEmpty())
        return parsed;
    parsed.request = request;
    return parsed;
}

QString sheetUsage() {
    return QStringLiteral(
               "Usage: zavolin-sheet [--denomination 1|2|5|10|20|50|100|200|500|1000|coins]\n"
               "                     [--side front|back] [--left-margin MM] [--top-margin MM]\n"
               "                     [--copies N] [--pictures FILE | --picture-set N|NAME]\n"
               "                     [--paper A4|Letter|A5|Legal] [--columns 1|auto]\n"
               "                     (--output FILE.pdf | --output FILE.png | --print [--printer "
               "Q])\n"
               "       zavolin-sheet --whole-set [--values LIST | --notes COUNTS |\n"
               "                     --children N --each COUNTS] [--duplex "
               "printer|manual|none|backs]\n"
               "                     [--back-offset X,Y] [--copies N] [--left-margin MM]\n"
               "                     [--top-margin MM] [--pictures FILE | --picture-set N|NAME]\n"
               "                     [--paper A4|Letter|A5|Legal] [--columns 1|auto]\n"
               "                     [--serials PREFIX]\n"
               "                     (--output FILE.pdf | --print [--printer Q]) [--plan]\n"
               "       zavolin-sheet --calibration [--back-offset X,Y] [--duplex printer|manual]\n"
               "                     [--paper A4|Letter|A5|Legal]\n"
               "                     (--output FILE.pdf | --print [--printer Q])\n"
               "       zavolin-sheet --check-serial SERIAL | --export-register FILE.csv\n"
               "       zavolin-sheet --list-picture-sets\n"
               "       zavolin-sheet --add-picture-set NAME --from FILE|FOLDER "
               "[--accept-warnings]\n"
               "       zavolin-sheet --remove-picture-set NAME\n"
               "       zavolin-sheet --template FILE.svg|FILE.png\n"
               "       zavolin-sheet --template FILE.pdf [--paper A4|Letter|A5|Legal] [--values "
               "LIST]\n"
               "       zavolin-sheet --help | --version\n"
               "\n"
               "Makes Zavolin play money without opening the program's window, with the same page\n"
               "layout and the same drawing as the program.\n"
               "\n"
               "  --denomination V  the banknote value, or coins for the coin sheet (default 1)\n"
               "  --side S          front or back (default front); a back page printed on the\n"
               "                    reverse of its front puts every back behind its front\n"
               "  --left-margin MM  shift the page right by MM whole millimetres, -%1 to %1 "
               "(default 0)\n"
               "  --top-margin MM   shift the page down by MM whole millimetres, -%1 to %1 "
               "(default 0)\n"
               "  --copies N        copies to print, 1 to 10 (default 1); a file holds the page "
               "once.\n"
               "                    With --whole-set 1 to 99: printed as collated copies of the "
               "set;\n"
               "                    a file holds each front and its back that many times in a row\n"
               "  --pictures FILE   a picture set as one PNG, JPEG or SVG image: 10 rows of 2 "
               "cells,\n"
               "                    row d for the d-th value, front left and back right; without "
               "it\n"
               "                    the banknotes stay empty\n"
               "  --picture-set N|NAME  the picture set of an installed plug-in (the libraries\n"
               "                    Zavolin*.dll beside the command, as the program finds them): "
               "its\n"
               "                    number N in the list of --list-picture-sets, counted from 1, "
               "or its\n"
               "                    name as listed there\n"
               "  --list-picture-sets  print the names of the installed picture sets, one a line, "
               "in\n"
               "                    the order the program lists them (your own marked \"(own)\" "
               "after\n"
               "                    the plug-ins'), and make no sheet\n"
               "  --add-picture-set NAME --from FILE|FOLDER  make a picture set of your own from "
               "one\n"
               "                    picture of the grid (PNG, JPEG or SVG, 10 rows of values by "
               "front\n"
               "                    and back, or the drawing template filled in) or from a folder "
               "of\n"
               "                    pictures named VALUE-front.png and VALUE-back.png (or .jpg, "
               ".svg),\n"
               "                    or from scanned drawing pages (see --template): a PDF, a "
               "picture,\n"
               "                    or a folder of them, in any order and turned any way;\n"
               "                    the checks' warnings are asked about unless --accept-warnings\n"
               "  --remove-picture-set NAME  remove a picture set of your own\n"
               "  --template FILE   write a drawing template for making one's own banknote "
               "pictures,\n"
               "                    as SVG or as a PNG image at 300 dpi, and make no sheet: a "
               "frame of\n"
               "                    each note's printed size, fronts left and backs right, a "
               "dashed\n"
               "                    line 2 mm inside each; goes with no other option. As "
               "FILE.pdf:\n"
               "                    pages to print and draw on by hand, frames at the notes' true\n"
               "                    size on the --paper, for the --values given (default all), "
               "with\n"
               "                    a code in each corner; the scanned pages make a picture set "
               "with\n"
               "                    --add-picture-set NAME --from SCAN.pdf\n"
               "  --columns 1|auto  one centred column of notes (default), or as many columns side "
               "by\n"
               "                    side as fit the paper; the coin sheet keeps one\n"
               "  --paper P         A4, Letter, A5 or Legal for file output (default A4); the "
               "page\n"
               "                    has 5 mm unprintable edges, like a common printer. With "
               "--print,\n"
               "                    that paper of the printer instead of its own\n"
               "  --output FILE.pdf write the page to a PDF file\n"
               "  --output FILE.png write the preview the program shows in a window 673 pixels "
               "high\n"
               "  --print           print on the default printer (the PRINTER environment "
               "variable\n"
               "                    names another CUPS queue)\n"
               "  --printer Q       print on the CUPS queue Q instead (lpstat -e lists them)\n"
               "\n"
               "  --whole-set       every chosen value, each front followed by its back, the "
               "backs\n"
               "                    placed to lie behind their fronts when the sheet is turned "
               "over\n"
               "                    about its long edge; each page says in a grey line what it is\n"
               "  --values LIST     the values of the set, comma-separated, from 1, 2, 5, 10, 20, "
               "50,\n"
               "                    100, 200, 500, 1000, coins (default all), printed in that "
               "order;\n"
               "                    one sheet of each\n"
               "  --notes COUNTS    the notes wanted of each value (coin strips for coins), 0 to "
               "9999,\n"
               "                    such as 1=300,2=300,1000=60,coins=30; values not named get 0. "
               "Each\n"
               "                    value gets as many sheets as its count needs on the layout, "
               "all\n"
               "                    in one job; --copies then repeats the whole counted set\n"
               "  --children N --each COUNTS  the same for a class: N children (1 to 9999), each\n"
               "                    getting COUNTS of the values, such as 10 (every value),\n"
               "                    1=10,1000=2 or 10,coins=1 (a bare number for the values not "
               "named)\n"
               "  --serials PREFIX  a serial on every note, front and back: PREFIX (1 to 6 "
               "letters\n"
               "                    or digits, such as the class), a number going on from the "
               "last\n"
               "                    print with that prefix, and a check code only this user's key\n"
               "                    makes, such as 3B-0042-KX7; each copy's notes their own, each\n"
               "                    note in the register (~/.local/share/Zavolin/serials)\n"
               "  --check-serial SERIAL  say whether a note's serial was issued here (exit 0), "
               "and\n"
               "                    its value and date, or why not (exit 1)\n"
               "  --export-register FILE.csv  write the register of issued serials to FILE\n"
               "  --plan            print what the set takes and make nothing: for each value the\n"
               "                    notes wanted, the notes a page holds, its pages and the notes "
               "you\n"
               "                    get; then the sheets of paper, measured on the printer's or "
               "the\n"
               "                    file's paper\n"
               "  --duplex WAY      printer: the printer prints both sides (default; it must be "
               "able\n"
               "                    to); manual: the fronts are printed, then the command waits "
               "for\n"
               "                    Enter while the stack is turned over and put back, then the "
               "backs;\n"
               "                    none: fronts only; backs: backs only. A file holds fronts and\n"
               "                    backs for printer and manual\n"
               "  --back-offset X,Y move every back X mm right and Y mm down as seen on the back,\n"
               "                    -10 to 10 in steps of 0.1 (default 0,0), to make up for where "
               "the\n"
               "                    printer puts the backs; measure it with --calibration\n"
               "  --calibration     the calibration sheet, which explains itself in the program's\n"
               "                    language: a millimetre scale for right and one for down on "
               "the\n"
               "                    front, a vernier behind each on the back. Held against the "
               "light,\n"
               "                    each reads to 0.1 mm the number to add to X (right) or Y "
               "(down)\n"
               "                    of --back-offset. Printed on both sides when the printer can,\n"
               "                    else turned by hand as with --duplex manual\n"
               "\n"
               "  -h, --help        print this text and end\n"
               "  --version         print the command's version, \"zavolin-sheet VERSION\", and "
               "end\n"
               "\n"
               "The environment variable ZAVOLIN_PLUGIN_LIMIT_MS sets how long a plug-in may take "
               "for\n"
               "each step, in milliseconds, 1 to 600000 (default 5000); a plug-in that takes "
               "longer\n"
               "is ended and reported.\n"
               "\n"
               "Exit status: 0 done; 1 a serial that is not valid (--check-serial); 2 bad input or "
               "a\n"
               "failure, with one line on standard error and no output file left behind.\n")
        .arg(MaxPrintOffset);
}

} // namespace zavolin
