#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zavolin {

// One page of a scan: its picture and where it came from, as "scan.pdf, page 3".
struct ScannedPage {
    QImage image;
    QString where;
};

// Whether the file may hold scanned pages: a PDF, or a PNG, JPEG or TIFF picture.
bool isScanFile(const QString& path);

// A scan file read: a PDF's pages, or one picture. Its pages may be drawn on several threads at
// once, each drawing its own.
class ScanFile {
public:
    // Raises RuntimeError (InvalidPicture) for a file that cannot be read so, saying which.
    explicit ScanFile(const QString& path);

    int pages() const { return m_pages; }
    // Page i: a PDF's drawn at 300 dpi (less for a page too large to draw so), a picture as it
    // is, turned by its orientation tag. Raises as the constructor does.
    ScannedPage page(int i) const;

private:
    QString m_path;
    QByteArray m_bytes;
    bool m_pdf = false;
    int m_pages = 1;
};

} // namespace zavolin
