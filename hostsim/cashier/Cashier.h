#pragma once

// A simulated cashier for the module's screens: reads what the active modal
// screen or message box shows and acts on it as a keyboard would. Qt only:
// it knows the screens by their object names, never by their classes.
//
// Every function runs on the user-interface thread. Actions never block:
// keys are posted and delivered by whatever event loop is running, so an
// action that opens a modal window returns at once. Sequences that must
// wait for the screens (a modal loop inside another) are written as a
// Script, whose steps run inside the running event loop whenever it has
// settled, each with a deadline.

#include "Actions.h"
#include "Keyboard.h"
#include "Scene.h"
#include "Script.h"
