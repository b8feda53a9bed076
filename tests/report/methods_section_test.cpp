// The section of the current methods after the hop report: golden files in both languages and
// every form, the classic report before it untouched, and the symbols Windows-1252 lacks.

#include "report/hop_report.h"
#include "report/methods_section.h"
#include "report_fixtures.h"

namespace korvel::report_test {
namespace {

TEST(MethodsSectionGolden, EveryFormAndLanguageMatchesItsGoldenFile) {
    const auto all = reportMethodColumns();
    const auto columns = columnsOf(all);
    for (const ReportLanguage language : kLanguages) {
        const std::string base =
            language == ReportLanguage::English ? "methods_section_en." : "methods_section_fr.";
        ReportText text;
        addMethodsSectionText(text, columns, language);
        expectGolden(base + "txt", text.withCrLf());
        ReportText delimited;
        addMethodsSectionDelimited(delimited, columns, language);
        expectGolden(base + "tsv", delimited.withCrLf());
        RecordingPrintDevice page(kLineHeight, kCharWidth);
        drawMethodsSectionPage(page, columns, language);
        expectGolden(base + "page", dump(page));
    }
}

TEST(MethodsSection, FollowsTheClassicReportOfEveryFormUnchanged) {
    const auto all = reportMethodColumns();
    const auto columns = columnsOf(all);
    const HopState hop = hopFrequencyDiversity();
    for (const ReportLanguage language : kLanguages) {
        for (const ReportForm form : {ReportForm::Text, ReportForm::Delimited}) {
            const std::string classic =
                buildHopReport(form, hop, reportLibrary(), language, "FD.HOP", kDateStamp);
            const std::string with =
                buildHopReport(form, hop, reportLibrary(), language, "FD.HOP", kDateStamp, columns);
            ReportText section;
            (form == ReportForm::Text ? addMethodsSectionText
                                      : addMethodsSectionDelimited)(section, columns, language);
            EXPECT_EQ(with, classic + section.withCrLf());
        }
        const std::string pdf = buildHopReport(ReportForm::Pdf, hop, reportLibrary(), language,
                                               "FD.HOP", kDateStamp, columns);
        EXPECT_TRUE(contains(pdf, "/Kids [3 0 R 7 0 R] /Count 2")) << pdf;
    }
}

TEST(ReportTextFromUtf8, SpellsOutWhatWindows1252LacksAndKeepsWhatItHolds) {
    EXPECT_EQ(reportTextFromUtf8("p ≥ 1, ΔG ≤ 10.8, |ε_p|, −860 – §2.4.6 é µ"),
              "p >= 1, delta G <= 10.8, |eps_p|, -860 \x96 \xA7"
              "2.4.6 \xE9 \xB5");
    EXPECT_EQ(reportTextFromUtf8("a → b"), "a ? b");
}

} // namespace
} // namespace korvel::report_test
