// The own-picture import on a grid picture or a folder of pictures made from the input.
// The first byte chooses the form:
//   0  one grid picture: the second byte chooses its extension, the rest is the picture;
//   1  a folder with the rest as every front (and as every back when bit 2 of the first byte
//      is set), the second byte choosing the extension;
//   2  a folder of files from records: a name byte, a length byte, that many bytes.
#include "FuzzSupport.h"
#include "FuzzTargets.h"
#include "ownsets/OwnSetImport.h"
#include "platform/base/ValueNames.h"
#include "sheet/SizeNotes.h"

#include <array>

namespace zavolin::fuzz {
namespace {

const std::array<const char*, 4> Extensions = {"png", "jpg", "jpeg", "svg"};

QString extension(uint8_t choice) {
    return QLatin1String(Extensions[choice % Extensions.size()]);
}

QString pictureName(int value, bool back, const QString& ext) {
    return QStringLiteral("%1-%2.%3")
        .arg(valueName(qint16(value + 1)), back ? QLatin1String("back") : QLatin1String("front"),
             ext);
}

// Names a folder may hold: every picture name in each extension and letter case, and others
// that are passed over.
QString recordName(uint8_t choice) {
    if (choice < 80)
        return pictureName(choice % 10, (choice / 10) % 2, extension(choice / 20));
    if (choice < 100)
        return pictureName(choice % 10, choice % 2, QStringLiteral("PNG")).toUpper();
    return QStringLiteral("notes-%1.txt").arg(choice);
}

const SizeTable& sizes() {
    static const SizeTable table = [] {
        SizeTable t;
        SizeNotes(t);
        return t;
    }();
    return table;
}

} // namespace

int fuzzOneOwnSetImport(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    const uint8_t form = data[0];
    const QString ext = extension(data[1]);
    const QByteArray rest = bytesOf(data + 2, size - 2);
    const QString folder = freshFolder();
    QString source = folder;
    switch (form % 3) {
    case 0:
        source = writeFile(folder, QStringLiteral("set.") + ext, rest);
        break;
    case 1:
        for (int value = 0; value < 10; ++value) {
            writeFile(folder, pictureName(value, false, ext), rest);
            if (form & 4)
                writeFile(folder, pictureName(value, true, ext), rest);
        }
        break;
    default:
        for (qsizetype at = 2; at + 1 < qsizetype(size);) {
            const QString name = recordName(data[at]);
            const qsizetype length = qMin<qsizetype>(data[at + 1], qsizetype(size) - at - 2);
            writeFile(folder, name, bytesOf(data + at + 2, size_t(length)));
            at += 2 + length;
        }
        break;
    }
    const PreparedSet set = prepareOwnSet(source, sizes());
    check(set.stopped() == set.grid.isEmpty(), "a stopped set with a grid, or a set without");
    if (!set.stopped())
        check(set.extension == QLatin1String("png") || set.extension == QLatin1String("jpg") ||
                  set.extension == QLatin1String("svg"),
              "a grid of an unknown kind");
    for (const ImportFinding& finding : set.findings)
        check(!finding.text.isEmpty(), "a finding that says nothing");
    return 0;
}

} // namespace zavolin::fuzz
