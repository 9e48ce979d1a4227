#pragma once

#include <QWidget>
#include <TamsuToolKit/Export.h>

namespace TamsuToolKit {

// A top-level widget whose answers to "may it become key (take the keyboard)"
// and "may it become main" are settable; both start false. NSWindow maps to a
// top-level QWidget: a window that may not become key gets
// Qt::WindowDoesNotAcceptFocus and is shown without activation. Qt has no main
// window role; canBecomeMainWindow is only answered.
class TAMSUTOOLKIT_EXPORT TKWindow : public QWidget {
    Q_OBJECT
public:
    explicit TKWindow(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Window);

    bool canBecomeKeyWindow() const { return canBecomeKeyWindow_; }
    void setCanBecomeKeyWindow(bool can);
    bool canBecomeMainWindow() const { return canBecomeMainWindow_; }
    void setCanBecomeMainWindow(bool can) { canBecomeMainWindow_ = can; }

private:
    bool canBecomeKeyWindow_ = false;
    bool canBecomeMainWindow_ = false;
};

} // namespace TamsuToolKit
