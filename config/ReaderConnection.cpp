#include "config/ReaderConnection.h"

#include "config/ConfigImage.h"
#include "reader/ReaderState.h"
#include "reader/zeldrv.h"

bool OpenReader()
{
    g_hReader = zel_init(READER_PORT, READER_BAUD);
    if (g_hReader > 0)
        return true;
    g_hReader = zel_init(READER_PORT, READER_BAUD);
    return g_hReader > 0;
}

void CloseReader(int32_t handle)
{
    if (zel_exit(handle) == 0)
        g_hReader = -1;
}
