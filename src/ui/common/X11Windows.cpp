#include "ui/common/X11Windows.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

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

// The compositing managers' selections, one per screen, interned once per connection: the
// question is asked on every stacking change while a window is open. Created when missing,
// so that a compositor started later is still seen.
const std::vector<xcb_atom_t>& compositingSelections(xcb_connection_t* c) {
    static xcb_connection_t* internedFor = nullptr;
    static std::vector<xcb_atom_t> atoms;
    if (internedFor == c) {
        return atoms;
    }
    std::vector<xcb_intern_atom_cookie_t> cookies;
    const int screens = xcb_setup_roots_length(xcb_get_setup(c));
    for (int screen = 0; screen < screens; ++screen) {
        const std::string name = "_NET_WM_CM_S" + std::to_string(screen);
        cookies.push_back(
            xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.c_str()));
    }
    atoms.clear();
    for (const xcb_intern_atom_cookie_t cookie : cookies) {
        Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(c, cookie, nullptr));
        if (atom && atom->atom != XCB_ATOM_NONE) {
            atoms.push_back(atom->atom);
        }
    }
    internedFor = c;
    return atoms;
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
    // Every request first, then every reply: one round trip.
    std::vector<xcb_get_selection_owner_cookie_t> cookies;
    for (const xcb_atom_t selection : compositingSelections(c)) {
        cookies.push_back(xcb_get_selection_owner(c, selection));
    }
    bool owned = false;
    for (const xcb_get_selection_owner_cookie_t cookie : cookies) {
        Reply<xcb_get_selection_owner_reply_t> owner(
            xcb_get_selection_owner_reply(c, cookie, nullptr));
        owned = owned || (owner && owner->owner != XCB_WINDOW_NONE);
    }
    return owned;
}

bool topmostIsOneOf(const std::vector<QWidget*>& windows) {
    xcb_connection_t* c = connection();
    if (c == nullptr || windows.empty()) {
        return true;
    }
    // Requests go out together and their replies come back together: two round trips
    // (three under a window manager whose frames nest) instead of one per window.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_query_tree_cookie_t rootCookie = xcb_query_tree(c, root);
    std::vector<xcb_window_t> ours;
    std::vector<xcb_query_tree_cookie_t> parentCookies;
    for (QWidget* window : windows) {
        ours.push_back(static_cast<xcb_window_t>(window->winId()));
        parentCookies.push_back(xcb_query_tree(c, ours.back()));
    }
    Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, rootCookie, nullptr));
    for (std::size_t i = 0; i < ours.size(); ++i) {
        Reply<xcb_query_tree_reply_t> own(xcb_query_tree_reply(c, parentCookies[i], nullptr));
        if (own && own->parent != own->root && own->parent != XCB_WINDOW_NONE) {
            ours[i] = topLevelOf(c, own->parent); // a window manager's frame
        }
    }
    if (!tree) {
        return true;
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    const int count = xcb_query_tree_children_length(tree.get());
    std::vector<xcb_get_window_attributes_cookie_t> attributeCookies;
    attributeCookies.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        attributeCookies.push_back(xcb_get_window_attributes(c, children[i]));
    }
    std::vector<Reply<xcb_get_window_attributes_reply_t>> attributes;
    attributes.reserve(attributeCookies.size());
    for (const xcb_get_window_attributes_cookie_t cookie : attributeCookies) {
        attributes.emplace_back(xcb_get_window_attributes_reply(c, cookie, nullptr));
    }
    // Children come bottom to top: find the topmost one that can be seen.
    for (int i = count - 1; i >= 0; --i) {
        const auto& a = attributes[static_cast<std::size_t>(i)];
        if (!a || a->map_state != XCB_MAP_STATE_VIEWABLE ||
            a->_class != XCB_WINDOW_CLASS_INPUT_OUTPUT) {
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

struct StackingWatch::Listener {
    Listener(xcb_connection_t* own, xcb_window_t rootWindow)
        : connection(own)
        , root(rootWindow)
        , readable(xcb_get_file_descriptor(own), QSocketNotifier::Read) {
        hold.setSingleShot(true);
    }
    ~Listener() {
        readable.setEnabled(false);
        xcb_disconnect(connection);
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    void select(std::uint32_t mask) {
        xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection);
    }
    // Reads everything that has come; true when it held any event.
    bool drain() {
        bool any = false;
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            any = any || event->response_type != 0; // 0: an error, not a change
            std::free(event);
        }
        return any;
    }

    xcb_connection_t* connection;
    xcb_window_t root;
    QSocketNotifier readable;
    QTimer hold;
};

StackingWatch::StackingWatch(std::function<void()> changed, int holdMs)
    : changed_(std::move(changed))
    , holdMs_(holdMs) {}

StackingWatch::~StackingWatch() = default;

bool StackingWatch::start() {
    if (connection() == nullptr) {
        return false;
    }
    if (!listener_) {
        // Connected on first use: the agent spends most of its life with no window open.
        xcb_connection_t* own = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(own) != 0) {
            xcb_disconnect(own);
            return false;
        }
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(own)).data->root;
        listener_ = std::make_unique<Listener>(own, root);
        Listener& l = *listener_;
        const auto react = [this, &l] {
            if (xcb_connection_has_error(l.connection) != 0) {
                l.readable.setEnabled(false);
                return;
            }
            if (l.drain()) {
                // What comes during the hold waits in the socket for the next round.
                l.readable.setEnabled(false);
                l.hold.start(holdMs_);
                changed_();
            }
        };
        QObject::connect(&l.readable, &QSocketNotifier::activated, react);
        // Events xcb read while writing sit in its queue, where no notifier sees them.
        QObject::connect(&l.hold, &QTimer::timeout, [&l, react] {
            l.readable.setEnabled(true);
            react();
        });
    }
    listener_->select(XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);
    if (!listener_->hold.isActive()) {
        listener_->readable.setEnabled(true);
    }
    return true;
}

