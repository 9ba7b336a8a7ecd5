#pragma once

#include <cstdint>
#include <string>

// zelt-machine run as a process of its own, serving the image of a data file
// on a free loopback port; stopped and waited for at destruction.
class MachineProcess {
  public:
    MachineProcess() = default;
    ~MachineProcess();
    MachineProcess(const MachineProcess&) = delete;
    MachineProcess& operator=(const MachineProcess&) = delete;

    // Starts `executable` and waits for the port it announces; false when it
    // does not start or announce one within a few seconds.
    bool start(const std::string& executable, const std::string& imagePath);
    // "127.0.0.1:PORT", as ZELT_MACHINE_ADDRESS names it.
    std::string address() const;

  private:
    int processId_ = -1;
    uint16_t port_ = 0;
};
