#pragma once
// The chart ports: a chart described in plain numbers and words (ChartContent), the windows that
// draw it (ChartWindows), and the Sweep window's view. Texts are Windows-1252.

#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace korvel {

// What a drawn element stands for; the view picks its colour and legend entry from it.
enum class ChartRole {
    Level,        // an absolute power
    Loss,         // lowers the level
    Gain,         // raises the level
    Margin,       // from the received power down to a threshold
    Total,        // total outage
    Flat,         // flat outage
    Selective,    // selective outage
    Rain,         // rain unavailability
    Objective,    // an objective or a share of one
    Meets,        // a hop within its share
    Misses,       // a hop above its share
    Current,      // the hop's own value
    Stale,        // a value out of date, or a total that holds one (hatched)
    Stopped,      // where the calculation stops
    Terrain,      // the ground under a path, raised by the earth bulge
    Clutter,      // trees and buildings on the ground
    Sight,        // the straight line between the antenna tips
    Fresnel,      // the first Fresnel zone's edge
    FresnelShare, // a share of the first Fresnel zone, as a clearance rule asks
    Earth,        // the earth's curvature (sea level bulged for k)
    SightOtherK,  // the line of sight as it bends for another k than the drawing's
    Diversity,    // the path to the space-diversity antenna, or a hop's diversity branch
    Mast,         // an antenna mast
    Threshold,    // the receiver threshold a margin reaches down to
    Floor,        // where bars of absolute levels start: not a value of its own
};

// How a curve is stroked when its role's own style will not tell it apart.
enum class ChartStroke { ByRole, Solid, Dashed, Dotted, DashDotted };

// A bar from `low` to `high` over category `category` (0 for the first).
struct ChartBar {
    int category = 0;
    double low = 0;
    double high = 0;
    ChartRole role = ChartRole::Level;
    std::string label;      // written at the bar's top, e.g. "misses"; may be empty
    bool rightAxis = false; // on the chart's second y axis (a value of another kind)
};

// A curve through (x, y); a y that is not a number breaks the curve (a point without result).
struct ChartCurve {
    std::string name;
    ChartRole role = ChartRole::Total;
    std::vector<double> x;
    std::vector<double> y;
    ChartStroke stroke = ChartStroke::ByRole;
    bool rightAxis = false; // on the chart's second y axis
};

// A filled band from `low` to `high` over x; a y that is not a number breaks the band (clutter
// only where there is some).
struct ChartArea {
    ChartRole role = ChartRole::Terrain;
    std::vector<double> x;
    std::vector<double> low;
    std::vector<double> high;
};

// A text written at (x, y) in chart values, e.g. a mast's height or "OBSTRUCTED".
struct ChartLabel {
    std::string text;
    ChartRole role = ChartRole::Current;
    double x = 0;
    double y = 0;
    bool rightAxis = false; // y on the chart's second y axis
};

// A straight mark: a horizontal line at `value` on the y axis (over categories `from` to `to`
// for a short segment, the whole width when both are NaN), or a vertical one at `value` on x.
struct ChartMark {
    std::string name;
    ChartRole role = ChartRole::Objective;
    bool vertical = false;
    double value = 0;
    double from = std::numeric_limits<double>::quiet_NaN();
    double to = std::numeric_limits<double>::quiet_NaN();
    bool rightAxis = false; // on the chart's second y axis
};

// A stretch of the x axis shaded over the whole height, named in words (where the calculation
// stops, and why).
struct ChartBand {
    double from = 0;
    double to = 0;
    ChartRole role = ChartRole::Stopped;
    std::string label;
};

// The same numbers as rows of text, for the Table view, the CSV export and screen readers.
struct ChartTable {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    // Makes the rows when they are first read, for a table of tens of thousands that a redraw
    // need not format; rows is then empty.
    std::function<std::vector<std::vector<std::string>>()> makeRows;
};

// The table's rows, made now when they are made on demand.
inline std::vector<std::vector<std::string>> rowsOf(const ChartTable& table) {
    return table.makeRows ? table.makeRows() : table.rows;
}

// What heads a chart exported for a report, and where its file goes by default.
struct ChartTitleBlock {
    // The hop or route, its stations, frequency and date; then the verdict line(s).
    std::vector<std::string> lines;
    std::string fileStem; // "LINK7-budget": the name the export proposes, before its extension
    std::string folder;   // UTF-8: the hop's or route's folder; empty: the dialog's own
};

struct ChartContent {
    std::string name;   // the window's key: "budget", "outage", "sweep", "route", "profile"
    std::string title;  // window title and chart title
    std::string xTitle; // axis titles carry their units
    std::string yTitle;
    // A second y axis on the right for bars and marks of another kind (as logarithmic as the
    // first); empty: none.
    std::string rightYTitle;
    bool logY = false;
    // The top of the y axis at most (a percentage of time stops at 100); NaN: as the data go.
    double yCeiling = std::numeric_limits<double>::quiet_NaN();
    std::vector<std::string> categories; // a category x axis when not empty
    std::vector<ChartBar> bars;
    std::vector<ChartCurve> curves;
    std::vector<ChartMark> marks;
    std::vector<ChartArea> areas; // drawn first, under everything else
    std::vector<ChartLabel> labels;
    std::vector<ChartBand> bands;
    std::string verdict; // one sentence in words above the chart, e.g. "... meets ..."
    ChartTable table;
    ChartTitleBlock titleBlock; // empty: the export carries the chart's title alone
};

// The chart windows of the program: one per name, opened on first use and brought up again.
class ChartWindows {
  public:
    virtual ~ChartWindows() = default;
    virtual void showChart(const ChartContent& chart) = 0;
    // Redraws the chart of that name when its window is open; nothing otherwise.
    virtual void refreshChart(const ChartContent& chart) = 0;
    virtual void closeAll() = 0;
};

// What the Sweep window's user does; the presenter answers.
class SweepEvents {
  public:
    virtual ~SweepEvents() = default;
    // OK with the input chosen (index into the list given to open) and the texts of the range.
    virtual void onSweep(int input, const std::string& from, const std::string& to,
                         const std::string& steps) = 0;
    // Another input chosen: the presenter fills its default range.
    virtual void onInputChanged(int input) = 0;
    // A click on the chart at `value` of the swept input.
    virtual void onPointChosen(double value) = 0;
};

// The Sweep window: the input to vary, the range and steps, OK, and the chart.
class SweepView {
  public:
    virtual ~SweepView() = default;
    // Opens the window (or brings it up) with these input labels; events go to `events`.
    virtual void open(const std::vector<std::string>& inputs, SweepEvents& events) = 0;
    virtual void setRange(int input, const std::string& from, const std::string& to,
                          const std::string& steps) = 0;
    virtual void showChart(const ChartContent& chart) = 0;
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
};

} // namespace korvel
