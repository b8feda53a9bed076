#pragma once
// The checks that bring a loaded hop's library selection into line with the library in use.
// They run in this order: radio, antennas, feeders; the last two only when the radio was found.
// Each box is preceded by a beep and carries the caption "Korvel" and an exclamation icon.

#include "engine/hop_record.h"
#include "library/equipment_library.h"
#include "platform/messages.h"

namespace korvel {

// Finds the hop's radio by its name: at radioIndex first, then from the top of the list, and
// moves radioIndex there. False, with a message, when the library has no radio of that name;
// radioIndex then stays as read.
bool checkRadio(HopState& hop, const EquipmentLibrary& library, Messages& messages);

// Finds each library diameter (within 0.0001 m) of antenna 1, antenna 2 and, with space
// diversity, the diversity antenna, unless the user typed it. A missing diameter becomes the
// user's own (diameter and gain flags set) and is listed in one message. Afterwards every
// antennaIndex lies within the diameter table of the hop's antenna type (0 when it is empty).
void checkAntennas(HopState& hop, const EquipmentLibrary& library, Messages& messages);

// Looks for feeder data at the hop's frequency (within 0.0001 GHz): single-frequency tables
// above 3 GHz, the coax table of the insulation at 3 GHz and below. Without it both feeder
// losses become the user's own, with a message below 20 GHz. Afterwards neither feederIndex is
// negative, and at 3 GHz and below both lie within the feeder types of the coax table of the
// insulation (0 when it has none); above 3 GHz an index past the types of the table stays for
// commitFeederPosition, which sets both to 0.
void checkFeeders(HopState& hop, const EquipmentLibrary& library, Messages& messages);

} // namespace korvel
