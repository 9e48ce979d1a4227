#include "bus/AgentStatusService.h"

#include "bus/SingleInstance.h"

#include <QDBusMessage>
#include <QDBusReply>

namespace eboard {

AgentStatusService::AgentStatusService(Provider provider, QObject* parent)
    : QObject(parent)
    , provider_(std::move(provider)) {}

bool AgentStatusService::exportOn(QDBusConnection& connection) {
    return connection.registerObject(QString::fromLatin1(kAgentObjectPath), this,
                                     QDBusConnection::ExportScriptableSlots);
}

QVariantMap AgentStatusService::Status() const {
    QVariantMap reply;
    for (const auto& [key, value] : statusEntries(provider_())) {
        reply.insert(QString::fromStdString(key), QString::fromStdString(value));
    }
    return reply;
}

std::optional<AgentStatus> askAgentStatus(QDBusConnection& connection, std::string* error) {
    const QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kAgentBusName), QString::fromLatin1(kAgentObjectPath),
        QString::fromLatin1(kAgentInterface), QStringLiteral("Status"));
    // A hung agent must not hang the shell that asks.
    const QDBusReply<QVariantMap> reply = connection.call(call, QDBus::Block, 5000);
    if (!reply.isValid()) {
        if (error != nullptr) {
            *error = reply.error().message().toStdString();
        }
        return std::nullopt;
    }
    StatusEntries entries;
    const QVariantMap values = reply.value();
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        entries.emplace_back(it.key().toStdString(), it.value().toString().toStdString());
    }
    return agentStatusFrom(entries);
}

} // namespace eboard
