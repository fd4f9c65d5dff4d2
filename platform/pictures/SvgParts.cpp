#include "SvgParts.h"

#include "platform/pictures/SvgCheck.h"

#include <QCoreApplication>
#include <QDomNamedNodeMap>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QThread>
#include <QTransform>
#include <functional>
#include <future>
#include <optional>

namespace zavolin {
namespace {

// Element names without a namespace prefix ("svg:g" is a "g").
QString localName(const QDomElement& element) {
    const QString name = element.tagName();
    return name.mid(name.indexOf(QLatin1Char(':')) + 1);
}

bool isDrawing(const QString& name) {
    static const QSet<QString> drawing{
        QStringLiteral("g"),        QStringLiteral("a"),    QStringLiteral("switch"),
        QStringLiteral("path"),     QStringLiteral("rect"), QStringLiteral("circle"),
        QStringLiteral("ellipse"),  QStringLiteral("line"), QStringLiteral("polyline"),
        QStringLiteral("polygon"),  QStringLiteral("text"), QStringLiteral("textArea"),
        QStringLiteral("image"),    QStringLiteral("use"),  QStringLiteral("svg"),
        QStringLiteral("animation")};
    return drawing.contains(name);
}

bool isGroup(const QString& name) {
    return name == QLatin1String("g") || name == QLatin1String("a");
}

// The ids an element and its descendants define and the ids they refer to: links (href,
// xlink:href) and paint, clip, mask, filter and marker references (url(#id)), in attributes
// and in style sheets.
void scan(const QDomElement& element, QSet<QString>* ids, QSet<QString>* references) {
    static const QRegularExpression urlReference(QStringLiteral(R"(url\(\s*['"]?#([^'")\s]+))"));
    const auto addUrls = [&](const QString& text) {
        if (!text.contains(QLatin1String("url(")))
            return;
        for (auto it = urlReference.globalMatch(text); it.hasNext();)
            references->insert(it.next().captured(1));
    };
    const QString id = element.attribute(QStringLiteral("id"));
    if (!id.isEmpty())
        ids->insert(id);
    const QDomNamedNodeMap attributes = element.attributes();
    for (int i = 0; i < attributes.count(); ++i) {
        const QDomAttr attribute = attributes.item(i).toAttr();
        const QString name = attribute.name();
        const QString value = attribute.value();
        if ((name == QLatin1String("href") || name.endsWith(QLatin1String(":href"))) &&
            value.startsWith(QLatin1Char('#')))
            references->insert(value.mid(1).trimmed());
        addUrls(value);
    }
    if (localName(element) == QLatin1String("style"))
        addUrls(element.text());
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        scan(child, ids, references);
}

// Describes the children of `container`, giving every drawing element an id (so the renderer
// can measure it) and opening the groups that nothing refers to: a referenced group has to
// stay whole wherever it is used.
std::vector<SvgParts::Part> describe(const QDomElement& container, const QSet<QString>& referenced,
                                     const std::function<QString()>& newId) {
    std::vector<SvgParts::Part> parts;
    for (QDomElement child = container.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        SvgParts::Part part;
        part.element = child;
        const QString name = localName(child);
        part.drawing = isDrawing(name);
        if (part.drawing) {
            QString id = child.attribute(QStringLiteral("id"));
            if (id.isEmpty()) {
                id = newId();
                child.setAttribute(QStringLiteral("id"), id);
            }
            part.opens = isGroup(name) && !referenced.contains(id);
            if (part.opens)
                part.children = describe(child, referenced, newId);
        }
        parts.push_back(std::move(part));
    }
    return parts;
}

void findDuplicateIds(const QDomElement& element, QSet<QString>* seen, QSet<QString>* twice) {
    const QString id = element.attribute(QStringLiteral("id"));
    if (!id.isEmpty() && seen->contains(id))
        twice->insert(id);
    seen->insert(id);
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        findDuplicateIds(child, seen, twice);
}

void indexIds(const QDomElement& element, QHash<QString, QDomElement>* byId) {
    const QString id = element.attribute(QStringLiteral("id"));
    if (!id.isEmpty() && !byId->contains(id))
        byId->insert(id, element);
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        indexIds(child, byId);
}

// Whether [a0, a1] and [b0, b1] share more than an end point; a span without length (a
// horizontal or vertical line drawn without a stroke) counts where it touches.
bool spansMeet(double a0, double a1, double b0, double b1) {
    if (a0 == a1)
        return a0 >= b0 && a0 <= b1;
    return a0 < b1 && a1 > b0;
}

bool meets(const QRectF& bounds, const QRectF& area) {
    return spansMeet(bounds.left(), bounds.right(), area.left(), area.right()) &&
           spansMeet(bounds.top(), bounds.bottom(), area.top(), area.bottom());
}

bool within(const QRectF& bounds, const QRectF& area) {
    return bounds.left() >= area.left() && bounds.right() <= area.right() &&
           bounds.top() >= area.top() && bounds.bottom() <= area.bottom();
}

// Where the element lies in the root's user coordinates: the renderer gives an element's bounds
// in its parent's coordinates, and the transform of its ancestors separately. Nothing for an
// element the renderer does not know (not drawn by it, or its id given twice).
std::optional<QRectF> boundsOf(const QSvgRenderer& renderer, const QSet<QString>& duplicateIds,
                               const QString& id) {
    if (id.isEmpty() || duplicateIds.contains(id) || !renderer.elementExists(id))
        return std::nullopt;
    return renderer.transformForElement(id).mapRect(renderer.boundsOnElement(id)).normalized();
}

QString number(double value) {
    return QString::number(value, 'g', 15);
}

} // namespace

SvgParts::SvgParts() = default;
SvgParts::~SvgParts() = default;

// An element the renderer does not know stays unmeasured and is kept.
void SvgParts::measure(std::vector<Part>& parts, size_t from) const {
    for (size_t i = from; i < parts.size(); ++i) {
        Part& part = parts[i];
        if (!part.drawing)
            continue;
        const auto bounds =
            boundsOf(*m_renderer, m_duplicateIds, part.element.attribute(QStringLiteral("id")));
        part.measured = bounds.has_value();
        part.bounds = bounds.value_or(QRectF());
    }
}

void SvgParts::appendParts(QDomDocument& out, QDomElement& parent, std::vector<Part>& parts,
                           const QRectF& area) const {
    for (Part& part : parts) {
        if (part.drawing && part.measured) {
            if (!meets(part.bounds, area))
                continue;
            if (part.opens && !within(part.bounds, area)) {
                if (!std::exchange(part.childrenMeasured, true))
                    measure(part.children);
                // Attributes (transform, style) kept, children chosen one by one.
                QDomElement copy = out.importNode(part.element, false).toElement();
                appendParts(out, copy, part.children, area);
                parent.appendChild(copy);
                continue;
            }
        }
        parent.appendChild(out.importNode(part.element, true));
    }
}

std::unique_ptr<SvgParts> SvgParts::read(const QByteArray& svg) {
    if (!svgRefusal(svg).isEmpty())
        return nullptr;
    const QByteArray text = svgText(svg);
    if (text.isEmpty())
        return nullptr;
    std::unique_ptr<SvgParts> result(new SvgParts);
    if (!result->m_document.setContent(text))
        return nullptr;
    result->m_root = result->m_document.documentElement();
    if (localName(result->m_root) != QLatin1String("svg"))
        return nullptr;

    QSet<QString> ids;
    QSet<QString> referenced;
    scan(result->m_root, &ids, &referenced);
    int next = 0;
    const auto newId = [&] {
        QString id;
        do
            id = QStringLiteral("zavolin-part-%1").arg(++next);
        while (ids.contains(id));
        ids.insert(id);
        return id;
    };
    result->m_parts = describe(result->m_root, referenced, newId);
    QSet<QString> seen;
    findDuplicateIds(result->m_root, &seen, &result->m_duplicateIds);

    // Measuring the drawing takes longer than reading it: with several parts at the top, a
    // renderer of its own on another thread measures the first half meanwhile.
    const QByteArray withIds = result->m_document.toByteArray(-1);
    std::vector<Part>& parts = result->m_parts;
    const size_t half = parts.size() >= 4 ? parts.size() / 2 : 0;
    QStringList firstIds; // read here: the document stays on this thread
    for (size_t i = 0; i < half; ++i)
        firstIds << (parts[i].drawing ? parts[i].element.attribute(QStringLiteral("id"))
                                      : QString());
    std::future<std::vector<std::optional<QRectF>>> first;
    if (half > 0)
        first = std::async(
            std::launch::async, [&withIds, firstIds, duplicates = result->m_duplicateIds] {
                std::vector<std::optional<QRectF>> bounds(size_t(firstIds.size()));
                QSvgRenderer renderer;
                if (renderer.load(withIds) && renderer.isValid())
                    for (qsizetype i = 0; i < firstIds.size(); ++i)
                        bounds[size_t(i)] = boundsOf(renderer, duplicates, firstIds[i]);
                return bounds;
            });
    result->m_renderer = std::make_unique<QSvgRenderer>();
    const bool read = result->m_renderer->load(withIds) && result->m_renderer->isValid();
    if (read)
        result->measure(parts, half);
    if (first.valid()) {
        const std::vector<std::optional<QRectF>> bounds = first.get();
        for (size_t i = 0; i < half; ++i) {
            parts[i].measured = parts[i].drawing && bounds[i].has_value();
            parts[i].bounds = parts[i].measured ? *bounds[i] : QRectF();
        }
    }
    if (!read)
        return nullptr;
    indexIds(result->m_root, &result->m_byId);
    return result;
}

std::shared_future<std::shared_ptr<const SvgParts>>
SvgParts::readInBackground(const QByteArray& svg) {
    return std::async(std::launch::async,
                      [svg]() -> std::shared_ptr<const SvgParts> {
                          std::shared_ptr<SvgParts> parts = read(svg);
                          // The renderer answers the main thread's questions from now on.
                          if (parts && QCoreApplication::instance())
                              parts->m_renderer->moveToThread(
                                  QCoreApplication::instance()->thread());
                          return parts;
                      })
        .share();
}

QByteArray SvgParts::partDocument(const QRectF& area) const {
    QDomDocument out;
    QDomElement root = out.importNode(m_root, false).toElement();
    root.setAttribute(
        QStringLiteral("viewBox"),
        QStringLiteral("%1 %2 %3 %4")
            .arg(number(area.x()), number(area.y()), number(area.width()), number(area.height())));
    root.setAttribute(QStringLiteral("width"), number(area.width()));
    root.setAttribute(QStringLiteral("height"), number(area.height()));
    root.setAttribute(QStringLiteral("preserveAspectRatio"), QStringLiteral("none"));
    out.appendChild(root);
    appendParts(out, root, m_parts, area);

    // Elements the kept ones refer to but that lie elsewhere (a <use> of a shape drawn in
    // another cell) are carried along as definitions, where they are not drawn themselves.
    QSet<QString> present;
    QSet<QString> wanted;
    scan(root, &present, &wanted);
    QStringList missing;
    for (const QString& id : std::as_const(wanted))
        if (!present.contains(id))
            missing.append(id);
    missing.sort();
    QDomElement definitions;
    while (!missing.isEmpty()) {
        const QString id = missing.takeFirst();
        const auto source = m_byId.constFind(id);
        if (present.contains(id) || source == m_byId.cend())
            continue;
        if (definitions.isNull()) {
            const QString prefix = m_root.tagName().chopped(3); // "svg:" of "svg:svg", or ""
            definitions = out.createElement(prefix + QStringLiteral("defs"));
            root.insertBefore(definitions, QDomNode());
        }
        const QDomElement copy = out.importNode(*source, true).toElement();
        definitions.appendChild(copy);
        QSet<QString> more;
        scan(copy, &present, &more);
        for (const QString& reference : std::as_const(more))
            if (!present.contains(reference))
                missing.append(reference);
    }
    return out.toByteArray(-1);
}

} // namespace zavolin
