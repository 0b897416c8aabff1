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

// The "Datei" menu: closing all folder windows, saving the arrangement under a name, and the
// list of saved arrangements between the menu's fixed items.
#define ID_FILE_CLOSE_ALL 32783
#define ID_FILE_SAVE_ARRANGEMENT 32785
#define ID_ARRANGEMENT_FIRST 20100
#define ID_ARRANGEMENT_LAST 20199

// The tab strip bar and its tab control.
#define IDD_TABSTRIP 131
#define IDC_TABCTRL 1000
// The pointer while a tab is dragged onto another.
#define IDC_TABDRAG 180

// Toolbar bitmap strips: main toolbar 16, 20, 24 pixels and their disabled twins, folder
// toolbar likewise.
#define IDB_MAIN_TOOLBAR_16 331
#define IDB_MAIN_TOOLBAR_20 332
#define IDB_MAIN_TOOLBAR_24 330
#define IDB_MAIN_TOOLBAR_16_DISABLED 334
#define IDB_MAIN_TOOLBAR_20_DISABLED 335
#define IDB_MAIN_TOOLBAR_24_DISABLED 333
#define IDB_FOLDER_TOOLBAR_16 130
#define IDB_FOLDER_TOOLBAR_20 337
#define IDB_FOLDER_TOOLBAR_24 338
#define IDB_FOLDER_TOOLBAR_16_DISABLED 162
#define IDB_FOLDER_TOOLBAR_20_DISABLED 342
#define IDB_FOLDER_TOOLBAR_24_DISABLED 57664
