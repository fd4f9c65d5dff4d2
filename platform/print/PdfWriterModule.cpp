// The PDF writer module: libqpdf behind one entry point, loaded when a document is first written.
#include "PdfAssembly.h"

#include <QFile>
#include <QHash>
#include <map>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>
#include <zlib.h>

namespace zavolin {
namespace {

std::string toStd(const QString& text) {
    return text.toStdString();
}

// Our own streams are small and many: compressed quickly, then kept as they are by the writer.
QPDFObjectHandle compressedStream(QPDF& pdf, const QByteArray& data) {
    uLongf size = compressBound(uLong(data.size()));
    std::string compressed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(compressed.data()), &size,
                  reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size()),
                  Z_BEST_SPEED) != Z_OK)
        throw std::runtime_error("a content stream could not be compressed");
    compressed.resize(size);
    QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf);
    stream.replaceStreamData(compressed, QPDFObjectHandle::newName("/FlateDecode"),
                             QPDFObjectHandle::newNull());
    return stream;
}

// Qt's page as a form XObject whose origin is the bottom left of the rectangle the picture was
// drawn into (points from the page's top left). Only moved, not scaled to a unit square:
// written scales have few decimals, and Qt's coordinates reach the far end of its page. Qt's
// content stream becomes the form itself, so its compressed data is copied as it is.
QPDFObjectHandle formOfPage(QPDFObjectHandle page, const QRectF& drawn) {
    QPDFPageObjectHelper helper(page);
    QPDFObjectHandle contents = page.getKey("/Contents");
    QPDFObjectHandle form;
    if (contents.isStream()) {
        form = contents;
        QPDFObjectHandle dict = form.getDict();
        dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
        dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Form"));
        dict.replaceKey("/Resources", helper.getAttribute("/Resources", false));
        QPDFObjectHandle group = page.getKey("/Group");
        if (!group.isNull())
            dict.replaceKey("/Group", group);
    } else {
        form = helper.getFormXObjectForPage(false);
    }
    // Qt puts the page's top at its media box's top, in whole points.
    const double top = helper.getMediaBox().getArrayAsRectangle().ury;
    const double left = drawn.left();
    const double bottom = top - drawn.bottom();
    const double width = drawn.width();
    const double height = drawn.height();
    QPDFObjectHandle dict = form.getDict();
    dict.replaceKey("/BBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(
                                 left, bottom, left + width, bottom + height)));
    dict.replaceKey("/Matrix", QPDFObjectHandle::newArray(
                                   QPDFObjectHandle::Matrix(1, 0, 0, 1, -left, -bottom)));
    return form;
}

void write(const PdfAssembly& d) {
    QPDF pdf;
    if (d.qtPdf.isEmpty())
        pdf.emptyPDF();
    else
        pdf.processMemoryFile("pictures", d.qtPdf.constData(), size_t(d.qtPdf.size()));

    const std::vector<QPDFObjectHandle> qtPages = pdf.getAllPages();
    std::vector<QPDFObjectHandle> forms;
    forms.reserve(size_t(d.forms.size()));
    for (const PdfAssembly::Form& form : d.forms)
        forms.push_back(formOfPage(qtPages.at(size_t(form.qtPage)), form.drawnPoints));

    std::vector<QPDFObjectHandle> bodies;
    bodies.reserve(size_t(d.bodies.size()));
    for (const QByteArray& body : d.bodies)
        bodies.push_back(compressedStream(pdf, body));

    QPDFObjectHandle pagesNode = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    QPDFObjectHandle kids = QPDFObjectHandle::newArray();
    // Pages of the same body and own pictures name the same forms: one resource dictionary.
    QHash<QList<int>, QPDFObjectHandle> resourcesFor;
    for (const PdfAssembly::Page& page : d.pages) {
        QPDFObjectHandle resources = resourcesFor.value(page.forms);
        if (!resources.isInitialized()) {
            std::map<std::string, QPDFObjectHandle> named;
            for (int form : page.forms)
                named[formName(form).toStdString()] = forms.at(size_t(form));
            resources = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary(
                {{"/XObject", QPDFObjectHandle::newDictionary(named)}}));
            resourcesFor.insert(page.forms, resources);
        }
        QPDFObjectHandle contents = bodies.at(size_t(page.body));
        // A page's own stream is a line or two: compressing it would cost more than it saves.
        if (!page.own.isEmpty())
            contents = QPDFObjectHandle::newArray(
                {contents,
                 QPDFObjectHandle::newStream(&pdf, ("q\n" + page.own + "Q\n").toStdString())});
        kids.appendItem(pdf.makeIndirectObject(QPDFObjectHandle::newDictionary({
            {"/Type", QPDFObjectHandle::newName("/Page")},
            {"/Parent", pagesNode},
            {"/MediaBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(
                              0, 0, page.sizePoints.width(), page.sizePoints.height()))},
            {"/Resources", resources},
            {"/Contents", contents},
        })));
    }
    pagesNode.replaceKey("/Type", QPDFObjectHandle::newName("/Pages"));
    pagesNode.replaceKey("/Kids", kids);
    pagesNode.replaceKey("/Count", QPDFObjectHandle::newInteger(kids.getArrayNItems()));

    // A catalog and information of our own: Qt's name its own title and producer.
    QPDFObjectHandle trailer = pdf.getTrailer();
    trailer.replaceKey("/Root", pdf.makeIndirectObject(QPDFObjectHandle::newDictionary({
                                    {"/Type", QPDFObjectHandle::newName("/Catalog")},
                                    {"/Pages", pagesNode},
                                })));
    trailer.replaceKey("/Info",
                       pdf.makeIndirectObject(QPDFObjectHandle::newDictionary({
                           {"/Title", QPDFObjectHandle::newUnicodeString(toStd(d.title))},
                           {"/Creator", QPDFObjectHandle::newUnicodeString(toStd(d.creator))},
                       })));
    pdf.updateAllPagesCache();

    // The writer keeps the name's pointer until it has written: it must outlive the writer.
    const QByteArray fileName = QFile::encodeName(d.path);
    QPDFWriter writer(pdf, fileName.constData());
    // Every stream is written as it is: Qt's compressed, the bodies compressed here, the
    // pages' own lines too short to gain. Thousands of small page dictionaries go into
    // object streams, compressed for speed over the last percent of size.
    writer.setDecodeLevel(qpdf_dl_none);
    writer.setCompressStreams(false);
    Pl_Flate::setCompressionLevel(Z_BEST_SPEED);
    writer.setObjectStreamMode(qpdf_o_generate);
    writer.write();
}

} // namespace
} // namespace zavolin

extern "C" __attribute__((visibility("default"))) bool
zavolinWritePdf(const zavolin::PdfAssembly* document, QString* why) {
    try {
        zavolin::write(*document);
        return true;
    } catch (const std::exception& e) {
        *why = QString::fromLocal8Bit(e.what());
        return false;
    }
}
