// Where the simulated reader keeps its state: the folder named by
// ZELDRV_SIM_DIR, else a per-user default, and the files in it.
#pragma once

#include "zeldrv/FileStore.h"

namespace zel {

struct SimFolder {
    Path folder;
    Path eeprom;     // the reader's EEPROM
    Path card;       // the card on the field; missing: no card
    Path unplugged;  // present: the reader is disconnected
    Path lock;       // held while a connection is open

    // Reads the environment anew; false when no folder can be named.
    static bool locate(SimFolder& out);
};

}  // namespace zel
