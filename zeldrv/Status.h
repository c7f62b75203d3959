// Results of the reader library: 0 is success, every failure a negative code.
#pragma once

#include <cstdint>

namespace zel {

enum Status : int32_t {
    kOk = 0,
    kBadArgument = -1,       // null pointer, range, count, mode, port or baud not accepted
    kBadHandle = -2,         // no open connection has this handle
    kUnplugged = -3,         // the reader is disconnected (the connection is lost)
    kBusy = -4,              // the reader is already open, in this or another process
    kStorage = -5,           // the simulator's folder or a file in it cannot be read or written
    kNoCard = -6,            // no card answered
    kNotSelected = -7,       // no card is selected: find it first
    kNotAuthenticated = -8,  // the block's sector is not the authenticated one
    kAuthFailed = -9,        // no key loaded for the sector, or the card refused the key
    kAccessDenied = -10,     // the access conditions forbid the operation
    kNotValueBlock = -11,    // the block is not in value-block format
    kNoTransferValue = -12,  // transfer without a preceding increment or decrement
    kBadAccessBytes = -13,   // access bytes whose inverted copies do not match
    kInternal = -14,         // unexpected failure inside the library
};

}  // namespace zel
