#pragma once
// The Profile window's presenter: it draws the hop's terrain profile as the Form page last stored
// the hop, with the earth bulge for the k typed, checks the clearance rules of the set chosen,
// finds the lowest antenna heights that meet them, and gives them to the page on Apply.

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "geo/antenna_heights.h"
#include "geo/hop_sites.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "platform/profile_view.h"

namespace korvel {

struct HopState;
struct HopSites;

class ProfileWindow final : public ProfileEvents {
  public:
    // Takes the antenna heights (m above the station reference levels) into the page through the
    // page's own checks; false when the page refused them (and said why).
    using TakeHeights = std::function<bool(double antenna1M, double antenna2M)>;
    // Stores the page's fields as typed; false when the page refused them (and said why).
    using StorePage = std::function<bool()>;

    ProfileWindow(const HopState& hop, HopSites& sites, ProfileView& view, Messages& messages,
                  FileChooser& files, StorePage store, TakeHeights take);

    // Opens the window with k 4/3, the first rule set and equal heights, and draws; an open
    // window keeps its settings and draws again.
    void open();
    void close();
    // Draws the window again, when open, with the settings it shows: the page stored new heights.
    void refresh();

    void onRedraw(const ProfileSettings& settings) override;
    void onRuleSetChosen(const ProfileSettings& settings) override;
    void onApply(const ProfileSettings& settings) override;
    void onImportCsv(const ProfileSettings& settings) override;
    void onFromTerrain(const ProfileSettings& settings) override;
    void onSites() override {
        if (openSites) {
            openSites();
        }
    }

    // Told when an import replaced the hop's profile (an unsaved change of the hop).
    std::function<void()> sitesChanged;
    // The elevation models of the settings, in the order they are tried.
    std::function<std::vector<std::filesystem::path>()> terrainSources;
    // What heads the chart's export; none: its title alone.
    std::function<ChartTitleBlock(const ChartContent&)> titleBlock;
    // Opens the Sites dialog.
    std::function<void()> openSites;

  private:
    // Why the hop cannot be drawn, in words; empty when it can.
    [[nodiscard]] std::string refusal() const;
    // The rules typed; nothing after telling the user which field is wrong.
    std::optional<std::vector<ClearanceRule>> rulesOf(const ProfileSettings& settings,
                                                      double pathKm) const;
    void draw(const ProfileSettings& settings);
    // Studies and shows the profile; `levelGround` says why the hop has none of its own.
    void drawStudy(const TerrainProfile& profile, const ProfileSettings& settings, double k,
                   const std::vector<ClearanceRule>& rules, const std::string& levelGround);
    // A stored profile that does not end at station 2 of the hop is offered to be imported again.
    void offerProfileForHopLength(const ProfileSettings& settings);
    // The imported or sampled profile becomes the hop's and is drawn.
    void takeProfile(TerrainProfile profile, const ProfileSettings& settings);
    void showChart(ChartContent chart);

    const HopState& hop_;
    HopSites& sites_;
    ProfileView& view_;
    Messages& messages_;
    FileChooser& files_;
    StorePage store_;
    TakeHeights take_;
    std::optional<AntennaHeights> lowest_; // of the last drawing, when it found them
    ProfileSettings shown_;                // of the last drawing without refusal
};

} // namespace korvel
