// The connected check that the maintenance commands run first.
#pragma once

class WindowOps;

// 1 when g_hReader holds a handle (greater than 0). Otherwise logs
// "设备还没有连接上，请先连接设备!" and returns 0.
int IsReaderConnected(WindowOps& window);
