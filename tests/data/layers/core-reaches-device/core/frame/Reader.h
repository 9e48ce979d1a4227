#pragma once

#include "device/DeviceLink.h"
