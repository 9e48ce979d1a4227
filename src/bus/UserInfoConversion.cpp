#include "bus/UserInfoConversion.h"

#include <QMetaType>
#include <QString>
#include <limits>
#include <optional>

namespace eboard {

namespace {

QVariant toVariant(const NotificationValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) {
        return QString::fromStdString(*text);
    }
    if (const auto* integer = std::get_if<std::int64_t>(&value)) {
        // int32 when it fits: that is what shell tools and most peers send and expect.
        if (*integer >= std::numeric_limits<std::int32_t>::min() &&
            *integer <= std::numeric_limits<std::int32_t>::max()) {
            return static_cast<int>(*integer);
        }
        return static_cast<qlonglong>(*integer);
    }
    return std::get<double>(value);
}

std::optional<NotificationValue> fromVariant(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return value.toString().toStdString();
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UChar:
    case QMetaType::LongLong:
        return static_cast<std::int64_t>(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::UShort:
        return static_cast<std::int64_t>(value.toUInt());
    case QMetaType::ULongLong: {
        const qulonglong unsignedValue = value.toULongLong();
        constexpr auto kMax = static_cast<qulonglong>(std::numeric_limits<std::int64_t>::max());
        return static_cast<std::int64_t>(unsignedValue > kMax ? kMax : unsignedValue);
    }
    case QMetaType::Bool:
        return static_cast<std::int64_t>(value.toBool() ? 1 : 0);
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    default:
        return std::nullopt;
    }
}

} // namespace

QVariantMap toVariantMap(const UserInfo& userInfo) {
    QVariantMap map;
    for (const auto& [key, value] : userInfo) {
        map.insert(QString::fromStdString(key), toVariant(value));
    }
    return map;
}

UserInfo fromVariantMap(const QVariantMap& map) {
    UserInfo userInfo;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (auto value = fromVariant(it.value())) {
            userInfo.emplace_back(it.key().toStdString(), std::move(*value));
        }
    }
    return userInfo;
}

} // namespace eboard
