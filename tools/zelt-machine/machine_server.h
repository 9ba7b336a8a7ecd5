#pragma once

#include "link/simulated_machine.h"

#include <csignal>
#include <cstdint>

// Serves one simulated machine on 127.0.0.1, one connection at a time: on
// accepting a connection it sends the 8-byte device descriptor, then feeds
// the machine what arrives and returns what it answers. A connection the
// machine refuses (its network side restarting) is closed at once.
//
// Listens on `port` (0: a free port chosen by the system) and reports the
// port through `onListening`; returns when `stopRequested` becomes non-zero,
// or false at once when the port cannot be opened.
bool serveMachine(SimulatedMachine& machine, uint16_t port,
                  const volatile std::sig_atomic_t& stopRequested,
                  void (*onListening)(uint16_t port));
