// The settings the Configuration dialog edits: read from and written to the
// config row, and the lists it picks colours and the default VPD from.
#include "doc/ChoiceRows.h"
#include "doc/VersiluxDoc.h"

namespace {

// A table's rows in ID order. The sort goes back to none afterwards, as the
// lookups on the shared set expect.
template <typename Set>
std::vector<CChoice> ChoicesByID(Set& set) {
    std::vector<CChoice> choices = ReadChoices(set, "ID");
    set.m_strSort.clear();
    return choices;
}

}  // namespace

CConfigValues CVersiluxDoc::CurrentConfiguration() const {
    const CConfigSet& config = *m_pConfigSet;
    CConfigValues values;
    values.nMaxFont = config.m_Max_Font;
    values.nNormalFont = config.m_Normal_Font;
    values.nPrintFont = config.m_Print_Font;
    values.nMargin = config.m_Margin;
    values.nForeground = config.m_Foreground_Default;
    values.nForeground2 = config.m_Foreground2_Default;
    values.nForeground3 = config.m_Foreground3;
    values.nForeground4 = config.m_Foreground4;
    values.nBackground = config.m_Background_Default;
    values.nChordScreen = config.m_Chord_screen;
    values.nBarScreen = config.m_Bar_screen;
    values.nChordPrint = config.m_Chord_colour;
    values.nBarPrint = config.m_Bar_colour;
    values.nVPD = config.m_VPD_Default;
    values.defaultTypes = {config.m_Screen1_default, config.m_Screen2_default,
                           config.m_Screen3_default, config.m_Screen4_default,
                           config.m_Screen5_default};
    values.bKensington = config.m_Kensington;
    values.bTabletMode = config.m_TabletMode;
    values.flagCaptions = {config.m_Flag1, config.m_Flag2, config.m_Flag3, config.m_Flag4};
    return values;
}

void CVersiluxDoc::SaveConfiguration(const CConfigValues& values) {
    CConfigSet& config = *m_pConfigSet;
    // On a failure the members go back to what is stored: the show and the
    // editors read them.
    Writing(config, [&] {
        config.Edit();
        config.m_Max_Font = values.nMaxFont;
        config.m_Normal_Font = values.nNormalFont;
        config.m_Print_Font = values.nPrintFont;
        config.m_Margin = values.nMargin;
        config.m_Foreground_Default = values.nForeground;
        config.m_Foreground2_Default = values.nForeground2;
        config.m_Foreground3 = values.nForeground3;
        config.m_Foreground4 = values.nForeground4;
        config.m_Background_Default = values.nBackground;
        config.m_Chord_screen = values.nChordScreen;
        config.m_Bar_screen = values.nBarScreen;
        config.m_Chord_colour = values.nChordPrint;
        config.m_Bar_colour = values.nBarPrint;
        config.m_VPD_Default = values.nVPD;
        config.m_Screen1_default = values.defaultTypes[0];
        config.m_Screen2_default = values.defaultTypes[1];
        config.m_Screen3_default = values.defaultTypes[2];
        config.m_Screen4_default = values.defaultTypes[3];
        config.m_Screen5_default = values.defaultTypes[4];
        config.m_Kensington = values.bKensington;
        config.m_TabletMode = values.bTabletMode;
        config.m_Flag1 = values.flagCaptions[0];
        config.m_Flag2 = values.flagCaptions[1];
        config.m_Flag3 = values.flagCaptions[2];
        config.m_Flag4 = values.flagCaptions[3];
        return config.Update();
    });
    // The key modes and screen colours follow only a row that was written.
    ReadConfigCopies();
}

std::vector<CChoice> CVersiluxDoc::ColourChoicesByID() {
    return ChoicesByID(*m_pColoursSet);
}

std::vector<CChoice> CVersiluxDoc::VPDChoicesByID() {
    return ChoicesByID(*m_pVPDSet);
}
