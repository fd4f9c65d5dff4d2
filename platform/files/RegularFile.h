#pragma once

#include <QByteArray>
#include <QString>

namespace zavolin {

// The most a file of pictures may have: far more than any picture set the notes need, far
// less than the memory it would take to decode.
inline constexpr qint64 MaxPictureFileBytes = 128LL * 1024 * 1024;
// The most a scan of drawn pages may have: a class's pages scanned in colour at 300 dpi.
inline constexpr qint64 MaxScanFileBytes = 512LL * 1024 * 1024;

// The whole of the regular file at path. Whatever else is there is refused as it is opened,
// without waiting on it (a pipe, a device, a folder), and so is a file larger than limitBytes,
// before any of it is read: its size comes from the opened file, so a sparse file of gigabytes
// costs nothing. Raises FileNotFound when nothing is there, PathFileAccessError otherwise,
// described as "<path>: <why>", with the size and the limit for a file too large.
QByteArray readRegularFile(const QString& path, qint64 limitBytes);

// The size as a reader would say it: "812 bytes", "3.4 MB", "2.0 GB".
QString sizeText(qint64 bytes);

} // namespace zavolin
