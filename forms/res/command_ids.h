// The program's command ids, one name each: the menus, accelerators and
// tool bars in this folder, the frames, views, document and editors all
// send and handle commands by these numbers.
#pragma once

// File.
inline constexpr unsigned ID_FILE_NEW = 57600;
inline constexpr unsigned ID_FILE_OPEN = 57601;
inline constexpr unsigned ID_FILE_CLOSE = 57602;
inline constexpr unsigned ID_FILE_SAVE = 57603;
inline constexpr unsigned ID_FILE_SAVE_AS = 57604;
inline constexpr unsigned ID_FILE_PRINT = 57607;
inline constexpr unsigned ID_FILE_PRINT_PREVIEW = 57608;
// The first of the recent files; the others follow it.
inline constexpr unsigned ID_FILE_MRU_FILE1 = 57616;
inline constexpr unsigned ID_FILE_PAGE_SETUP = 32833;
inline constexpr unsigned ID_FILE_PRINT_DIRECT = 32925;
inline constexpr unsigned ID_APP_ABOUT = 57664;
inline constexpr unsigned ID_APP_EXIT = 57665;

// Edit.
inline constexpr unsigned ID_EDIT_CLEAR = 57632;
inline constexpr unsigned ID_EDIT_COPY = 57634;
inline constexpr unsigned ID_EDIT_CUT = 57635;
inline constexpr unsigned ID_EDIT_PASTE = 57637;
inline constexpr unsigned ID_EDIT_PASTE_LINK = 57638;
inline constexpr unsigned ID_EDIT_UNDO = 57643;
inline constexpr unsigned ID_EDIT_SELECT_PAGE = 32874;
inline constexpr unsigned ID_EDIT_APPEARANCE = 32824;
inline constexpr unsigned ID_EDIT_DATA_PROPERTIES = 32825;
inline constexpr unsigned ID_EDIT_BUTTON_ACTIONS = 32909;
inline constexpr unsigned ID_EDIT_APPEND_PAGE = 32830;
inline constexpr unsigned ID_EDIT_INSERT_PAGE = 32831;
inline constexpr unsigned ID_EDIT_DELETE_PAGE = 32832;

// A selected table's shortcut menu.
inline constexpr unsigned ID_TABLE_PROPERTIES = 32852;
inline constexpr unsigned ID_TABLE_SELECT_COLUMN = 32827;
inline constexpr unsigned ID_TABLE_SELECT_ROW = 32828;

// Windows.
inline constexpr unsigned ID_WINDOW_NEW = 57648;
inline constexpr unsigned ID_WINDOW_ARRANGE = 57649;
inline constexpr unsigned ID_WINDOW_CASCADE = 57650;
inline constexpr unsigned ID_WINDOW_TILE_HORZ = 57651;
inline constexpr unsigned ID_WINDOW_SPLIT = 57653;

// The tool bars: each bar's window id is also the command that shows or
// hides it, but for the design bar, whose command follows its window id.
inline constexpr unsigned ID_VIEW_TOOLBAR = 59392;
inline constexpr unsigned ID_VIEW_TEXTBAR = 59396;
inline constexpr unsigned ID_VIEW_FACTORY_TOOLBAR = 59399;
inline constexpr unsigned ID_VIEW_FACTORYBAR = 59400;
inline constexpr unsigned ID_TOGGLE_FACTORYBAR = 32903;
inline constexpr unsigned ID_TOGGLE_TEXTBAR = 32904;
inline constexpr unsigned ID_VIEW_TOOLBARS = 32883;
inline constexpr unsigned ID_VIEW_RULERS = 32914;

// The status bar's panes.
inline constexpr unsigned ID_INDICATOR_POS = 32836;
inline constexpr unsigned ID_INDICATOR_SIZE = 32840;
inline constexpr unsigned ID_INDICATOR_PAGE = 32834;

// The first of the six view commands, in the order of the document
// template's view table.
inline constexpr unsigned ID_VIEW_DESIGN = 32809;

