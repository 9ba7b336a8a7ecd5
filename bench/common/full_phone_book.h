#pragma once

#include "store/record_store.h"

// The sample machine's image with every One Touch key and every Speed Dial
// entry in use, a third of them e-mail destinations: the most that a list
// shows and a transfer carries. The same every time it is built.
RecordStore fullPhoneBookImage();
