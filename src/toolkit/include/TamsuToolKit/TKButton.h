#pragma once

#include <QImage>
#include <QPushButton>
#include <TamsuToolKit/Export.h>

namespace TamsuToolKit {

// A push button with images and titles for the normal, selected and mouse-over
// states and a pointing-hand cursor. NSButton maps to QPushButton, its image to
// the icon (shown at the image's size), the tool-tip rectangle to Qt's tool tip.
// The mouse-over image follows the pointer only once awakeFromNib() ran: call it
// after loading a .ui form (it also takes the form's icon and text as the normal
// image and title), or on a button built in code that wants the hover image.
// Qt buttons have no alternate image or title, so awakeFromNib leaves the
// highlight and selected ones empty. The highlight image and title are kept for
// clients; the button never shows them itself.
class TAMSUTOOLKIT_EXPORT TKButton : public QPushButton {
    Q_OBJECT
public:
    explicit TKButton(QWidget* parent = nullptr);
    explicit TKButton(const QRect& frame, QWidget* parent = nullptr); // initWithFrame

    void awakeFromNib();

    bool selected() const { return selected_; }
    void setSelected(bool selected);

    // The image the button shows now.
    QImage image() const { return shownImage_; }

    QImage normalImage() const { return normalImage_; }
    void setNormalImage(const QImage& image) { normalImage_ = image; }
    QImage highlightImage() const { return highlightImage_; }
    void setHighlightImage(const QImage& image) { highlightImage_ = image; }
    QImage selectedImage() const { return selectedImage_; }
    void setSelectedImage(const QImage& image) { selectedImage_ = image; }
    QImage mouseOverImage() const { return mouseOverImage_; }
    void setMouseOverImage(const QImage& image) { mouseOverImage_ = image; }
    QString normalTitle() const { return normalTitle_; }
    void setNormalTitle(const QString& title) { normalTitle_ = title; }
    QString highlightTitle() const { return highlightTitle_; }
    void setHighlightTitle(const QString& title) { highlightTitle_ = title; }
    QString selectedTitle() const { return selectedTitle_; }
    void setSelectedTitle(const QString& title) { selectedTitle_ = title; }

protected:
    virtual void mouseEntered();
    virtual void mouseExited();
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void showImage(const QImage& image);
    void setTitleKeepingTextColor(const QString& title);

    bool tracking_ = false;
    bool selected_ = false;
    QImage shownImage_;
    QImage normalImage_;
    QImage highlightImage_;
    QImage selectedImage_;
    QImage mouseOverImage_;
    QString normalTitle_;
    QString highlightTitle_;
    QString selectedTitle_;
};

} // namespace TamsuToolKit
