#include <TamsuToolKit/UUID.h>

#include <QUuid>

namespace TamsuToolKit::UUID {

QString UUIDString() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

} // namespace TamsuToolKit::UUID
