#pragma once
// The About box: the program's name and version, and the identification of the library in use.

namespace korvel {

class DialogHost;
struct EquipmentLibrary;

inline constexpr int kLibraryLineLabel = 1002;
inline constexpr int kVersionLineLabel = 1003;

// Runs the box modally; any button closes it.
void runAboutBox(DialogHost& dialogs, const EquipmentLibrary& library);

} // namespace korvel
