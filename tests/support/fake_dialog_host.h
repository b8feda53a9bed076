#pragma once
// A DialogHost for presenter tests. Pages become FakeDialogViews; each modal dialog plays the
// next answer queued for its form (none: the dialog is closed, result 2) and is kept, with the
// form's number, once it has ended. The last modeless dialog is kept after it was closed.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_host.h"
#include "support/fake_dialog_view.h"

namespace korvel {

using Typed = std::vector<std::pair<ControlId, std::string>>;

class FakeDialogHost final : public DialogHost {
  public:
    DialogView* createPage(DialogId form, DialogEvents& presenter) override {
        page = failPages ? nullptr : std::make_unique<FakeDialogView>();
        pageForm = form;
        pagePresenter = &presenter;
        return page.get();
    }
    void destroyPage() override { page.reset(); }
    int runModal(DialogId form, DialogEvents& presenter,
                 const std::function<void(DialogView&)>& opened) override {
        FakeDialogView view;
        opened(view);
        if (auto& queue = scripts[form]; !queue.empty()) {
            const Script play = std::move(queue.front());
            queue.pop_front();
            play(view, presenter);
        }
        const int result = view.endResult.value_or(2);
        ran.emplace_back(form, std::move(view));
        return result;
    }
    DialogView* openModeless(DialogId form, DialogEvents& presenter) override {
        modeless = std::make_unique<FakeDialogView>();
        modelessForm = form;
        modelessPresenter = &presenter;
        return modeless.get();
    }
    void closeModeless(DialogView& /*view*/) override { modelessPresenter = nullptr; }
    // The user presses a button of the modeless dialog while it is open.
    void pressModeless(ControlId button) {
        if (modelessPresenter != nullptr) {
            modelessPresenter->onCommand(button);
        }
    }

    // What the user does in the next dialog of the form.
    using Script = std::function<void(FakeDialogView& view, DialogEvents& events)>;
    void script(DialogId form, Script play) { scripts[form].push_back(std::move(play)); }
    // The next dialog of the form gets these texts typed and these buttons pressed, in order,
    // until one of them ends it.
    void answer(DialogId form, Typed typed, std::vector<ControlId> buttons) {
        script(form, [typed = std::move(typed),
                      buttons = std::move(buttons)](FakeDialogView& view, DialogEvents& events) {
            for (const auto& [control, text] : typed) {
                view.setText(control, text);
            }
            for (auto button = buttons.begin(); button != buttons.end() && !view.endResult;
                 ++button) {
                events.onCommand(*button);
            }
        });
    }

    std::unique_ptr<FakeDialogView> page;
    DialogId pageForm = DialogId::About;
    DialogEvents* pagePresenter = nullptr;
    bool failPages = false;
    std::map<DialogId, std::deque<Script>> scripts;
    std::vector<std::pair<DialogId, FakeDialogView>> ran;
    std::unique_ptr<FakeDialogView> modeless;
    std::optional<DialogId> modelessForm;
    DialogEvents* modelessPresenter = nullptr; // while the modeless dialog is open
};

} // namespace korvel
