#pragma once

#include "store/record_store.h"

// A realistic image for the simulated machine, built with the program's own
// encoders: machine facts and counters, settings, a station name and
// number, One Touch fax and e-mail keys, a program-dial key, two Groups and
// a dozen Speed Dial entries. The same every time it is built.
RecordStore sampleMachineImage();
