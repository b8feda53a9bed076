#pragma once
// Choosing, opening and saving hop files. Both names of the chosen file live in the application
// state; hop files named without a folder are read and written in the working folder, which is
// the folder of the file last chosen.

#include <optional>

#include "platform/dialog_view.h"
#include "platform/file_chooser.h"

namespace korvel {

class Session;

// Runs the file dialog with the page (when there is one) disabled. Both names are emptied first,
// so a cancelled dialog leaves them empty. On a choice both names are set and the working folder
// becomes the chosen file's folder.
bool chooseFile(Session& session, DialogView* page, FileDialogUse use);

// Reads the chosen hop with the library checks. The OTHER radio is in use when the hop names the
// library's last radio; the current feeder table and row follow the hop's frequency. False when
// the file cannot be used (its message has been shown).
bool openChosenHop(Session& session);

// A hop just read into the session: the OTHER radio is in use when it names the library's last
// radio, and the current feeder table and row follow its frequency. Its sites come from the
// sites file beside it (none without one; a file that cannot be used is said so and kept as it
// is). When the length, the whole-degree latitude or longitude with its hemisphere, or the
// station heights they give differ from the hop's, one question lists them all and the planner
// takes them all or, by default, none.
void takeReadHop(Session& session);

// What the Save dialog left: a file that already existed or one it created empty.
enum class SaveFile { Existing, CreatedEmpty };

// The Save dialog, then the chosen file is probed: an existing file must open for reading and
// writing; a missing one is created empty. Nothing when the user cancelled or the file is not
// usable ("Unable to create " and the full name).
std::optional<SaveFile> chooseHopToSave(Session& session, DialogView* page);

// Writes the hop to the chosen file, with the results of the hop as it stands (calculated again
// without a word when they are out of date) or, when it cannot be calculated, none. When the write
// fails, or `accepted` is false because the page refused its fields, a file the Save dialog created
// is removed again, so no empty hop file stays behind, and the hop file name is forgotten. True
// when the hop and its sites were written (see writeHopWithSites).
bool finishSave(Session& session, SaveFile file, bool accepted);

} // namespace korvel
