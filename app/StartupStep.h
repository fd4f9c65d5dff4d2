#pragma once

#include "platform/base/RuntimeError.h"
#include "platform/desktop/MessageBoxes.h"

#include <QCoreApplication>
#include <QWidget>

namespace zavolin {

// Runs a start-up step that has no label of its own. Its failure is said once, in the
// window's language, and the start goes on without what the step would have given: the
// program still opens with its defaults rather than not at all.
template <typename Step>
void startupStep(QWidget* window, Step&& step) {
    try {
        step();
    } catch (const RuntimeError& e) {
        MessageBoxes::current().inform(
            window,
            QCoreApplication::translate("Startup", "Part of the start failed; Zavolin opens with "
                                                   "its defaults for it. %1")
                .arg(e.description()));
    }
}

} // namespace zavolin
