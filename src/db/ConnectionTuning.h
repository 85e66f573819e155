// Settings a connection gets from the program once it is open, where its
// store offers them.
#pragma once

class CDatabase;

// An SQLite store reads its pages through a larger cache and a memory map:
// a phrase search reads every song's text, and without them each search
// copies the whole table through the file system again. Other stores are
// left as they are.
void TuneConnection(CDatabase& db);
