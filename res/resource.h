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
#define IDC_FILELIST_NAMES 1029
#define IDC_FILELIST_COLUMNS 1030
#define IDC_FILELIST_SEPARATOR 1027

// The progress window of long compares.
#define IDD_PROGRESS 185
#define IDC_PROGRESS_TEXT 1100
#define IDC_PROGRESS_BAR 1101

// "Objekte auswählen" and its mask-list editor "Einträge entfernen".
#define IDD_SELECT 167
#define IDC_SELECT_FILTER_LIST 1018
#define IDC_SELECT_MASK_MODE 1019
#define IDC_SELECT_FILTER_MODE 1020
#define IDC_SELECT_MASK_FOLDERS 1021
#define IDC_SELECT_ALL 1022
#define IDC_SELECT_NONE 1023
#define IDC_SELECT_BY_MASK 1024
#define IDC_DESELECT_BY_MASK 1025
#define IDC_SELECT_EDIT_FILTERS 1026
#define IDC_SELECT_HELP 1038
#define IDC_SELECT_MASK 1039
#define IDC_SELECT_INVERT 1041
#define IDC_SELECT_ALL_FOLDERS 1042
#define IDC_SELECT_DELETE_MASKS 1043
#define IDD_EDITMASK 175
#define IDC_EDITMASK_LIST 1088
#define IDC_EDITMASK_REMOVE 1089

// "Ordnervergleich": seven radio buttons in the order of the criteria.
#define IDD_COMPAREFOLDERS 182
#define IDC_COMPARE_FIRST_CRITERION 1106
