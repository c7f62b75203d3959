// Resource and control identifiers of the program.
#pragma once

#define IDD_ABOUTBOX        100
#define IDS_ABOUTBOX        101
#define IDD_MAIN_DIALOG     102
#define IDR_MAINFRAME       128

#define IDM_ABOUTBOX        0x0010

#define IDC_SET_KEY         1000
#define IDC_FIND_CARD       1001
#define IDC_LOAD_KEY        1002
#define IDC_VERIFY_CARD     1003
#define IDC_CARD_FUNC       1004
#define IDC_DEV_FUNC        1005
#define IDC_HALT_CARD       1006
#define IDC_LOG_LIST        1007
#define IDC_CLOSE_DEVICE    1008
#define IDC_KEY_EDIT        1011
#define IDC_CLEAR_DISPLAY   1012
#define IDC_ORDER_DEFAULT   1013
#define IDC_ORDER_REVERSE   1014
#define IDC_FORMAT_DECIMAL  1015
#define IDC_TYPE_A          1016
#define IDC_TYPE_B          1017
#define IDC_TYPE_125K       1018
#define IDC_FORMAT_HEX      1019
#define IDC_CHECK_CODE_ADD  1020
#define IDC_GET_CONFIG      1021
#define IDC_SET_CONFIG      1022

#ifndef IDC_STATIC
#define IDC_STATIC          (-1)
#endif
