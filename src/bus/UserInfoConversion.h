#pragma once

#include "core/notify/DistributedCenter.h"

#include <QVariantMap>

namespace eboard {

// User information on the bus is an a{sv} dictionary. Integers of any width travel as
// 64-bit integers, reals as doubles and texts as strings; values of other types (lists,
// nested dictionaries, byte arrays) have no counterpart and are dropped.
QVariantMap toVariantMap(const UserInfo& userInfo);
UserInfo fromVariantMap(const QVariantMap& map);

} // namespace eboard
