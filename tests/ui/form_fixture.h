#pragma once
// The Form page over fakes: a plausible 7.5 GHz hop on the test library's first radio, with
// waveguide losses from its 7.5 GHz feeder table, and the results window of the session.

#include "engine/link_budget.h"
#include "fields/format_fixed.h"
#include "hopfile/hop_preparation.h"
#include "support/fake_results_window.h"
#include "ui/form_page.h"
#include "ui/ui_fixture.h"

namespace korvel {

class FormTest : public UiTest {
  public:
    void SetUp() override {
        UiTest::SetUp();
        session.resultsWindow = &results;
        HopRecord& record = session.hop.record;
        record.radioName.assign("MW 7.5-34");
        record.ptxDbm = 30;
        record.prxthDbm = -80.5;
        record.branchingLossDb = 2;
        record.antenna1HeightM = 30;
        record.antenna2HeightM = 40;
        record.feeder1LengthM = 40;
        record.feeder2LengthM = 50;
        record.frequencyDifferenceGHz = 0.2;
        record.msmRefDb = 40;
        record.method = Method::Method1;
        commitFeederPosition(session.hop, session.library);
    }

    // Opens a Form page for the hop as it stands, in place of the page before without asking
    // it (tests of the shell's page switching open it through the menu).
    void openForm(DiversityMode diversity = DiversityMode::No, double frequencyGHz = 7.5) {
        session.hop.record.diversityMode = diversity;
        session.hop.record.frequencyGHz = frequencyGHz;
        commitFeederPosition(session.hop, session.library);
        formPage = std::make_unique<FormPage>(session);
        formPage->open(*dialogs.createPage(formPage->form(), *formPage));
        messages.clear();
        dialogs.ran.clear();
    }
    void typeAll(const Typed& typed) {
        for (const auto& [control, text] : typed) {
            type(control, text);
        }
    }
    static std::string gainText(double diameterM, double frequencyGHz) {
        return formatFixed(antennaGainDbi(diameterM, frequencyGHz), 1);
    }

    FakeResultsWindow results;
    std::unique_ptr<FormPage> formPage;
};

} // namespace korvel
