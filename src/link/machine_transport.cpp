#include "link/machine_transport.h"

#include "link/tcp_transport.h"
#include "link/usbscan.h"

#include <cstdlib>

std::unique_ptr<Transport> makeMachineTransport(const char* addressList) {
    if (addressList != nullptr && addressList[0] != '\0')
        return std::make_unique<TcpTransport>(parseMachineAddresses(addressList));
    return makeUsbScanTransport();
}

std::unique_ptr<Transport> makeMachineTransportFromEnvironment() {
    return makeMachineTransport(std::getenv(kMachineAddressVariable));
}
