#pragma once
// Tools > Climate maps...: the ITU climate maps installed for the current methods, each with where
// it came from (source file, recommendation and edition, SHA-256, import date); importing more
// (through the tool's own import) and removing one; and the climate values typed for the hop,
// which override any map and are kept in the hop's sites file.

#include "platform/dialog_view.h"

namespace korvel {

class DialogHost;
struct MethodsTableParts;

inline constexpr ControlId kClimateMapsList = 2100;
inline constexpr ControlId kClimateFolderLabel = 2101;
inline constexpr ControlId kClimateImportButton = 2102;
inline constexpr ControlId kClimateRemoveButton = 2103;
// The typed values, in the order of the sites file's block: dN1, sa, logK, dN75, htM, R001.
inline constexpr ControlId kClimateOverrideFirst = 2110;

// Imports and removals take effect at once; OK keeps the typed values with the hop, Cancel
// leaves the hop's as they were. Either way the status and the methods table follow.
void runClimateMapsDialog(DialogHost& dialogs, const MethodsTableParts& parts);

} // namespace korvel
