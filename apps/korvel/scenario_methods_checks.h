#pragma once
// The scenario lines about the methods table in the results dock:
//   method judge COLUMN          chooses the column (0 classic, 1 P.530-17, 2 P.530-18) that judges
//   method import [cancelled]    presses the button that imports climate maps (and Cancel on
//                                the busy note as soon as the import runs)
//   expect method ROW COLUMN TEXT   cell ROW, COLUMN (from 0) reads TEXT
//   expect method tip ROW COLUMN TEXT   the cell's tooltip and accessible description contain TEXT
//   expect method missing TEXT      the note on missing climate maps reads TEXT (empty: none)

#include <optional>
#include <string>

namespace korvel {

class QtMethodsTable;

// The failure, empty when the line was carried out.
std::string actOnMethods(QtMethodsTable& table, const std::string& rest);
std::string checkMethods(const QtMethodsTable& table, const std::string& rest);

} // namespace korvel
