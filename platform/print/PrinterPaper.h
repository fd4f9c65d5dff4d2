#pragma once

#include <QList>
#include <QMarginsF>
#include <QPageSize>
#include <QString>
#include <optional>

namespace zavolin {

// The paper a printer prints on and the edges of it the printer cannot reach.
struct PrinterPaper {
    QPageSize pageSize;               // in portrait orientation
    QMarginsF unprintableMillimetres; // left, top, right, bottom
    int maxCopies = 9999;             // the most copies of a document the printer accepts
};

// The papers a set can be laid out for, in the order they are offered.
enum class StandardPaper { A4, Letter, A5, Legal };

inline QList<StandardPaper> standardPapers() {
    return {StandardPaper::A4, StandardPaper::Letter, StandardPaper::A5, StandardPaper::Legal};
}

inline QPageSize::PageSizeId pageSizeId(StandardPaper paper) {
    switch (paper) {
    case StandardPaper::Letter:
        return QPageSize::Letter;
    case StandardPaper::A5:
        return QPageSize::A5;
    case StandardPaper::Legal:
        return QPageSize::Legal;
    case StandardPaper::A4:
        break;
    }
    return QPageSize::A4;
}

// "A4", "Letter", "A5", "Legal": the name on the command line and in the settings.
inline QString paperName(StandardPaper paper) {
    return QPageSize::key(pageSizeId(paper));
}

// The paper of that name, case ignored; none for any other text.
inline std::optional<StandardPaper> paperNamed(const QString& name) {
    for (const StandardPaper paper : standardPapers())
        if (paperName(paper).compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return paper;
    return std::nullopt;
}

} // namespace zavolin
