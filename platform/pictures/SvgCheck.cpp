#include "SvgCheck.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QHash>
#include <QImageReader>
#include <QList>
#include <QMutex>
#include <QSet>
#include <QUrl>
#include <QXmlStreamReader>
#include <functional>
#include <zlib.h>

namespace zavolin {
namespace {

// Deeper than any drawing program nests; the reader and the painter recurse once per level.
constexpr int MaxDepth = 256;
// Elements drawn, with every <use> counted as the elements it draws: a few seconds of work.
constexpr qint64 MaxDrawnElements = 2'000'000;
// An SVG picture inside an SVG picture inside ...: each level is checked, to this depth.
constexpr int MaxNestedDocuments = 4;

QByteArray gunzip(const QByteArray& data) {
    z_stream stream{};
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        return {};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    QByteArray out;
    constexpr qsizetype Chunk = 64 * 1024;
    int rc = Z_OK;
    while (rc != Z_STREAM_END) {
        if (out.size() > MaxSvgBytes) {
            out.clear();
            break;
        }
        const qsizetype start = out.size();
        out.resize(start + Chunk);
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + start);
        stream.avail_out = uInt(Chunk);
        rc = inflate(&stream, Z_NO_FLUSH);
        out.resize(start + Chunk - qsizetype(stream.avail_out));
        if (rc != Z_OK && rc != Z_STREAM_END) {
            out.clear();
            break;
        }
    }
    inflateEnd(&stream);
    return out;
}

// The bytes of a data: address ("data:[<type>][;base64],<data>"); empty when it is none.
QByteArray dataUrlBytes(const QString& address) {
    const qsizetype comma = address.indexOf(QLatin1Char(','));
    if (comma < 0)
        return {};
    const QString head = address.left(comma);
    const QByteArray body = address.mid(comma + 1).toLatin1();
    if (head.endsWith(QLatin1String(";base64"), Qt::CaseInsensitive))
        return QByteArray::fromBase64(body);
    return QByteArray::fromPercentEncoding(body);
}

// An element with an id: how many elements it is, with its descendants, and where its <use>
// elements lie among all of them.
struct Span {
    qint64 elements = 0;
    qsizetype firstUse = 0; // index into the document's uses
    qsizetype endUse = 0;
};

class Checker {
public:
    explicit Checker(int nesting)
        : m_nesting(nesting) {}

    QString check(const QByteArray& bytes) {
        if (bytes.size() > MaxSvgBytes)
            return tooLarge();
        const bool compressed = bytes.startsWith("\x1f\x8b");
        const QByteArray text = compressed ? svgText(bytes) : bytes;
        if (compressed && text.isEmpty())
            return QStringLiteral("the compressed SVG data cannot be inflated, or is larger "
                                  "than %1 MB inflated")
                .arg(MaxSvgBytes / 1024 / 1024);
        QString why = read(text);
        if (why.isEmpty())
            why = budget();
        return why;
    }

private:
    struct Open {
        QString id;
        qint64 elements = 1;
        qsizetype firstUse = 0;
    };

    static QString tooLarge() {
        return QStringLiteral("the SVG data is larger than %1 MB").arg(MaxSvgBytes / 1024 / 1024);
    }

    QString read(const QByteArray& text) {
        QXmlStreamReader reader(text);
        // As the SVG reader reads it: prefixes are part of the names, and a prefix that is
        // not declared does not stop it.
        reader.setNamespaceProcessing(false);
        QList<Open> open;
        while (!reader.atEnd()) {
            switch (reader.readNext()) {
            case QXmlStreamReader::DTD:
                for (const QXmlStreamEntityDeclaration& entity : reader.entityDeclarations())
                    if (!entity.systemId().isEmpty() || !entity.publicId().isEmpty())
                        return QStringLiteral("the SVG data declares the external entity "
                                              "\"%1\"")
                            .arg(entity.name());
                break;
            case QXmlStreamReader::ProcessingInstruction:
                // The reader loads the style sheet such an instruction names from disk.
                if (reader.processingInstructionTarget().compare(QLatin1String("xml-stylesheet"),
                                                                 Qt::CaseInsensitive) == 0)
                    return QStringLiteral("the SVG data refers to a style sheet outside it");
                break;
            case QXmlStreamReader::StartElement: {
                if (open.size() >= MaxDepth)
                    return QStringLiteral("the SVG data nests its elements more than %1 deep")
                        .arg(MaxDepth);
                if (const QString why = checkReferences(reader); !why.isEmpty())
                    return why;
                Open element;
                element.id = reader.attributes().value(QLatin1String("id")).toString();
                element.firstUse = m_uses.size();
                if (localName(reader.qualifiedName()) == QLatin1String("use"))
                    m_uses.append(localReference(reader.attributes()));
                open.append(std::move(element));
                break;
            }
            case QXmlStreamReader::EndElement: {
                const Open element = open.takeLast();
                if (!open.isEmpty())
                    open.last().elements += element.elements;
                else
                    m_rootElements += element.elements;
                if (!element.id.isEmpty() && !m_spans.contains(element.id))
                    m_spans.insert(element.id, {element.elements, element.firstUse, m_uses.size()});
                break;
            }
            default:
                break;
            }
        }
        if (reader.hasError())
            return QStringLiteral("the SVG data cannot be read (%1, line %2)")
                .arg(reader.errorString())
                .arg(reader.lineNumber());
        return {};
    }

    // "image" of "svg:image", "href" of "xlink:href".
    static QStringView localName(QStringView name) {
        return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
    }

