#pragma once
// The Profile window's port: the earth radius factor of the drawing, the clearance rule set and
// its rules, how the lowest antenna heights are found, Apply, and the chart. Texts are
// Windows-1252.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/chart_view.h"

namespace korvel {

// What the planner set in the window, as typed.
struct ProfileSettings {
    std::string k;      // the earth radius factor of the drawing: "4/3", "1.33", "ke"
    int ruleSet = 0;    // index into the rule set names given to open
    std::string rule1C; // the set's two rules, c × F1 at k, as edited
    std::string rule1K;
    std::string rule2C;
    std::string rule2K;
    int heightsMode = 0; // index into the heights modes given to open
};

// One line of the rule table: the rule, the clearance it requires and the one achieved at its
// worst point, and whether it is met (the view colours it).
struct ProfileRuleRow {
    std::string rule;     // "Rule 1: 1.00 F1 at k = 1.333", "Diversity antenna: ..."
    std::string required; // "1.00 F1"
    std::string achieved; // "0.85 F1 at 5.000 km"
    bool met = false;
};

// What the Profile window's user does; the presenter answers.
class ProfileEvents {
  public:
    virtual ~ProfileEvents() = default;
    // Draw again with these settings (k, rules or heights mode changed).
    virtual void onRedraw(const ProfileSettings& settings) = 0;
    // Another rule set chosen: the presenter fills its rules.
    virtual void onRuleSetChosen(const ProfileSettings& settings) = 0;
    // Apply: the lowest heights found go into the Form page.
    virtual void onApply(const ProfileSettings& settings) = 0;
    // Import CSV...: a profile from a file the planner chooses replaces the hop's.
    virtual void onImportCsv(const ProfileSettings& settings) = 0;
    // From terrain: a profile sampled from the elevation models of the settings replaces it.
    virtual void onFromTerrain(const ProfileSettings& settings) = 0;
    // Sites...: where the stations stand, in the Sites dialog.
    virtual void onSites() {}
};

class ProfileView {
  public:
    virtual ~ProfileView() = default;
    // Opens the window (or brings it up); events go to `events`.
    virtual void open(const std::vector<std::string>& ruleSets,
                      const std::vector<std::string>& heightsModes, ProfileEvents& events) = 0;
    virtual void setSettings(const ProfileSettings& settings) = 0;
    virtual void showChart(const ChartContent& chart) = 0;
    // The lowest antenna heights in words, and whether Apply can take them.
    virtual void showHeights(const std::string& text, bool applicable) = 0;
    // The rule table; empty when nothing was studied.
    virtual void showRules(const std::vector<ProfileRuleRow>& rows) = 0;
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    // A long task's progress, `done` of `total`, shown once it takes a while; false when the
    // planner cancelled it. Told done == total at the end.
    virtual bool showProgress(const std::string& text, std::size_t done, std::size_t total) {
        static_cast<void>(text);
        return done <= total;
    }
};

} // namespace korvel
