#include "ui/common/X11Windows.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

// After every Qt header: the X headers define macros that clash with Qt's.
#include <xcb/xcb.h>

namespace eboard::x11 {

namespace {

xcb_connection_t* connection() {
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                                   : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

// The window's ancestor that is a child of the root: itself, or a window manager's frame.
xcb_window_t topLevelOf(xcb_connection_t* c, xcb_window_t window) {
    for (int depth = 0; depth < 8; ++depth) {
        Reply<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(c, xcb_query_tree(c, window), nullptr));
        if (!tree) {
            return XCB_WINDOW_NONE;
        }
        if (tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE) {
            return window;
        }
        window = tree->parent;
    }
    return window;
}

class VisibilityFilter : public QAbstractNativeEventFilter {
public:
    explicit VisibilityFilter(std::function<void()> onCovered)
        : onCovered_(std::move(onCovered)) {}

    bool nativeEventFilter(const QByteArray& eventType, void* message,
                           qintptr* /*result*/) override {
        if (eventType != "xcb_generic_event_t") {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) == XCB_VISIBILITY_NOTIFY) {
            const auto* visibility = static_cast<const xcb_visibility_notify_event_t*>(message);
            if (visibility->state != XCB_VISIBILITY_UNOBSCURED) {
                onCovered_();
            }
        }
        return false;
    }

private:
    std::function<void()> onCovered_;
};

} // namespace

void watchVisibility(QWidget& window) {
    xcb_connection_t* c = connection();
    if (c == nullptr) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr));
    if (!attributes) {
        return;
    }
    const std::uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_VISIBILITY_CHANGE;
    xcb_change_window_attributes(c, id, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);
}

bool compositingManagerRuns() {
    xcb_connection_t* c = connection();
    if (c == nullptr) {
        return false;
    }
    // Qt puts every window on the display's default screen, nearly always the only one.
    const int screens = xcb_setup_roots_length(xcb_get_setup(c));
    for (int screen = 0; screen < screens; ++screen) {
        const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
        Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 1, static_cast<std::uint16_t>(name.size()), name.c_str()),
            nullptr));
        if (!atom || atom->atom == XCB_ATOM_NONE) {
            continue;
        }
        Reply<xcb_get_selection_owner_reply_t> owner(
            xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atom->atom), nullptr));
        if (owner && owner->owner != XCB_WINDOW_NONE) {
            return true;
        }
    }
    return false;
}

bool topmostIsOneOf(const std::vector<QWidget*>& windows) {
    xcb_connection_t* c = connection();
    if (c == nullptr || windows.empty()) {
        return true;
    }
    std::vector<xcb_window_t> ours;
    for (QWidget* window : windows) {
        ours.push_back(topLevelOf(c, static_cast<xcb_window_t>(window->winId())));
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, root), nullptr));
    if (!tree) {
        return true;
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    // Children come bottom to top: find the topmost one that can be seen.
    for (int i = xcb_query_tree_children_length(tree.get()) - 1; i >= 0; --i) {
        Reply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, children[i]), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE ||
            attributes->_class != XCB_WINDOW_CLASS_INPUT_OUTPUT) {
            continue;
        }
        return std::find(ours.begin(), ours.end(), children[i]) != ours.end();
    }
    return true;
}

void setInputFocus(QWidget& window) {
    xcb_connection_t* c = connection();
    if (c == nullptr || !window.isVisible()) {
        return;
    }
    // Only a viewable window can take the focus; a window not mapped yet is activated by
    // Qt once it is.
    const auto id = static_cast<xcb_window_t>(window.winId());
    Reply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, id), nullptr));
    if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) {
        return;
    }
    xcb_set_input_focus(c, XCB_INPUT_FOCUS_PARENT, id, XCB_CURRENT_TIME);
    xcb_flush(c);
}

std::unique_ptr<QAbstractNativeEventFilter> makeVisibilityFilter(std::function<void()> onCovered) {
    if (connection() == nullptr) {
        return nullptr;
    }
    return std::make_unique<VisibilityFilter>(std::move(onCovered));
}

} // namespace eboard::x11
