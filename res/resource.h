// Resource and command ids shared by the resource script and the code.
#pragma once

#define IDR_MAINFRAME 128
#define IDR_FOLDERMENU 129

// Framework-defined command ids, as the program has always used them.
#define ID_FILE_NEW 57600
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP_FINDER 57670

#define IDD_ABOUTBOX 100
#define IDC_ABOUT_LINK 1003
#define IDR_SHORTCUTS 143

#define ID_FILE_CLOSE 57602
