#pragma once
// A window definition that wires its own handlers: the include runs up two layers.
#include "shell/wire.h"
