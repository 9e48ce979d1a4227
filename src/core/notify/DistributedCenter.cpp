#include "core/notify/DistributedCenter.h"

namespace eboard {

namespace {
DistributedCenter* installedCenter = nullptr;
} // namespace

DistributedCenter* distributedCenter() {
    return installedCenter;
}
void setDistributedCenter(DistributedCenter* center) {
    installedCenter = center;
}

} // namespace eboard
