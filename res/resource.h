// Resource and control ids of Tallyburn.
#pragma once

#define IDD_TALLYBURN_DIALOG 102
#define IDR_MAINFRAME 128
#define IDR_WAVE_START 129
#define IDR_WAVE_FAILURE 130

#define IDC_RUN 1001
#define IDC_COUNTER 1002
#define IDC_CLEAR 1003
#define IDC_ALWAYS_ON_TOP 1004
#define IDC_ELAPSED 1005
#define IDC_ERASE_CHIP 1006
