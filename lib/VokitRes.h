// VokitRes.h - resource IDs of the Vokit library, shared by Vokit.rc and
// the sources that load the resources.
#pragma once

// Strings
#define IDS_VO_NO_MEMORY 61448  // "メモリが足りません。"

// Bitmaps
#define IDB_LX_ROW_HEIGHT    150  // row-height images of the extended list (1 x 16, red = transparent)
#define IDB_VO_FOLDER_OPEN   143  // open folder of the path tree (16 x 16, RGB(128, 0, 0) = transparent)
#define IDB_VO_FOLDER_CLOSED 144  // closed folder of the path tree
