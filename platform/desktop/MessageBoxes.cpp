#include "MessageBoxes.h"

#include "platform/base/ProgramInfo.h"

#include <QMessageBox>

namespace zavolin {
namespace {

class WidgetMessageBoxes : public MessageBoxes {
public:
    void inform(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, programInfo().title, text, QMessageBox::Ok, parent);
        box.exec();
    }
    bool askYesNo(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::NoIcon, programInfo().title, text,
                        QMessageBox::Yes | QMessageBox::No, parent);
        return box.exec() == QMessageBox::Yes;
    }
};

} // namespace

MessageBoxes& MessageBoxes::real() {
    static WidgetMessageBoxes boxes;
    return boxes;
}

} // namespace zavolin
