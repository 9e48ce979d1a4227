#include <QGridLayout>
#include <QPushButton>
#include <TamsuToolKit/Blocks.h>
#include <utility>

namespace TamsuToolKit::Blocks {

namespace {

constexpr int kFirstButtonReturn = 1000;

// The process-wide slots of the pending block alert.
struct PendingAlert {
    DismissBlock onDismiss;
    CancelBlock onCancel;
    bool hasCancelButton = false;
};

PendingAlert& pending() {
    static PendingAlert state;
    return state;
}

} // namespace

QMessageBox* showSheetModalForWindow(QWidget* window, const QString& messageText,
                                     const QString& informativeText, QMessageBox::Icon alertStyle,
                                     const QString& cancelButtonTitle,
                                     const QStringList& otherButtonTitles, QWidget* accessoryView,
                                     DismissBlock onDismiss, CancelBlock onCancel) {
    pending().onCancel = std::move(onCancel);
    pending().onDismiss = std::move(onDismiss);

    auto* alert = new QMessageBox(window);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(window != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    if (!messageText.isNull()) {
        alert->setText(messageText);
    }
    if (!informativeText.isNull()) {
        alert->setInformativeText(informativeText);
    }
    alert->setIcon(alertStyle);
    if (accessoryView != nullptr) {
        // QMessageBox has no accessory slot; its grid layout takes the view
        // below the texts, where the platform puts it.
        if (auto* grid = qobject_cast<QGridLayout*>(alert->layout())) {
            grid->addWidget(accessoryView, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }

    QList<QAbstractButton*> ordered;
    for (const QString& title : otherButtonTitles) {
        ordered.append(alert->addButton(title, QMessageBox::AcceptRole));
    }
    pending().hasCancelButton = !cancelButtonTitle.isNull();
    if (pending().hasCancelButton) {
        QPushButton* cancel = alert->addButton(cancelButtonTitle, QMessageBox::RejectRole);
        alert->setEscapeButton(cancel);
        ordered.append(cancel);
    }

    QObject::connect(alert, &QMessageBox::buttonClicked, alert,
                     [alert, ordered](QAbstractButton* clicked) {
                         qsizetype index = ordered.indexOf(clicked);
                         if (index < 0) {
                             // The default OK button QMessageBox adds when given none.
                             index = alert->buttons().indexOf(clicked);
                         }
                         alertDidEnd(alert, kFirstButtonReturn + static_cast<int>(index));
                     });
    alert->open();
    return alert;
}

void alertDidEnd(QMessageBox* alert, int returnCode) {
    const auto buttonCount = static_cast<int>(alert->buttons().size());
    // Copies: a block may show the next alert, which replaces the slots.
    const PendingAlert alertState = pending();
    if (alertState.hasCancelButton && returnCode == kFirstButtonReturn - 1 + buttonCount) {
        if (alertState.onCancel) {
            alertState.onCancel();
        }
        return;
    }
    if (alertState.onDismiss) {
        alertState.onDismiss(returnCode - kFirstButtonReturn);
    }
}

} // namespace TamsuToolKit::Blocks
