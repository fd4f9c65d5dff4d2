#include "SheetRequest.h"

#include "CommandLine.h"
#include "platform/base/RuntimeError.h"
#include "serials/SerialCode.h"
#include "sheet/BackOffsetText.h"
#include "sheet/SheetContext.h"

#include <QRegularExpression>

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

// Applies one option with its value, knowing the kind of sheet; raises what is wrong with the
// value. `each` and `children` keep --each and --children until both are read.
void apply(SheetRequest& r, ValueCounts& each, int& children, const QString& option,
           const QString& value) {
    if (option == QLatin1String("--values")) {
        QList<qint16> values;
        for (const QString& name : value.split(QLatin1Char(','))) {
            const std::optional<qint16> i = valueFromKey(name);
            if (!i)
                badArguments(QStringLiteral("unknown value \"%1\" in --values (a comma-separated "
                                            "list of 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, "
                                            "coins)")
                                 .arg(name.trimmed()));
            if (values.contains(*i))
                badArguments(QStringLiteral("--values names \"%1\" twice").arg(name.trimmed()));
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
            badArguments(QStringLiteral("unknown --duplex \"%1\" (printer, manual, none or backs)")
                             .arg(value));
        r.sides = *way;
        r.sidesGiven = true;
    } else if (option == QLatin1String("--back-offset")) {
        const auto offset = parseBackOffset(value);
        if (!offset)
            badArguments(QStringLiteral("--back-offset takes X,Y in millimetres from -10 to 10 in "
                                        "steps of 0.1, such as 1.5,-2, not \"%1\"")
                             .arg(value));
        r.backOffset = *offset;
    } else if (option == QLatin1String("--columns")) {
        const std::optional<ColumnLayout> columns = columnLayoutNamed(value);
        if (!columns)
            badArguments(QStringLiteral("--columns takes 1 or auto, not \"%1\"").arg(value));
        r.columns = *columns;
    } else if (option == QLatin1String("--denomination")) {
        const std::optional<qint16> i = valueFromKey(value);
        if (!i || value != value.trimmed())
            badArguments(QStringLiteral("unknown denomination \"%1\" (one of 1, 2, 5, 10, 20, 50, "
                                        "100, 200, 500, 1000, coins)")
                             .arg(value));
        r.Denom = *i;
    } else if (option == QLatin1String("--side")) {
        if (value.compare(QLatin1String("front"), Qt::CaseInsensitive) == 0)
            r.Side = 0;
        else if (value.compare(QLatin1String("back"), Qt::CaseInsensitive) == 0)
            r.Side = 1;
        else
            badArguments(QStringLiteral("unknown side \"%1\" (front or back)").arg(value));
    } else if (option == QLatin1String("--left-margin") ||
               option == QLatin1String("--top-margin")) {
        const auto mm = wholeNumber(value, -MaxPrintOffset, MaxPrintOffset);
        if (!mm)
            badArguments(QStringLiteral("%1 takes a whole number of millimetres from -%2 to %2, "
                                        "not \"%3\"")
                             .arg(option)
                             .arg(MaxPrintOffset)
                             .arg(value));
        (option == QLatin1String("--left-margin") ? r.LeftMargin : r.TopMargin) = qint16(*mm);
    } else if (option == QLatin1String("--copies")) {
        // A whole set is printed as collated copies, more of them than of a page; the
        // calibration sheet takes none (checkCombination).
        const int most = r.kind == SheetRequest::Kind::WholeSet ? MaxSetCopies : MaxPageCopies;
        const auto n = wholeNumber(value, 1, most);
        if (!n)
            badArguments(QStringLiteral("--copies takes a whole number from 1 to %1, not \"%2\"")
                             .arg(most)
                             .arg(value));
        r.copies = *n;
    } else if (option == QLatin1String("--pictures")) {
        r.pictures = value;
    } else if (option == QLatin1String("--picture-set")) {
        if (value.isEmpty())
            badArguments(QStringLiteral("--picture-set needs a number or a name (see "
                                        "--list-picture-sets)"));
        r.pictureSet = value;
    } else if (option == QLatin1String("--serials")) {
        if (const QString problem = serialPrefixProblem(value); !problem.isEmpty())
            badArguments(QStringLiteral("--serials: %1").arg(problem));
        r.serialPrefix = normalPrefix(value);
    } else if (option == QLatin1String("--paper")) {
        const std::optional<StandardPaper> paper = paperNamed(value);
        if (!paper)
            badArguments(
                QStringLiteral("unknown paper \"%1\" (A4, Letter, A5 or Legal)").arg(value));
        r.paper = *paper;
        r.paperGiven = true;
    } else if (option == QLatin1String("--printer")) {
        if (value.trimmed().isEmpty())
            badArguments(QStringLiteral("--printer needs the name of a printer queue (lpstat -e "
                                        "lists them)"));
        r.printer = value.trimmed();
    } else if (option == QLatin1String("--notes") || option == QLatin1String("--each")) {
        try {
            (option == QLatin1String("--notes") ? r.counts.emplace() : each) = parseCounts(value);
        } catch (const RuntimeError& e) {
            badArguments(QStringLiteral("%1: %2").arg(option, e.description()));
        }
    } else if (option == QLatin1String("--children")) {
        const auto n = wholeNumber(value, 1, MaxValueCount);
        if (!n)
            badArguments(QStringLiteral("--children takes a whole number from 1 to %1, not \"%2\"")
                             .arg(MaxValueCount)
                             .arg(value));
        children = *n;
    } else if (option == QLatin1String("--output")) {
        if (value.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            r.output = SheetRequest::Output::Pdf;
        else if (value.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
            r.output = SheetRequest::Output::Png;
        else
            badArguments(QStringLiteral("the output \"%1\" must end in .pdf or .png").arg(value));
        r.outputPath = value;
    } else if (option == QLatin1String("--template")) {
        if (!value.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive) &&
            !value.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
            !value.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            badArguments(QStringLiteral("the template \"%1\" must end in .svg, .png or .pdf "
                                        "(drawing pages)")
                             .arg(value));
    }
}

// The template is a file of its own: nothing of a sheet or a list applies to it, but the
// drawing pages are laid out on a paper and may hold some values only.
void readTemplate(const CommandLine& line, const SheetRequest& r, ParsedArguments& parsed) {
    parsed.templatePath = line.value(QStringLiteral("--template"));
    QStringList others = line.given();
    others.removeOne(QStringLiteral("--template"));
    if (parsed.templatePath.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        others.removeAll(QStringLiteral("--paper"));
        parsed.templatePaper = r.paper;
        parsed.templateValues = r.values;
        parsed.templateValues.removeAll(0);
        if (others.removeAll(QStringLiteral("--values")) > 0 && r.values.contains(0))
            badArguments(QStringLiteral("the drawing pages hold banknotes only: give --values "
                                        "from 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000"));
    }
    if (others.contains(QStringLiteral("--template")))
        badArguments(QStringLiteral("give one --template only"));
    if (!others.isEmpty())
        badArguments(QStringLiteral("--template goes with no other option (a .pdf with --paper "
                                    "and --values only), not with %1")
                         .arg(others.first()));
}

// Raises what is wrong with the options of a sheet taken together.
void checkCombination(const SheetRequest& r, const CommandLine& line) {
    using Kind = SheetRequest::Kind;
    if (line.has(QStringLiteral("--printer")) && r.output != SheetRequest::Output::Print)
        badArguments(QStringLiteral("--printer goes with --print"));
    if (r.kind == Kind::Page) {
        const QString setOnly =
            line.firstOf({QStringLiteral("--values"), QStringLiteral("--duplex"),
                          QStringLiteral("--back-offset")});
        if (!setOnly.isEmpty())
            badArguments(
                QStringLiteral("%1 goes with --whole-set or --calibration only").arg(setOnly));
        const QString wholeSetOnly = line.firstOf(
            {QStringLiteral("--notes"), QStringLiteral("--children"), QStringLiteral("--each"),
             QStringLiteral("--plan"), QStringLiteral("--serials")});
        if (!wholeSetOnly.isEmpty())
            badArguments(QStringLiteral("%1 goes with --whole-set only").arg(wholeSetOnly));
        return;
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
    if (const QString option = line.firstOf(notWith); !option.isEmpty())
        badArguments(QStringLiteral("%1 does not go with %2").arg(option, name));
    const bool children = line.has(QStringLiteral("--children"));
    const bool each = line.has(QStringLiteral("--each"));
    if ((children || each) && line.has(QStringLiteral("--notes")))
        badArguments(QStringLiteral("give --notes or --children with --each, not both"));
    if (children != each)
        badArguments(QStringLiteral("--children and --each go together: --children 30 --each 10"));
    if (r.counts && line.has(QStringLiteral("--values")))
        badArguments(QStringLiteral("--values does not go with counted notes: a value counted 0 "
                                    "is left out"));
    if (r.counts && countsText(*r.counts).isEmpty())
        badArguments(QStringLiteral("nothing to print: every value is counted 0"));
    if (r.output == SheetRequest::Output::Png)
        badArguments(QStringLiteral("%1 writes a PDF file (--output FILE.pdf) or prints "
                                    "(--print), not a PNG")
                         .arg(name));
    if (r.kind == Kind::Calibration &&
        (r.sides == SetSides::FrontsOnly || r.sides == SetSides::BacksOnly))
        badArguments(QStringLiteral("--calibration needs both sides: --duplex printer or manual"));
}

} // namespace

ParsedArguments parseSheetArguments(const CommandLine& line) {
    using Kind = SheetRequest::Kind;
    if (const std::optional<QString> option = line.stranger(CommandPart::Sheet))
        badArguments(QStringLiteral("unknown option \"%1\" (see --help)").arg(*option));
    if (const QString option = line.withoutValue(); !option.isEmpty())
        badArguments(QStringLiteral("%1 needs a value (see --help)").arg(option));
    ParsedArguments parsed;
    parsed.help = line.has(QStringLiteral("--help"));
    parsed.version = !parsed.help && line.has(QStringLiteral("--version"));
    if (parsed.help || parsed.version)
        return parsed;

    SheetRequest request;
    const qsizetype kinds =
        line.count(QStringLiteral("--whole-set")) + line.count(QStringLiteral("--calibration"));
    if (kinds > 1)
        badArguments(QStringLiteral("give one of --whole-set and --calibration"));
    if (line.has(QStringLiteral("--whole-set")))
        request.kind = Kind::WholeSet;
    else if (line.has(QStringLiteral("--calibration")))
        request.kind = Kind::Calibration;
    request.planOnly = line.has(QStringLiteral("--plan"));

    // Every value checked, the options in the order first given; of one given twice, the last
    // value counts.
    ValueCounts each;
    int children = 0;
    QStringList options = line.given();
    options.removeDuplicates();
    for (const QString& option : options)
        for (const QString& value : line.values(option))
            apply(request, each, children, option, value);
    if (line.count(QStringLiteral("--output")) + line.count(QStringLiteral("--print")) > 1)
        badArguments(QStringLiteral("give one output only: --output FILE.pdf, --output FILE.png "
                                    "or --print"));
    if (line.has(QStringLiteral("--pictures")) && line.has(QStringLiteral("--picture-set")))
        badArguments(QStringLiteral("give one picture set only: --pictures or --picture-set"));

    if (line.has(QStringLiteral("--template"))) {
        readTemplate(line, request, parsed);
        return parsed;
    }
    parsed.listPictureSets = line.has(QStringLiteral("--list-picture-sets"));
    if (parsed.listPictureSets)
        return parsed;
    if (children > 0 && !each.isEmpty())
        request.counts = countsForChildren(children, each);
    if (!line.has(QStringLiteral("--output")) && !line.has(QStringLiteral("--print")) &&
        !request.planOnly)
        badArguments(QStringLiteral("say where the sheet goes: --output FILE.pdf, --output "
                                    "FILE.png or --print"));
    checkCombination(request, line);
    parsed.request = request;
    return parsed;
}

} // namespace zavolin
