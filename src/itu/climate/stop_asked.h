#pragma once
// How a long import learns it is to stop: asked now and then (between files, every so many values
// of a grid), true stops it. Empty: never stopped.

#include <functional>

namespace korvel {

using StopAsked = std::function<bool()>;

} // namespace korvel