// Zoom and paging.
inline constexpr unsigned ID_ZOOM_10 = 32891;
inline constexpr unsigned ID_ZOOM_25 = 32886;
inline constexpr unsigned ID_ZOOM_50 = 32900;
inline constexpr unsigned ID_ZOOM_75 = 32887;
inline constexpr unsigned ID_ZOOM_100 = 32888;
inline constexpr unsigned ID_ZOOM_150 = 32889;
inline constexpr unsigned ID_ZOOM_200 = 32890;
inline constexpr unsigned ID_NEXT_PAGE = 32860;
inline constexpr unsigned ID_PREV_PAGE = 32861;

// Format.
inline constexpr unsigned ID_FORMAT_SHADOW = 32838;
inline constexpr unsigned ID_FORMAT_LINE = 32785;
inline constexpr unsigned ID_FORMAT_SHADE = 32783;
inline constexpr unsigned ID_FORMAT_FONT = 32892;
inline constexpr unsigned ID_FORMAT_TEXT_SPACING = 32905;
inline constexpr unsigned ID_TEXT_ALIGNMENT = 32902;
// The alignment menu's items, in order.
inline constexpr unsigned ID_ALIGN_LEFT = 176;
inline constexpr unsigned ID_ALIGN_CENTRE = 177;
inline constexpr unsigned ID_ALIGN_RIGHT = 178;
inline constexpr unsigned ID_ALIGN_JUSTIFIED = 179;
inline constexpr unsigned ID_TEXT_BOLD = 106;
inline constexpr unsigned ID_TEXT_ITALIC = 107;
inline constexpr unsigned ID_TEXT_UNDERLINE = 108;
inline constexpr unsigned ID_TEXT_COLOUR = 109;
inline constexpr unsigned ID_TEXT_WORD_UNDERLINE = 174;
inline constexpr unsigned ID_TEXT_DOUBLE_UNDERLINE = 175;
inline constexpr unsigned ID_STYLE_MANAGER = 32820;

// Arrange.
inline constexpr unsigned ID_DRAW_SNAP_TO_GRID = 32780;
inline constexpr unsigned ID_DRAW_ALIGN = 32826;
inline constexpr unsigned ID_DRAW_GROUP = 32821;
inline constexpr unsigned ID_DRAW_UNGROUP = 32822;
inline constexpr unsigned ID_SELECT_GROUP_MEMBER = 32823;
inline constexpr unsigned ID_DRAW_BRING_TO_FRONT = 32789;
inline constexpr unsigned ID_DRAW_SEND_TO_BACK = 32788;
inline constexpr unsigned ID_DRAW_GROUP_RADIO = 32842;

// Tools.
inline constexpr unsigned ID_TOOLS_GRID_SETTINGS = 32781;
inline constexpr unsigned ID_TOOLS_OPTIONS = 32915;

// The design view's object tools.
inline constexpr unsigned ID_TOOL_LINE = 32771;
inline constexpr unsigned ID_TOOL_BOX = 32772;
inline constexpr unsigned ID_TOOL_FIELD = 32773;
inline constexpr unsigned ID_TOOL_TEXT = 32774;
inline constexpr unsigned ID_TOOL_LIST_BOX = 32775;
inline constexpr unsigned ID_TOOL_ORTH_LINE = 32776;
inline constexpr unsigned ID_TOOL_ELLIPSE = 32777;
inline constexpr unsigned ID_TOOL_SELECTION = 32778;
inline constexpr unsigned ID_TOOL_CHECK_BOX = 32779;
inline constexpr unsigned ID_TOOL_BARCODE = 32786;
inline constexpr unsigned ID_TOOL_OLE = 32790;
inline constexpr unsigned ID_TOOL_BUTTON = 32801;
inline constexpr unsigned ID_TOOL_RADIO_BUTTON = 32802;
inline constexpr unsigned ID_TOOL_TABLE = 32803;
inline constexpr unsigned ID_TOOL_PICTURE = 32808;

// Filling.
inline constexpr unsigned ID_THESAURUS = 32805;
inline constexpr unsigned ID_INSERT_PHRASE = 32806;
inline constexpr unsigned ID_PHRASE_LIBRARY = 32807;
inline constexpr unsigned ID_SPELL_ALL = 32866;
inline constexpr unsigned ID_SPELL_CURRENT = 32867;
inline constexpr unsigned ID_INSERT_DATE_TIME = 32877;
inline constexpr unsigned ID_INSERT_PICTURE = 32908;
