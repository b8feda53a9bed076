#pragma once
// The MethodsView port: the methods table in the results dock, a column per prediction method
// (classic, P.530-17, P.530-18) and a row per input and figure, the column that judges the hop
// marked and chosen there. Texts are UTF-8: the figures carry symbols Windows-1252 lacks.

#include <string>
#include <vector>

namespace korvel {

struct MethodsCell {
    std::string text;   // as shown
    std::string detail; // its inputs and their sources: tooltip and accessible description
};

struct MethodsTableContent {
    std::vector<std::string> headings;           // one a column
    std::vector<std::string> rowLabels;          // one a row
    std::vector<std::vector<MethodsCell>> cells; // [row][column]
    int judgingColumn = 0;                       // the column the verdict judges by
    std::string missingMaps; // "needs climate maps (LogK, dN75)"; empty when nothing is missing
};

class MethodsViewEvents {
  public:
    virtual ~MethodsViewEvents() = default;
    virtual void onJudgingColumnChosen(int column) = 0;
    virtual void onImportMaps() = 0;
};

class MethodsView {
  public:
    virtual ~MethodsView() = default;
    virtual void setEvents(MethodsViewEvents* events) = 0;
    virtual void show(const MethodsTableContent& content) = 0;
    // No hop results: nothing to show.
    virtual void clear() = 0;
};

} // namespace korvel
