// Player files as they come from a stick: any bytes. Reading never crashes
// or hangs, every item read is written again and reads back the same, and
// splitting an item into screens always ends.

#include <vector>

#include "FuzzInput.h"
#include "doc/PlayerFile.h"
#include "doc/ShowEntry.h"

namespace {

// Texts the reader cannot tell apart on the way back: a Field 2 ending in a
// lone CR (taken for a CR LF cut short by the end marker) or holding the end
// marker itself.
bool ReadsBackExactly(const CPlayerItem& item) {
    return !item.strField2.EndsWith("\r") && !item.strField2.Contains("\bVLP - END OF SONG");
}

void CheckParts(const CPlayerItem& item) {
    CEntryTexts texts{item.nType,       item.strHeading1, item.strHeading2,
                      item.strHeading2, item.strField1,   item.strField2};
    wxString strPartText;
    wxString strPartHeading;
    int nPartIndex = 0;
    size_t nParts = 0;
    do {
        NextItemEntry(texts, strPartText, strPartHeading, nPartIndex);
        ++nParts;
        FUZZ_CHECK(nParts <= item.strField1.length() + 1);
    } while (!strPartText.empty());
    FUZZ_CHECK(nPartIndex == static_cast<int>(nParts) - 1 || !IsSplitType(item.nType));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CPlayerFile file(bytes);
    (void)file.HasHeader();
    std::vector<CPlayerItem> items;
    for (int pass = 0; pass < 2; ++pass) {
        file.Rewind();
        std::vector<CPlayerItem> read;
        CPlayerItem item;
        CPlayerRead result;
        while ((result = file.ReadItem(item)) == CPlayerRead::Item) {
            FUZZ_CHECK(read.size() <= size);
            read.push_back(item);
        }
        FUZZ_CHECK(item == CPlayerItem());
        // Every build reads the file again from its start, to the same end.
        FUZZ_CHECK(pass == 0 || read == items);
        items = std::move(read);
    }

    std::vector<CPlayerItem> exact;
    CPlayerFileWriter writer;
    for (const CPlayerItem& item : items) {
        CheckParts(item);
        if (ReadsBackExactly(item)) {
            exact.push_back(item);
            writer.AddItem(item);
        }
    }
    CPlayerFile again(writer.Finish());
    FUZZ_CHECK(again.HasHeader());
    again.Rewind();
    std::vector<CPlayerItem> back;
    CPlayerItem item;
    CPlayerRead result;
    while ((result = again.ReadItem(item)) == CPlayerRead::Item) {
        back.push_back(item);
    }
    FUZZ_CHECK(result == CPlayerRead::EndOfFile);
    FUZZ_CHECK(back == exact);
    return 0;
}
