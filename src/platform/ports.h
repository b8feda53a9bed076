#pragma once
// The ports through which the core reaches the outside world. Each lives in its own header.

#include "platform/messages.h"
