// The hop report files of every form and language against their golden files.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "golden.h"
#include "report/hop_report.h"
#include "report_fixtures.h"

namespace korvel {
namespace {

using namespace report_test;

struct HopGoldenCase {
    const char* name;
    std::function<HopState()> hop;
    const char* hopFileName;
};

class HopReportGolden : public ::testing::TestWithParam<HopGoldenCase> {};

TEST_P(HopReportGolden, MatchesEveryFormAndLanguage) {
    const HopGoldenCase& c = GetParam();
    const EquipmentLibrary library = reportLibrary();
    const HopState hop = c.hop();
    for (const auto& [language, tag] :
         {std::pair{ReportLanguage::English, "en"}, std::pair{ReportLanguage::French, "fr"}}) {
        for (const auto& [form, extension] :
             {std::pair{ReportForm::Text, "txt"}, std::pair{ReportForm::Delimited, "tsv"}}) {
            const std::string name = std::string("hop_") + c.name + "_" + tag + "." + extension;
            SCOPED_TRACE(name);
            expectGolden(name,
                         buildHopReport(form, hop, library, language, c.hopFileName, kDateStamp));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Hops, HopReportGolden,
    ::testing::Values(HopGoldenCase{"after_new", hopAfterNew, ""},
                      HopGoldenCase{"space_diversity", hopSpaceDiversity, "LINK7.HOP"},
                      HopGoldenCase{"frequency_diversity", hopFrequencyDiversity, "FD-HOP1.HOP"},
                      HopGoldenCase{"typed_feeder_loss", hopTypedFeederLoss, "TYPED.HOP"}),
    [](const ::testing::TestParamInfo<HopGoldenCase>& testCase) {
        return std::string(testCase.param.name);
    });

} // namespace
} // namespace korvel
