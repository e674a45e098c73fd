// The Polynomier tab through the form model: roots, division and fractions,
// their log lines and checks, and texts that are not polynomials.
#include <algorithm>

#include "FormFixture.h"

namespace {
bool Logged(const Lines& log, const std::string& line) { return std::find(log.begin(), log.end(), line) != log.end(); }
}  // namespace

using PolynomierTabTest = FormTest;

TEST_F(PolynomierTabTest, RootsAndFactorisedForm) {
    struct Row {
        const char *typed, *roots, *factorised;
    };
    for (const Row& row : std::initializer_list<Row>{
             {"x^3-6x^2+11x-6", "{1 , 2 , 3}", "(x-1)*(x-2)*(x-3)"},
             {"x^2-1", "{1 , -1}", "(x-1)*(x+1)"},
             {"2x-4", "{2}", "2*(x-2)"},
             {"1/2*x^2-2", "{2 , -2}", "1/2*(x-2)*(x+2)"},   // fractional leading coefficient kept in front
             {"x^4-4*x^2+4", "{-1.4142 , -1.4142 , 1.4142 , 1.4142}", "x^4-4*x^2+4"},
             {"x^2+1", "", "x^2+1"},
             {"X^2 - 1", "{1 , -1}", "(x-1)*(x+1)"}}) {
        host.log.clear();
        Leave("px_Edit", row.typed);
        EXPECT_EQ(form.Polynomier.RoedderEdit.text, row.roots) << row.typed;
        EXPECT_EQ(form.Polynomier.pxfak_Edit.text, row.factorised) << row.typed;
        EXPECT_EQ(host.log.back().substr(0, 9), "Kontrol: ") << row.typed;
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(PolynomierTabTest, RootsLogLines) {
    Leave("px_Edit", "x^2-1");
    EXPECT_TRUE(Logged(host.log, "2 r\xF8" "dder er fundet i p(x)"));
    EXPECT_TRUE(Logged(host.log, "R\xF8" "dderne er {1 , -1}"));
    EXPECT_TRUE(Logged(host.log, "Fakto" "ropl\xF8sningen af p(x) er: (x-1)*(x+1)"));
    EXPECT_EQ(host.log.back(),
              "Kontrol: hver rod indsat i p(x) giver 0 (decimaltal p\xE5 4 decimaler), og "
              "faktoropl\xF8sningen ganget ud giver p(x)");
    host.log.clear();
    Leave("px_Edit", "x-4");
    EXPECT_TRUE(Logged(host.log, "1 rod er fundet i p(x) = "));
    EXPECT_TRUE(Logged(host.log, "Roden er {4}"));
    host.log.clear();
    Leave("px_Edit", "x^2+1");
    EXPECT_TRUE(Logged(host.log, "Ingen r\xF8" "dder er fundet i p(x) = "));
}

// Such texts were cut or turned into another polynomial without a word.
TEST_F(PolynomierTabTest, TextsThatAreNoPolynomialAreReported) {
    for (const char* typed : {"x^2+x^3", "sin(x)", "x^2+", "(x+1)*(x-1)", "x^25"}) {
        host.boxes.clear();
        ErrorFlag = false;
        Leave("px_Edit", typed);
        ASSERT_EQ(host.boxes.size(), 1u) << typed;
        EXPECT_EQ(host.boxes[0], std::string("Fejl i polynomium: ") + typed);
        EXPECT_EQ(form.Polynomier.RoedderEdit.text, "");
        EXPECT_EQ(form.Polynomier.pxfak_Edit.text, "");
    }
}

TEST_F(PolynomierTabTest, Division) {
    struct Row {
        const char *p, *d, *q, *r;
    };
    for (const Row& row : std::initializer_list<Row>{{"x^2-1", "x-1", "x+1", "0"},
                                                      {"x^3+1", "x^2", "x", "1"},
                                                      {"x+1", "x^2", "0", "x+1"},
                                                      {"2x^3-3x+1", "2x-1", "x^2+1/2*x-5/4", "-1/4"}}) {
        host.log.clear();
        Leave("DividendEdit", row.p);
        EXPECT_EQ(form.FocusRequest, "DivisorEdit");
        EXPECT_TRUE(host.log.empty());  // leaving the dividend computes nothing
        Leave("DivisorEdit", row.d);
        EXPECT_EQ(form.Polynomier.KvotientEdit.text, row.q) << row.p;
        EXPECT_EQ(form.Polynomier.RestEdit.text, row.r) << row.p;
        EXPECT_TRUE(Logged(host.log, std::string("Kvotienten: q(x) = ") + row.q));
        EXPECT_TRUE(Logged(host.log, std::string("Resten: r(x) = ") + row.r));
        EXPECT_EQ(host.log.back(), "Kontrol: q(x)*d(x)+r(x) giver p(x)");
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(PolynomierTabTest, DivisionRefusesWhatItCannotDivide) {
    Leave("DividendEdit", "sin(x)");
    Leave("DivisorEdit", "x-1");
    EXPECT_EQ(host.boxes, Lines{"Fejl i polynomium: sin(x)"});
    EXPECT_TRUE(Logged(host.log, "p(x) = sin(x) er ikke et polynomium"));
    EXPECT_EQ(form.Polynomier.KvotientEdit.text, "");
    host.boxes.clear();
    Leave("DividendEdit", "x^2+1");
    Leave("DivisorEdit", "0");
    EXPECT_EQ(host.boxes, Lines{"Der kan ikke divideres med nulpolynomiet: d(x) = 0"});
    EXPECT_EQ(form.Polynomier.KvotientEdit.text, "");
}

TEST_F(PolynomierTabTest, FractionReduction) {
    struct Row {
        const char *typed, *reduced;
    };
    for (const Row& row : std::initializer_list<Row>{{"(x^2-1)/(x^2+3x+2)", "(x-1)/(x+2)"},
                                                      {"(x^2-1)/(x-1)", "x+1"},
                                                      {"(x^3-x)/x^2", "(x-1)*(x+1)/x"},
                                                      // no real roots on either side: empty brace lists
                                                      {"(x^2+1)/(x^2+2)", "(x^2+1)/(x^2+2)"}}) {
        host.log.clear();
        Leave("PolBroekEdit", row.typed);
        EXPECT_EQ(form.Polynomier.ReduceretPolBroekEdit.text, row.reduced) << row.typed;
        EXPECT_EQ(host.log.back().substr(0, 9), "Kontrol: ") << row.typed;
        EXPECT_EQ(form.FocusRequest, "ReduceretPolBroekEdit");
    }
    EXPECT_TRUE(Logged(host.log, "{}"));
    EXPECT_TRUE(host.boxes.empty());
    Leave("PolBroekEdit", "x^2-1/(x+1)");  // the "/" divides the 1 only
    EXPECT_EQ(host.boxes, Lines{"Fejl i polynomiumsbr\xF8k x^2-1/(x+1)"});
    EXPECT_EQ(form.Polynomier.ReduceretPolBroekEdit.text, "");
}

TEST_F(PolynomierTabTest, MenuItemsReachTheirFields) {
    using Click = void (*)(Form&);
    for (auto [menu, field] : {std::pair<Click, const char*>{PolynomiersRoedderMenuItemClick, "px_Edit"},
                               std::pair<Click, const char*>{PolynomiersDivisionMenuItemClick, "DividendEdit"},
                               std::pair<Click, const char*>{ReduktionAfPolynomiumsBroekerMenuItemClick,
                                                             "PolBroekEdit"}}) {
        form.ActivePage = LogTabSheet;
        form.Find(field)->text = "x";
        RunHandler(form, menu);
        EXPECT_EQ(form.ActivePage, PolynomierTabSheet);
        EXPECT_EQ(form.FocusRequest, field);
        EXPECT_EQ(form.Find(field)->text, "");
    }
}
