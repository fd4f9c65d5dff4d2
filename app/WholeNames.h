#pragma once

#include <QObject>

class QComboBox;

namespace zavolin {

// Lets a narrow drop-down list show its entries' whole names: the open list is as wide as its
// longest entry, and the tool tip of the list and of each entry is the whole name. The list
// itself keeps its place and width.
class WholeNames : public QObject {
    Q_OBJECT

public:
    // Serves list for as long as it lives.
    explicit WholeNames(QComboBox* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void widen();

    QComboBox* m_list;
};

} // namespace zavolin
