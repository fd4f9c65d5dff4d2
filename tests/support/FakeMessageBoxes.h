#pragma once

#include "platform/desktop/MessageBoxes.h"

#include <QStringList>

namespace zavolin::test {

// Message boxes that answer by themselves and keep what they were told and asked.
class FakeMessageBoxes : public MessageBoxes {
public:
    void inform(QWidget*, const QString& text) override { informed << text; }
    bool askYesNo(QWidget*, const QString& text) override {
        asked << text;
        return answer;
    }
    QStringList informed;
    QStringList asked;
    // The answer to every question: Yes unless set.
    bool answer = true;
};

} // namespace zavolin::test
