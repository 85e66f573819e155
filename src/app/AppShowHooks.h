// The show's display window and pop-up menus as the program provides them.
#pragma once

#include "view/ShowHooks.h"

CShowHooks MakeAppShowHooks();
