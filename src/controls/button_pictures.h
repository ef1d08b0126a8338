#pragma once
// Resource ids of the six state pictures, in the order of quillane::StatePicture.
#define IDB_BUTTON_NORMAL 101
#define IDB_BUTTON_HIGHLIGHT 102
#define IDB_BUTTON_PRESSED 103
#define IDB_BUTTON_DISABLE 104
#define IDB_BUTTON_SELECTED 105
#define IDB_BUTTON_HIGHLIGHTSELECT 106
