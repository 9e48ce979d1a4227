#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <TamsuToolKit/Export.h>
#include <functional>

// Category NSAlert (Blocks): an alert shown as a sheet, answering through
// std::functions. NSAlert maps to a window-modal QMessageBox opened on `window`;
// the alert style to the message box icon. Return codes follow the platform:
// 1000 for the first button added, 1001 for the second, and so on, with the
// cancel button added last.
namespace TamsuToolKit::Blocks {

using DismissBlock = std::function<void(int buttonIndex)>;
using CancelBlock = std::function<void()>;

// Shows the alert and answers it (it deletes itself once closed). The two
// blocks go into one process-wide pair of slots: only one block alert can be
// pending at a time, a second replaces the first one's blocks.
// onDismiss gets the zero-based index of the chosen button among
// `otherButtonTitles`; onCancel runs when the cancel button was chosen.
TAMSUTOOLKIT_EXPORT QMessageBox*
showSheetModalForWindow(QWidget* window, const QString& messageText, const QString& informativeText,
                        QMessageBox::Icon alertStyle, const QString& cancelButtonTitle,
                        const QStringList& otherButtonTitles, QWidget* accessoryView,
                        DismissBlock onDismiss, CancelBlock onCancel);

// Completion of the alert shown above; `returnCode` is the platform's code.
TAMSUTOOLKIT_EXPORT void alertDidEnd(QMessageBox* alert, int returnCode);

} // namespace TamsuToolKit::Blocks
