// The Form page's Profile window: opened over the hop as the page stores it, and the lowest
// antenna heights it found taken back into the page's fields through the page's checks.
#include <array>
#include <utility>

#include "fields/page_field_text.h"
#include "platform/elevation_sources.h"
#include "ui/chart_title_block.h"
#include "ui/form_page.h"
#include "ui/hop_file_bounds.h"
#include "ui/session.h"

namespace korvel {

void FormPage::openProfile() {
    if (session_.profileView == nullptr || !validateFormPage()) {
        return;
    }
    if (!profile_) {
        profile_ = std::make_unique<ProfileWindow>(
            session_.hop, session_.sites, *session_.profileView, session_.ports.messages,
            session_.ports.files, [this] { return validateFormPage(); },
            [this](double antenna1M, double antenna2M) {
                return takeProfileHeights(antenna1M, antenna2M);
            });
        profile_->sitesChanged = [this] { session_.updateStatus(); };
        profile_->terrainSources = [this] { return elevationSources(session_.ports.profile); };
        profile_->titleBlock = [this](const ChartContent& chart) {
            return hopTitleBlock(session_.titleBlockSources(), chart);
        };
        profile_->openSites = [this] { session_.ports.window.postCommand(Command::Sites); };
    }
    profile_->open();
}

bool FormPage::takeProfileHeights(double antenna1M, double antenna2M) {
    const std::array heights{std::pair{PageField::Antenna1Height, antenna1M},
                             std::pair{PageField::Antenna2Height, antenna2M}};
    for (const auto& [field, height] : heights) {
        if (const std::optional<std::string> damage =
                valueTheReaderRefuses(recordFieldName(field), height)) {
            session_.ports.messages.show("Invalid value : " + *damage + ".", "Error",
                                         MessageIcon::Warning);
            return false;
        }
    }
    for (const auto& [field, height] : heights) {
        view_->setText(kFormControls.of(field), pageFieldText(field, height));
    }
    const bool taken = validateFormPage();
    refreshFreshness();
    return taken;
}

} // namespace korvel
