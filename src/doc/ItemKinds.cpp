#include "doc/ItemKinds.h"

wxString ItemKindFilter(int nTypeFilter, int nVPD) {
    const wxString vpd = wxString::Format("VPD=%d", nVPD);
    if (nTypeFilter <= kKindAll || nTypeFilter >= kKindCount) {
        return vpd;
    }
    return wxString::Format("Subtype=%d and ", nTypeFilter - 1) + vpd;
}

wxString ItemKindWord(int nTypeFilter) {
    static const char* const words[kKindCount] = {"item",    "title",  "song",
                                                  "liturgy", "chords", "picture"};
    return nTypeFilter >= 0 && nTypeFilter < kKindCount ? words[nTypeFilter] : "thingy";
}

int ItemKindSubtype(int nTypeFilter) {
    // No kind chosen yet stores what "All" stores: listed under "All" only.
    return nTypeFilter > kKindAll && nTypeFilter < kKindCount ? nTypeFilter - 1 : -1;
}

CItemTextsUsed TextsUsedByType(int nType) {
    switch (nType) {
        case 1:
        case kPictureType:
            return {true, false, false, false};
        case 3:
        case 7:
            return {false, true, false, false};
        case 4:
            return {true, true, false, false};
        case 5:
            return {true, true, true, false};
        case 6:
            return {true, true, true, true};
        case 8:
            return {false, true, true, false};
        default:
            return {};
    }
}

bool IsPrintableType(int nType) {
    return nType == 3 || nType == 7 || nType == 8;
}

const std::array<wxString, 8>& ScreenTypeNames() {
    static const std::array<wxString, 8> names = {
        "Single line of text - one element",
        "Single line of text - two elements",
        "Single screen no title",
        "Single screen with title - one element",
        "Single screen with title - two elements",
        "Double screen with title - two elements",
        "Single screen no title - chords",
        "Single screen with top right title (first screen) - chords",
    };
    return names;
}

const std::array<wxString, 5>& ItemKindNames() {
    static const std::array<wxString, 5> names = {"Title", "Song", "Liturgy", "Chords", "Picture"};
    return names;
}

namespace {

// Type 8 is the chord sheet's first screen, not a layout to start items with.
constexpr int kDefaultTypeCount = 7;

int DefaultTypeCount(bool bPictures) {
    return bPictures ? kDefaultTypeCount + 1 : kDefaultTypeCount;
}

}  // namespace

std::vector<wxString> DefaultTypeNames(bool bPictures) {
    std::vector<wxString> names(ScreenTypeNames().begin(),
                                ScreenTypeNames().begin() + kDefaultTypeCount);
    if (bPictures) {
        names.emplace_back("Picture");
    }
    return names;
}

int DefaultTypeIndex(int nType, bool bPictures) {
    if (nType >= 1 && nType <= kDefaultTypeCount) {
        return nType - 1;
    }
    return bPictures && nType == kPictureType ? kDefaultTypeCount : -1;
}

int DefaultTypeAt(int nIndex, bool bPictures) {
    if (nIndex < 0 || nIndex >= DefaultTypeCount(bPictures)) {
        return 0;
    }
    return nIndex < kDefaultTypeCount ? nIndex + 1 : kPictureType;
}
