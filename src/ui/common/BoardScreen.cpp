#include "ui/common/BoardScreen.h"

#include "core/base/Log.h"
#include "core/state/JUXPrompt.h"

#include <QGuiApplication>
#include <QScreen>

namespace eboard {

namespace {

std::string& choice() {
    static std::string board = "primary";
    return board;
}

// The last fallback said, so that the many questions a window asks say it once.
std::string& saidFallback() {
    static std::string note;
    return note;
}

std::optional<std::size_t> boardIndex(const std::vector<layout::OutputGeometry>& outputs) {
    std::string note;
    const auto index = layout::chooseBoardOutput(outputs, choice(), &note);
    if (note != saidFallback()) {
        saidFallback() = note;
        if (!note.empty()) {
            logInfo(note);
        }
    }
    return index;
}

} // namespace

void setBoardOutputChoice(std::string board) {
    choice() = board.empty() ? std::string("primary") : std::move(board);
}

const std::string& boardOutputChoice() {
    return choice();
}

std::vector<layout::OutputGeometry> desktopOutputs() {
    std::vector<layout::OutputGeometry> outputs;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->geometry();
        outputs.push_back({screen->name().toStdString(),
                           {r.x(), r.y(), r.width(), r.height()},
                           screen->devicePixelRatio(),
                           screen == primary});
    }
    return outputs;
}

QScreen* boardScreen() {
    const auto index = boardIndex(desktopOutputs());
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (!index || *index >= static_cast<std::size_t>(screens.size())) {
        return QGuiApplication::primaryScreen();
    }
    return screens[static_cast<qsizetype>(*index)];
}

QRect boardScreenGeometry() {
    const QScreen* screen = boardScreen();
    return screen != nullptr ? screen->geometry() : QRect();
}

layout::BoardGeometry boardPointerGeometry() {
    const std::vector<layout::OutputGeometry> outputs = desktopOutputs();
    const auto index = boardIndex(outputs);
    return index ? layout::boardGeometry(outputs, *index) : layout::BoardGeometry{};
}

void takeBoardScreenSize() {
    const QRect board = boardScreenGeometry();
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setScreenWidth(board.isEmpty() ? 0 : board.width());
    prompt.setScreenHeight(board.isEmpty() ? 0 : board.height());
}

} // namespace eboard
