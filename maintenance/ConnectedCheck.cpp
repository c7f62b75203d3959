#include "maintenance/ConnectedCheck.h"

#include "reader/ReaderState.h"
#include "ui/WindowOps.h"

int IsReaderConnected(WindowOps& window)
{
    if (g_hReader > 0)
        return 1;
    window.LogLine("设备还没有连接上，请先连接设备!");
    return 0;
}
