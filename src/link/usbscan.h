#pragma once

#include "link/transport.h"

#include <memory>

// The production path: the operating system's USB still-image driver, whose
// devices are "\\.\Usbscan0" to "\\.\Usbscan14" with their pipes as files.
// Where there is no such driver the transport finds no device.
std::unique_ptr<Transport> makeUsbScanTransport();
