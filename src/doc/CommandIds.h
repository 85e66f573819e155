// Menu, toolbar and status-bar ids of the program's own commands. Standard
// commands (New, Open, Save, Print, Cut, Copy, Paste, Exit, About) use the
// stock wx ids. Every layer that handles a command includes this one file.
#pragma once

// wx menu ids must stay below 32767; the program's commands are numbered up
// from this base.
inline constexpr int kCommandBase = 20000;

enum CommandId : int {
    ID_SHOW_GO = kCommandBase + 3,
    ID_SHOW_STOP = kCommandBase + 4,
    ID_INDICATOR_VPD = kCommandBase + 5,
    ID_SHOW_SELECT_SCHEDULE = kCommandBase + 7,
    ID_SHOW_DATABASE = kCommandBase + 10,
    ID_SHOW_SCHEDULE = kCommandBase + 11,
    ID_TOOLS_SCREEN = kCommandBase + 13,
    ID_TOOLS_VPD_SELECTER = kCommandBase + 14,
    ID_TOOLS_COPY = kCommandBase + 15,
    ID_TOOLS_SEARCH = kCommandBase + 17,
    ID_TOOLS_CONFIGURATION = kCommandBase + 19,
    ID_TOOLS_ALT_H2 = kCommandBase + 20,
    ID_TOOLS_UPGRADE = kCommandBase + 21,
    ID_HELP_KEYBOARD = kCommandBase + 22,
    ID_FILE_EXPORT_PLAYER = kCommandBase + 24,
    ID_FILE_IMPORT_PLAYER = kCommandBase + 25,
    ID_TOOLS_DISPLAY_FILE = kCommandBase + 28,
    ID_STATS_MOST_RECENTLY_USED = kCommandBase + 30,
    ID_STATS_MOST_USED = kCommandBase + 31,
    ID_STATS_LEAST_RECENTLY_USED = kCommandBase + 32,
    ID_STATS_LEAST_USED = kCommandBase + 33,
    ID_TOOLS_SEARCH_MORE = kCommandBase + 34,
    ID_TOOLS_VPD_MANAGER = kCommandBase + 36,
    ID_TOOLS_DEBUG_SHOW_GO = kCommandBase + 37,
    ID_VIEW_REFRESH = kCommandBase + 38,
    ID_FILE_IMPORT_SONGS = kCommandBase + 39,
    ID_VIEW_TOOLBAR = kCommandBase + 100,
    ID_VIEW_STATUS_BAR = kCommandBase + 101,
    ID_NEXT_PANE = kCommandBase + 102,
    ID_PREV_PANE = kCommandBase + 103,
    ID_FILE_MRU_PLACEHOLDER = kCommandBase + 104,
};
