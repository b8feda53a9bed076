#pragma once
// The start panel: ONE HOP, MODIFY OLD HOP, NEW ROUTE and MODIFY OLD ROUTE.

#include "ui/page.h"

namespace korvel {

class Session;

inline constexpr ControlId kOneHopButton = 1000;
inline constexpr ControlId kModifyOldHopButton = 1001;
inline constexpr ControlId kNewRouteButton = 1002;
inline constexpr ControlId kModifyOldRouteButton = 1003;

class StartPanel final : public Page {
  public:
    explicit StartPanel(Session& session) : session_(session) {}

    [[nodiscard]] DialogId form() const override { return DialogId::StartPanel; }
    void open(DialogView& view) override;
    void onCommand(ControlId control) override;

  private:
    void modifyOldRoute();

    Session& session_;
    DialogView* view_ = nullptr;
};

} // namespace korvel
