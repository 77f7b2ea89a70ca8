#pragma once
#include "layouts/window.h"
