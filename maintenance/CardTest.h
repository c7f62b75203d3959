// The card test commands. They act on the connection whose handle g_hReader
// holds and open or close none; every library call reads g_hReader,
// g_bySector and g_byBlock anew.
#pragma once

class WindowOps;

void FindCard(WindowOps& window);    // zel_card; logs the serial number
void LoadKey(WindowOps& window);     // stores the test key for the sector
void VerifyCard(WindowOps& window);  // authenticates the sector
void CardFunc(WindowOps& window);    // block, text and value tests, trailer write, halt
void HaltCard(WindowOps& window);    // no connected check: passes whatever g_hReader holds
