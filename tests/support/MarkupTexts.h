// Song texts made at random from everything the markup allows, malformed
// pieces included, for tests that must hold for any text.
#pragma once

#include <wx/string.h>
#include <random>

// One to fourteen lines ended by CR LF (now and then a CR alone), sometimes
// with a final line end.
wxString RandomMarkupText(std::mt19937& rng);
