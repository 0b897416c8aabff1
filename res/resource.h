// Resource ids shared by the resource script and the code. Command ids are in the command
// catalogue (model/CommandCatalogue.h); the menus and the shortcut table are made from it.
#pragma once

#define IDR_MAINFRAME 128

#define IDD_ABOUTBOX 100
#define IDC_ABOUT_LINK 1003
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

// A pane's caption row, the folder-choice dialog of "Pfad einfügen" and the file-list dialog.
#define IDD_CAPTIONBAR 173
#define IDD_CHOOSEFOLDER 171
#define IDC_CHOOSEFOLDER_PATH 1057
#define IDD_FILELIST 336
#define IDC_FILELIST_NAMES 1025
#define IDC_FILELIST_COLUMNS 1026
#define IDC_FILELIST_SEPARATOR 1027
