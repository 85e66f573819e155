// What the editors know about items without a database: the kind filters of
// their radios, the words that name a kind, which texts a screen type shows,
// and the names of the screen types.
#pragma once

#include <wx/string.h>
#include <array>
#include <vector>

// The kind radios: 0 All, 1 Titles, 2 Songs, 3 Liturgy, 4 Chords, 5 Pictures;
// a kind stores Subtype = radio - 1. kNoKind: no radio clicked yet.
constexpr int kNoKind = -1;
constexpr int kKindAll = 0;
constexpr int kKindSongs = 2;
constexpr int kKindChords = 4;
constexpr int kKindCount = 6;

// The filter that lists one kind of the VPD's items ("Subtype=1 and VPD=2").
wxString ItemKindFilter(int nTypeFilter, int nVPD);
// The word of the New question: "item", "title", … or "thingy" for none.
wxString ItemKindWord(int nTypeFilter);
// The Subtype a new item of the radio's kind gets (-1 for All and for none).
int ItemKindSubtype(int nTypeFilter);

// The texts an item of one screen type shows (and the editor saves).
struct CItemTextsUsed {
    bool bHeading1 = false;
    bool bField1 = false;
    bool bHeading2 = false;
    bool bField2 = false;
};
CItemTextsUsed TextsUsedByType(int nType);
// Whether a screen type is a full screen that can be printed as a sheet.
bool IsPrintableType(int nType);

// The screen type of a picture, named by no layout.
constexpr int kPictureType = 50;

// The names of screen types 1 to 8, in type order.
const std::array<wxString, 8>& ScreenTypeNames();
// The names of the kinds, Subtype 0 to 4 in order.
const std::array<wxString, 5>& ItemKindNames();

// The lists of the default screen type of each kind: types 1 to 7 by their
// names, and for pictures a last entry "Picture" for kPictureType.
std::vector<wxString> DefaultTypeNames(bool bPictures);
// The entry of a stored type, or -1 when the list does not offer it.
int DefaultTypeIndex(int nType, bool bPictures);
// The type an entry stands for; 0 for no entry.
int DefaultTypeAt(int nIndex, bool bPictures);
