#include <QUuid>
#include <TamsuToolKit/UUID.h>

namespace TamsuToolKit::UUID {

QString UUIDString() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

} // namespace TamsuToolKit::UUID
