#include "WholeNames.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

namespace zavolin {
namespace {

// Room beside an entry's text in the open list: the item's margins and a scroll bar.
int besideText(const QComboBox* list) {
    const QStyle* style = list->style();
    return 4 * style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) +
           style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list) +
           2 * list->view()->frameWidth() + 16;
}

} // namespace

WholeNames::WholeNames(QComboBox* list)
    : QObject(list)
    , m_list(list) {
    // Entries come and go quietly (the list blocks its own signals then); its model still says.
    QAbstractItemModel* model = list->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &WholeNames::widen);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &WholeNames::widen);
    connect(model, &QAbstractItemModel::dataChanged, this, &WholeNames::widen);
    list->installEventFilter(this);
    widen();
}

void WholeNames::widen() {
    const QFontMetrics metrics(m_list->view()->font());
    int widest = 0;
    for (int i = 0; i < m_list->count(); ++i) {
        const QString name = m_list->itemText(i);
        widest = qMax(widest, metrics.horizontalAdvance(name));
        if (m_list->itemData(i, Qt::ToolTipRole).toString() != name)
            m_list->setItemData(i, name, Qt::ToolTipRole);
    }
    m_list->view()->setMinimumWidth(widest > 0 ? widest + besideText(m_list) : 0);
}

bool WholeNames::eventFilter(QObject* watched, QEvent* event) {
    // The entry chosen now, however it was chosen: by the user, by code, quietly.
    if (watched == m_list && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (m_list->currentText().isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), m_list->currentText(), m_list);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zavolin
