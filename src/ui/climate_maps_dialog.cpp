#include "ui/climate_maps_dialog.h"

#include <string>
#include <vector>

#include "engine/number_text.h"
#include "geo/climate_overrides.h"
#include "geo/hop_sites.h"
#include "itu/climate/climate_cache.h"
#include "itu/climate/climate_maps.h"
#include "platform/dialog_host.h"
#include "platform/file_chooser.h"
#include "platform/messages.h"
#include "platform/text_encoding.h"
#include "ui/climate_import.h"
#include "ui/methods_table.h"

namespace korvel {

namespace {

constexpr int kTypedValueMax = 24;

// "R001: ITU-R P.837-7, R001.TXT, imported 2026-12-07, SHA-256 ab12..."
std::string gridLine(const CachedGrid& grid) {
    const GridProvenance& p = grid.provenance();
    return std::string(climateKindFacts(grid.kind()).name) + ": " + p.recommendation + ", " +
           p.sourceFile + ", imported " + p.importDate + ", SHA-256 " + p.sha256;
}

class ClimateMapsDialog final : public DialogEvents {
  public:
    explicit ClimateMapsDialog(const MethodsTableParts& parts) : parts_(parts) {}

    void opened(DialogView& view) {
        view_ = &view;
        view.setElidedInMiddle(kClimateFolderLabel);
        view.setText(kClimateFolderLabel, pathToCp1252(climateCacheFolder()));
        for (std::size_t q = 0; q < kClimateQuantityCount; ++q) {
            const ControlId field = kClimateOverrideFirst + static_cast<ControlId>(q);
            const auto& value = parts_.sites.climate.values[q];
            view.setTextLimit(field, kTypedValueMax);
            view.setNumberEntry(field);
            view.setText(field, value ? formatNumbers("%g", *value) : std::string());
            view.setToolTip(field, utf8ToCp1252(climateRangeText(kClimateQuantityFacts[q])));
        }
        listMaps();
        view.setFocus(kClimateMapsList);
    }

    void onCommand(ControlId control) override {
        switch (control) {
        case kOkButton:
            accept();
            break;
        case kCancelButton:
            view_->endDialog(0);
            break;
        case kClimateImportButton:
            if (importChosenClimateMaps(parts_.files, parts_.messages, parts_.busyWork,
                                        parts_.climateMaps)) {
                listMaps();
            }
            break;
        case kClimateRemoveButton:
            removeSelected();
            break;
        default:
            break;
        }
    }

    void onSelectionChanged(ControlId /*list*/) override {
        view_->setEnabled(kClimateRemoveButton, selectedKind() != nullptr);
    }

  private:
    void listMaps() {
        std::vector<std::string> errors;
        const ClimateMaps maps = ClimateMaps::open(ClimateCache(climateCacheFolder()), errors);
        kinds_.clear();
        view_->clearList(kClimateMapsList);
        for (std::size_t i = 0; i < kClimateKindCount; ++i) {
            if (const CachedGrid* grid = maps.grid(climateKindAt(i))) {
                view_->addListRow(kClimateMapsList, utf8ToCp1252(gridLine(*grid)));
                kinds_.push_back(grid->kind());
            }
        }
        if (kinds_.empty()) {
            view_->addListRow(kClimateMapsList, "No climate maps installed");
        }
        view_->setEnabled(kClimateRemoveButton, false);
        for (const std::string& error : errors) {
            parts_.messages.show(utf8ToCp1252(error), kAppCaption, MessageIcon::Warning);
        }
    }

    // The map of the selected row; none for the row that says no map is installed.
    const ClimateKind* selectedKind() const {
        const int row = view_->selectedRow(kClimateMapsList);
        return row >= 0 && static_cast<std::size_t>(row) < kinds_.size()
                   ? &kinds_[static_cast<std::size_t>(row)]
                   : nullptr;
    }

    void removeSelected() {
        const ClimateKind* selected = selectedKind();
        if (selected == nullptr) {
            return;
        }
        const ClimateKind kind = *selected;
        const std::string name = climateKindFacts(kind).name;
        if (parts_.messages.show("Remove the " + name + " climate map?", kAppCaption,
                                 MessageIcon::Question,
                                 MessageButtons::YesNoDefaultNo) != MessageAnswer::Yes) {
            return;
        }
        if (!ClimateCache(climateCacheFolder()).remove(kind)) {
            parts_.messages.show(name + ": cannot be removed", kAppCaption, MessageIcon::Warning);
        }
        parts_.climateMaps.reset();
        listMaps();
    }

    // Every typed value checked before any is kept; the first refused is said and focused.
    void accept() {
        ClimateOverrides typed;
        for (std::size_t q = 0; q < kClimateQuantityCount; ++q) {
            const ControlId field = kClimateOverrideFirst + static_cast<ControlId>(q);
            const std::string setting =
                std::string(kClimateQuantityFacts[q].key) + "=" + view_->text(field);
            if (const std::string error = applyClimateSetting(typed, setting); !error.empty()) {
                parts_.messages.show(utf8ToCp1252(error), kAppCaption, MessageIcon::Warning);
                view_->setFocus(field);
                return;
            }
        }
        parts_.sites.climate = typed;
        view_->endDialog(1);
    }

    const MethodsTableParts& parts_;
    DialogView* view_ = nullptr;
    std::vector<ClimateKind> kinds_; // of the list's rows
};

} // namespace

void runClimateMapsDialog(DialogHost& dialogs, const MethodsTableParts& parts) {
    ClimateMapsDialog dialog(parts);
    dialogs.runModal(DialogId::ClimateMaps, dialog,
                     [&dialog](DialogView& view) { dialog.opened(view); });
    parts.sitesChanged();
    parts.refresh();
}

} // namespace korvel