    static QString localReference(const QXmlStreamAttributes& attributes) {
        for (const QXmlStreamAttribute& attribute : attributes)
            if (localName(attribute.qualifiedName()) == QLatin1String("href"))
                return attribute.value().trimmed().mid(1).toString();
        return {};
    }

    QString checkReferences(const QXmlStreamReader& reader) {
        const QStringView element = localName(reader.qualifiedName());
        // A link is followed by nobody here.
        if (element == QLatin1String("a"))
            return {};
        for (const QXmlStreamAttribute& attribute : reader.attributes()) {
            if (localName(attribute.qualifiedName()) != QLatin1String("href"))
                continue;
            const QString address = attribute.value().trimmed().toString();
            if (address.startsWith(QLatin1Char('#')))
                continue;
            if (element == QLatin1String("image") &&
                address.startsWith(QLatin1String("data:"), Qt::CaseInsensitive)) {
                if (const QString why = checkEmbedded(address); !why.isEmpty())
                    return why;
                continue;
            }
            // The end of a long address names the file.
            QString shown = address.right(80);
            if (shown.size() < address.size())
                shown.prepend(QStringLiteral("…"));
            return QStringLiteral("the SVG data refers to \"%1\" outside it; only pictures "
                                  "inside it (data: addresses) are read")
                .arg(shown);
        }
        return {};
    }

    // A picture inside the document, read by the image readers: an SVG one is checked as a
    // document of its own.
    QString checkEmbedded(const QString& address) const {
        const QByteArray bytes = dataUrlBytes(address);
        if (!readAsSvg(bytes))
            return {};
        if (m_nesting + 1 >= MaxNestedDocuments)
            return QStringLiteral("the SVG data holds SVG pictures nested more than %1 deep")
                .arg(MaxNestedDocuments);
        return Checker(m_nesting + 1).check(bytes);
    }

    // Counts what the document draws, each <use> as what it refers to, stopping at the budget.
    QString budget() {
        QHash<QString, qint64> drawn;
        QSet<QString> counting;
        bool cycle = false;
        bool deep = false;
        std::function<qint64(const QString&)> drawnBy = [&](const QString& id) -> qint64 {
            const auto span = m_spans.constFind(id);
            if (span == m_spans.cend())
                return 0;
            if (const auto known = drawn.constFind(id); known != drawn.cend())
                return *known;
            if (counting.contains(id)) {
                cycle = true;
                return MaxDrawnElements + 1;
            }
            // Each <use> in a chain is a level of recursion here and in the reader.
            if (counting.size() >= MaxDepth) {
                deep = true;
                return MaxDrawnElements + 1;
            }
            counting.insert(id);
            qint64 total = span->elements;
            for (qsizetype i = span->firstUse; i < span->endUse && total <= MaxDrawnElements; ++i)
                total += drawnBy(m_uses[i]);
            counting.remove(id);
            drawn.insert(id, total);
            return total;
        };
        qint64 total = m_rootElements;
        for (qsizetype i = 0; i < m_uses.size() && total <= MaxDrawnElements && !cycle; ++i)
            total += drawnBy(m_uses[i]);
        if (cycle)
            return QStringLiteral("the SVG data has <use> elements that refer to themselves");
        if (deep)
            return QStringLiteral("the SVG data has <use> elements that refer to each other more "
                                  "than %1 deep")
                .arg(MaxDepth);
        if (total > MaxDrawnElements)
            return QStringLiteral("the SVG data would draw more than %1 elements")
                .arg(MaxDrawnElements);
        return {};
    }

    int m_nesting;
    QList<QString> m_uses; // the id each <use> refers to, in document order
    QHash<QString, Span> m_spans;
    qint64 m_rootElements = 0;
};

} // namespace

bool readAsSvg(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer).toLower();
    return format == "svg" || format == "svgz";
}

QByteArray svgText(const QByteArray& bytes) {
    if (!bytes.startsWith("\x1f\x8b"))
        return bytes.size() > MaxSvgBytes ? QByteArray() : bytes;
    return gunzip(bytes);
}

namespace {

// What spares a document the check. A verdict depends on the bytes alone.
struct Verdicts {
    QMutex mutex;
    // The last document found fit: a set is created twice at start, and its cells are split
    // from the same bytes on another thread, so the same several hundred KB come again.
    QByteArray lastFit;
    QSet<QByteArray> knownFit;
};

Verdicts& verdicts() {
    static Verdicts state;
    return state;
}

} // namespace

void setKnownFitSvgDigests(const QSet<QByteArray>& blake2b256) {
    Verdicts& state = verdicts();
    const QMutexLocker lock(&state.mutex);
    state.knownFit = blake2b256;
}

QString svgRefusal(const QByteArray& bytes) {
    constexpr qsizetype MostRemembered = 8 * 1024 * 1024;
    Verdicts& state = verdicts();
    QSet<QByteArray> knownFit;
    {
        const QMutexLocker lock(&state.mutex);
        if (!state.lastFit.isEmpty() && state.lastFit == bytes)
            return {};
        knownFit = state.knownFit;
    }
    // The digest takes a seventh of the check's time.
    if (!knownFit.isEmpty() &&
        knownFit.contains(QCryptographicHash::hash(bytes, QCryptographicHash::Blake2b_256)))
        return {};
    QString refusal = Checker(0).check(bytes);
    if (refusal.isEmpty() && bytes.size() <= MostRemembered) {
        const QMutexLocker lock(&state.mutex);
        state.lastFit = bytes;
    }
    return refusal;
}

} // namespace zavolin
