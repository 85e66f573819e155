// Reading plain text songs: never a crash; a song read is within the item's limits
// and survives being written as ChordPro (exactly) and OpenLyrics.

#include "SongFuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckSongFile(ESongFormat::PlainText, data, size);
    return 0;
}
