// Colour values of the data (Red + Green * 256 + Blue * 65536) as wx colours.
#pragma once

#include <wx/colour.h>

#include "doc/ColourValue.h"

inline wxColour ToWxColour(COLORREF cr) {
    return wxColour(static_cast<unsigned char>(RedOf(cr)), static_cast<unsigned char>(GreenOf(cr)),
                    static_cast<unsigned char>(BlueOf(cr)));
}

inline COLORREF FromWxColour(const wxColour& colour) {
    return MakeColourValue(colour.Red(), colour.Green(), colour.Blue());
}
