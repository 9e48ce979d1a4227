#include "ui/common/CursorHiding.h"

#include <QCursor>
#include <QGuiApplication>

namespace eboard {

namespace {
int& hideCount() {
    static int count = 0;
    return count;
}
} // namespace

void hideCursor() {
    ++hideCount();
    QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
}

void showCursor() {
    if (hideCount() == 0) {
        return;
    }
    --hideCount();
    QGuiApplication::restoreOverrideCursor();
}

void restoreCursor() {
    while (hideCount() > 0) {
        showCursor();
    }
}

int cursorHideCount() {
    return hideCount();
}

} // namespace eboard
