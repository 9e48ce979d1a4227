#include "app/ProblemNotices.h"

#include "core/base/Log.h"
#include "ui/AppResources.h"

#include <QString>
#include <string>
#include <utility>

namespace eboard {

DesktopNotice problemNotice(const ProblemReport& report) {
    const ProblemEntry& entry = problemEntry(report.problem);
    QString body = tableString(layout::TextTable::Windows, entry.bodyKey);
    if (body.contains(QLatin1String("%1"))) {
        body = body.arg(QString::fromStdString(report.detail));
    }
    return {tableString(layout::TextTable::Windows, entry.summaryKey).toStdString(),
            body.toStdString(), entry.urgency};
}

void ProblemNotices::addNotifier(std::unique_ptr<DesktopNotifier> notifier) {
    notifiers_.push_back(std::move(notifier));
}

void ProblemNotices::report(const ProblemReport& report) {
    if (!gate_.admit(report.problem)) {
        return;
    }
    const std::string id(problemEntry(report.problem).id);
    const DesktopNotice notice = problemNotice(report);
    for (const std::unique_ptr<DesktopNotifier>& notifier : notifiers_) {
        if (notifier->show(notice)) {
            logInfo("desktop notice shown: " + id);
            return;
        }
    }
    logWarning("no notification service and no tray to show the desktop notice " + id);
}

ProblemReporter ProblemNotices::reporter() {
    return [this](const ProblemReport& problem) { report(problem); };
}

} // namespace eboard
