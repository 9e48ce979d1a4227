#pragma once
// A fixture with the agent's distributed centre listening on the session bus and a second
// connection that sends signals the way another program does.

#include "bus/DBusDistributedCenter.h"

#include <QDBusConnection>
#include <QString>
#include <QVariantMap>
#include <gtest/gtest.h>

namespace eboard::testing {

class SessionBusPeer : public ::testing::Test {
protected:
    void SetUp() override {
        if (!connection.isConnected()) {
            GTEST_SKIP() << "no session bus";
        }
        ASSERT_TRUE(center.listen());
    }

    // A signal from another connection, as another process would send it.
    void emitFromPeer(const QString& name, const QString& object, const QVariantMap& info) {
        ASSERT_TRUE(DBusDistributedCenter::post(peer, name, object, info));
    }

    QDBusConnection connection = QDBusConnection::sessionBus();
    QDBusConnection peer = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "peer");
    DBusDistributedCenter center{connection};
};

} // namespace eboard::testing
