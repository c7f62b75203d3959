// Opening and closing the reader for one configuration command.
#pragma once

#include <cstdint>

// Opens the reader on port 100 at 9600 baud, with a second attempt at once if
// the first fails. Each attempt's result is stored in g_hReader. Returns true
// when g_hReader then holds a handle (greater than 0). Logs nothing.
bool OpenReader();

// Closes the connection that this command's own open produced. A successful
// close sets g_hReader to -1; a failed one leaves g_hReader as it is.
void CloseReader(int32_t handle);
