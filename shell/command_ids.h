#pragma once
// Command ids of the menus, the toolbar, the accelerators and the navigation
// tree. Every action carries its id as data and as object name, so that any
// menu that offers an id reaches the same action.

enum CommandId : int {
    ID_CONTROL_BAR = 32772,
    ID_PROGRAM_READ = 32773,
    ID_PROGRAM_WRITE = 32774,
    ID_COM_SETUP = 32777,
    ID_PRODUCT_INFORMATION = 32786,
    ID_CHANNEL_INFORMATION = 32787,
    ID_OPTIONAL_FEATURES = 32788,
    ID_DTMF = 32789,
    ID_MSK = 32790,
    ID_TWO_TONE = 32791,
    ID_HELP_TOPICS = 32793,
    ID_LANGUAGE = 32799,
    ID_KEY_ASSIGNMENT = 32800,
    ID_SQUELCH_TUNING = 32801,
    ID_FILE_EXPORT_PDF = 33100,
    ID_FILE_IMPORT_CHANNELS = 33120,
    ID_FILE_EXPORT_CHANNELS = 33121,
    ID_FILE_IMPORT_CHANNELS_INTO_EMPTY = 33122,

    // Editing the channel table: the undo history, the clipboard and the
    // row operations (Edit menu and the grid's context menu).
    ID_EDIT_UNDO_STEP = 33130,
    ID_EDIT_REDO_STEP = 33131,
    ID_EDIT_CUT_CELLS = 33132,
    ID_EDIT_COPY_CELLS = 33133,
    ID_EDIT_PASTE_CELLS = 33134,
    ID_EDIT_DELETE_CELLS = 33135,
    ID_EDIT_INSERT_ROW = 33136,
    ID_EDIT_REMOVE_ROWS = 33137,
    ID_EDIT_MOVE_UP = 33138,
    ID_EDIT_MOVE_DOWN = 33139,

    // Restore points and compare.
    ID_RADIO_HISTORY = 33150,
    ID_COMPARE_WITH = 33151,
    ID_VERIFY_AFTER_WRITE = 33152,
    ID_READ_BEFORE_WRITE = 33153,

    // Program > Clone Station: the document into many radios.
    ID_CLONE_STATION = 33160,

    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE_HORZ = 57651,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_HELP = 57670,
    // F6 and Shift+F6 of the accelerator table: the next and the previous
    // document window.
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,

    ID_INDICATOR_CAPS = 59137,
    ID_INDICATOR_NUM = 59138,
    ID_INDICATOR_SCRL = 59139,
};
