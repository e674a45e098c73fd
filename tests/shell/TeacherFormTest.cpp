// Shown results in the form a teacher writes: named rows of shown results
// before and after (data/teacher.tsv), and a scan of every result shown for
// the test corpora for forms no teacher writes.
#include <fstream>
#include <regex>

#include "CaseTable.h"
#include "ExpressionCorpus.h"
#include "FormFixture.h"

namespace {

const std::string Data = "shell/data/teacher.tsv";

// Lines of a corpus file, without comments; a leading "!" is dropped.
std::vector<std::string> CorpusLines(const std::string& file) {
    std::vector<std::string> lines;
    std::ifstream in(std::string(KVADRIX_TESTS_DIR) + "/" + file);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        lines.push_back(line[0] == '!' ? line.substr(1) : line);
    }
    return lines;
}

// The untidy part of a shown text, or empty: ln(e), the root of a square,
// a factor or exponent 1, a factor or term 0, and doubled signs.
std::string Untidy(const std::string& shown) {
    static const std::regex forms[] = {
        std::regex(R"(ln\(e\))"),           std::regex(R"((^|[^0-9.])1\*)"),
        std::regex(R"(\*1($|[^0-9.]))"),    std::regex(R"(\^1($|[^0-9.]))"),
        std::regex(R"((^|[^0-9.])0\*)"),    std::regex(R"(\+0($|[^0-9.]))"),
        std::regex(R"(\+-|--)"),
    };
    std::smatch m;
    for (const std::regex& form : forms)
        if (std::regex_search(shown, m, form)) return m.str();
    static const std::regex root(R"(sqrt\((\d+)\))");
    for (auto it = std::sregex_iterator(shown.begin(), shown.end(), root); it != std::sregex_iterator(); ++it) {
        const long n = std::stol((*it)[1].str().substr(0, 9));
        for (long k = 0; k * k <= n; ++k)
            if (k * k == n) return it->str();
    }
    return {};
}

}  // namespace

using TeacherFormTest = FormTest;

TEST_F(TeacherFormTest, ShownResultsBeforeAndAfter) {
    for (const CaseRow& row : CaseTable(Data, "Shown")) {
        // name, output control, shown before, shown now, then control=text to leave in order
        for (std::size_t i = 4; i < row.size(); ++i) {
            const auto eq = row[i].find('=');
            Leave(row[i].substr(0, eq).c_str(), row[i].substr(eq + 1));
        }
        EXPECT_EQ(form.Find(row[1].c_str())->text, row[3]) << row.where << " " << row[0];
        EXPECT_NE(row[2], row[3]) << row.where;
    }
}

TEST_F(TeacherFormTest, SchoolExpressionsReduceToTheirTeacherForm) {
    for (const CaseRow& row : CaseTable(Data, "School")) {
        Leave("Factor_fxEdit", row[0]);
        EXPECT_EQ(form.FaktorReduktion.ReduceretFxEdit.text, row[1]) << row.where;
    }
}

TEST_F(TeacherFormTest, NoShownResultHasAnUntidyForm) {
    host.ignoreAll = true;
    auto check = [&](const char* field, const std::string& input) {
        const std::string& shown = form.Find(field)->text;
        if (shown.empty() || shown.rfind("Kan ikke", 0) == 0) return 0;
        EXPECT_EQ(Untidy(shown), "") << field << " of " << input << ": " << shown;
        return 1;
    };
    int shown = 0;
    for (const std::string& f : corpus::SchoolExpressions()) {
        Leave("Factor_fxEdit", f);
        shown += check("ReduceretFxEdit", f);
        Leave("fx_Edit", f);
        shown += check("df_dx_Edit", f);
    }
    for (const std::string& f : CorpusLines("integrate/integrands.txt")) {
        Leave("fxEdit", f);
        shown += check("StamfunktionEdit", f);
    }
    for (const std::string& p : CorpusLines("poly/school-polynomials.txt")) {
        Leave("px_Edit", p);
        shown += check("pxfak_Edit", p);
        Leave("DividendEdit", p);
        Leave("DivisorEdit", "x-1");
        shown += check("KvotientEdit", p);
        shown += check("RestEdit", p);
    }
    EXPECT_GT(shown, 1000);
    // The scan finds what it looks for.
    for (const char* untidy : {"x*ln(e)", "1*x+2", "x*1", "x^1+2", "0*x+1", "x+0", "x+-1", "x--1", "sqrt(49)*x"})
        EXPECT_NE(Untidy(untidy), "") << untidy;
    for (const char* tidy : {"11*x+0.5", "x*10", "x^10+20*x", "x+0.25", "sqrt(48)", "1/2*x"})
        EXPECT_EQ(Untidy(tidy), "") << tidy;
}
