#pragma once
// A DialogHost for presenter tests. Pages become FakeDialogViews; each modal dialog plays the
// next script queued for its form (none: the dialog is closed, result 2) and is kept, with the
// form's number, once it has ended.

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/dialog_host.h"
#include "support/fake_dialog_view.h"

namespace korvel {

class FakeDialogHost final : public DialogHost {
  public:
    // What the user does in an open dialog: fill fields, then press buttons through `events`.
    using Script = std::function<void(FakeDialogView& view, DialogEvents& events)>;

    DialogView* createPage(DialogId form, DialogEvents& presenter) override {
        if (failPages) {
            return nullptr;
        }
        page = std::make_unique<FakeDialogView>();
        pageForm = form;
        pagePresenter = &presenter;
        return page.get();
    }
    void destroyPage() override {
        page.reset();
        pagePresenter = nullptr;
    }
    int runModal(DialogId form, DialogEvents& presenter,
                 const std::function<void(DialogView&)>& opened) override {
        FakeDialogView view;
        opened(view);
        auto& queue = scripts[form];
        if (!queue.empty()) {
            const Script script = std::move(queue.front());
            queue.pop_front();
            script(view, presenter);
        }
        const int result = view.endResult.value_or(2);
        ran.emplace_back(form, std::move(view));
        return result;
    }

    void script(DialogId form, Script play) { scripts[form].push_back(std::move(play)); }
    // Presses the buttons in order, as a user would.
    void press(DialogId form, std::vector<ControlId> buttons) {
        script(form, [buttons](FakeDialogView&, DialogEvents& events) {
            for (const ControlId button : buttons) {
                events.onCommand(button);
            }
        });
    }

    std::unique_ptr<FakeDialogView> page;
    DialogId pageForm = DialogId::About;
    DialogEvents* pagePresenter = nullptr;
    bool failPages = false;
    std::map<DialogId, std::deque<Script>> scripts;
    std::vector<std::pair<DialogId, FakeDialogView>> ran;
};

} // namespace korvel
