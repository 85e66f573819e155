#pragma once

#include <wx/string.h>

// Moves the chords of a chord mark or inline chord (the text between the
// braces or the two inline-chord signs) by a number of semitones. Tokens are
// separated by single spaces or slashes; a token that does not start with a
// capital A to G passes through unchanged. Any semitone count is accepted and
// reduced modulo 12; 0 returns the text unchanged, other multiples of 12
// respell the roots without changing their pitch.
wxString TransposeChordText(const wxString& text, int semitones, bool preferFlats);

// Moves one chord token: root letter, optional '#' or 'b', and a suffix that is
// copied unchanged.
wxString TransposeChord(const wxString& token, int semitones, bool preferFlats);
