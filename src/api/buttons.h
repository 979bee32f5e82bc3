#pragma once
// The menu buttons a script finds with api::FindButton: their captions, their
// commands and the guarded run a click or a confirm uses.

#include "logic/button_function.h"
#include "logic/buttons.h"
