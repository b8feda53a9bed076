#pragma once
// A hop opened as Modify old hop opens it, in a folder of the test's own, with or without the
// sites file beside it.

#include <string>
#include <vector>

#include "geo/sites_file.h"
#include "hopfile/hop_file.h"
#include "support/test_hop.h"
#include "ui/start_panel.h"
#include "ui/ui_fixture.h"

namespace korvel {

class OpenHopTest : public UiTest {
  public:
    void modifyOldHop(const std::string& name, const std::vector<std::uint8_t>& image) {
        writeFile(folder / "sub" / name, image);
        choose("sub/" + name);
        click(kModifyOldHopButton);
        deliverPosted();
    }
};

// A hop with its sites file: the sites ride with the hop through open, Save under another name
// and New.
class HopSitesTest : public OpenHopTest {
  public:
    HopSitesTest() {
        // Everything they offer agrees with the test hop: 40.0 km, 60 N 24 E, 120 m and 85 m.
        sites.stations[0] = SitePosition{60.62, 24.15, 120.0};
        sites.stations[1] = SitePosition{60.2745, 24.34743, 85.0};
        sites.profile = {{0.0, 120.0}, {20.0, 60.0, 12.0, true}, {40.0, 35.0}};
    }
    void openWithSites(const std::string& sitesText) {
        writeFile(folder / "sub" / "LINK7.HOP.sites.json",
                  std::vector<std::uint8_t>(sitesText.begin(), sitesText.end()));
        modifyOldHop("LINK7.HOP", hopFileImage(test::makeTestHop()));
    }
    HopSites sites;
};

} // namespace korvel