void StackingWatch::stop() {
    if (!listener_) {
        return;
    }
    listener_->select(XCB_EVENT_MASK_NO_EVENT);
    listener_->hold.stop();
    listener_->readable.setEnabled(false);
    listener_->drain();
}

namespace {

xcb_atom_t internAtom(xcb_connection_t* c, const std::string& name) {
    Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.c_str()), nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The default screen's selection, the one Qt and the tray managers use.
std::string traySelectionName() {
    const char* display = std::getenv("DISPLAY");
    int screen = 0;
    char* host = nullptr;
    int number = 0;
    if (display != nullptr && xcb_parse_display(display, &host, &number, &screen) != 0) {
        std::free(host);
    }
    return "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
}

} // namespace

bool systemTrayOwned() {
    xcb_connection_t* c = connection();
    if (c == nullptr) {
        return false;
    }
    const xcb_atom_t selection = internAtom(c, traySelectionName());
    if (selection == XCB_ATOM_NONE) {
        return false;
    }
    Reply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, selection), nullptr));
    return owner && owner->owner != XCB_WINDOW_NONE;
}

struct TrayManagerWatch::Listener {
    explicit Listener(xcb_connection_t* own)
        : connection(own)
        , readable(xcb_get_file_descriptor(own), QSocketNotifier::Read) {}
    ~Listener() {
        readable.setEnabled(false);
        xcb_disconnect(connection);
    }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    xcb_connection_t* connection;
    xcb_atom_t manager = XCB_ATOM_NONE;
    xcb_atom_t selection = XCB_ATOM_NONE;
    QSocketNotifier readable;
};

TrayManagerWatch::TrayManagerWatch(std::function<void()> appeared)
    : appeared_(std::move(appeared)) {}

TrayManagerWatch::~TrayManagerWatch() = default;

bool TrayManagerWatch::start() {
    if (connection() == nullptr) {
        return false;
    }
    if (listener_) {
        return true;
    }
    xcb_connection_t* own = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(own) != 0) {
        xcb_disconnect(own);
        return false;
    }
    listener_ = std::make_unique<Listener>(own);
    Listener& l = *listener_;
    l.manager = internAtom(own, "MANAGER");
    l.selection = internAtom(own, traySelectionName());
    // A manager sends MANAGER to the root window with StructureNotify.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(own)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(own, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(own);
    QObject::connect(&l.readable, &QSocketNotifier::activated, [this, &l] {
        if (xcb_connection_has_error(l.connection) != 0) {
            l.readable.setEnabled(false);
            return;
        }
        bool trayStarted = false;
        while (xcb_generic_event_t* event = xcb_poll_for_event(l.connection)) {
            if ((event->response_type & 0x7F) == XCB_CLIENT_MESSAGE) {
                const auto* message = reinterpret_cast<xcb_client_message_event_t*>(event);
                trayStarted = trayStarted || (message->type == l.manager &&
                                              message->data.data32[1] == l.selection);
            }
            std::free(event);
        }
        if (trayStarted) {
            appeared_();
        }
    });
    return true;
}

} // namespace eboard::x11
