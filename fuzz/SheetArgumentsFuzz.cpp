// zavolin-sheet's command line: the input split at NUL bytes into arguments, read as the
// command reads them, and a request it accepts held to the ranges its help states.
#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "cli/CommandLine.h"
#include "cli/SheetRequest.h"
#include "platform/base/RuntimeError.h"
#include "sheet/SheetContext.h"

#include <cmath>

namespace zavolin::fuzz {

int fuzzOneSheetArguments(const uint8_t* data, size_t size) {
    QStringList arguments;
    for (const QByteArray& argument : bytesOf(data, size).split('\0'))
        arguments.append(QString::fromUtf8(argument));
    ParsedArguments parsed;
    try {
        parsed = parseSheetArguments(CommandLine(arguments));
    } catch (const RuntimeError& e) {
        check(!e.description().isEmpty(), "an error that says nothing");
        return 0;
    }
    if (!parsed.request)
        return 0;
    const SheetRequest& r = *parsed.request;
    check(r.Denom >= 0 && r.Denom <= 10, "a denomination out of range");
    check(r.Side == 0 || r.Side == 1, "a side out of range");
    check(std::abs(r.LeftMargin) <= MaxPrintOffset, "a left margin out of range");
    check(std::abs(r.TopMargin) <= MaxPrintOffset, "a top margin out of range");
    check(r.copies >= 1 && r.copies <= (r.kind == SheetRequest::Kind::WholeSet ? 99 : 10),
          "copies out of range");
    check(r.pictures.isEmpty() || r.pictureSet.isEmpty(), "two picture sets");
    check(std::abs(r.backOffset.x) <= BackOffset::Limit &&
              std::abs(r.backOffset.y) <= BackOffset::Limit,
          "a back offset out of range");
    const QList<qint16> all = allSetValues();
    for (qsizetype i = 0; i < r.values.size(); ++i) {
        check(all.contains(r.values[i]), "an unknown value in the set");
        check(r.values.indexOf(r.values[i]) == i, "a value twice in the set");
    }
    if (r.output == SheetRequest::Output::Pdf)
        check(r.outputPath.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive),
              "a PDF output not named .pdf");
    if (r.output == SheetRequest::Output::Png)
        check(r.outputPath.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) &&
                  r.kind == SheetRequest::Kind::Page,
              "a PNG output not named .png or not of a page");
    return 0;
}

} // namespace zavolin::fuzz
