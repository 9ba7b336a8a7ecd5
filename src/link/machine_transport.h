#pragma once

#include "link/transport.h"

#include <memory>

// The environment variable that points the program at machines reached over
// TCP ("host:port,host:port"); without it only USB is used.
constexpr const char* kMachineAddressVariable = "ZELT_MACHINE_ADDRESS";

// TCP to the listed addresses when `addressList` is set and not empty, the
// USB still-image driver otherwise.
std::unique_ptr<Transport> makeMachineTransport(const char* addressList);
// The same, reading kMachineAddressVariable.
std::unique_ptr<Transport> makeMachineTransportFromEnvironment();
