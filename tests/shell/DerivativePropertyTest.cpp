// The derivative the Differentiation tab shows, after all its tidying, must
// be the derivative of what the user typed: compared with central differences
// of the typed text over the school corpus and seeded random expressions.
#include <cmath>
#include <optional>

#include "ExpressionCorpus.h"
#include "FormFixture.h"

namespace {

// Central difference of text at x with step h, where both points have values.
std::optional<double> Slope(const ExpressionText& text, double x, double h) {
    auto a = corpus::ValueAt(text, x + h);
    auto b = corpus::ValueAt(text, x - h);
    if (!a || !b) return std::nullopt;
    return (*a - *b) / (2 * h);
}

}  // namespace

class DerivativePropertyTest : public FormTest {
protected:
    // Differentiates typed on the tab; returns the number of sample points
    // checked, or -1 when the tab showed no derivative.
    int Check(const std::string& typed) {
        host.boxes.clear();
        Leave("fx_Edit", typed);
        const std::string& shown = form.Differentiation.df_dx_Edit.text;
        if (shown.empty()) return -1;
        // erf and phi are computed by Simpson's rule to about 1e-5 only.
        const double tolerance = typed.find("erf") != std::string::npos || typed.find("phi") != std::string::npos
                                     ? 2e-3 : 1e-5;
        int checked = 0, missing = 0;
        for (double x : corpus::SamplePoints) {
            auto coarse = Slope(typed, x, 1e-4);
            auto fine = Slope(typed, x, 1e-5);
            auto value = corpus::ValueAt(ExpressionText(shown), x);
            // Skip kinks, poles and points where the difference quotient itself is unreliable.
            if (!coarse || !fine || std::fabs(*coarse - *fine) > 1e-5 * (1 + std::fabs(*fine))) continue;
            // The derivative text may overflow where the function does not
            // (sinh(433)^2); a text without any value is broken.
            if (!value) {
                ++missing;
                continue;
            }
            EXPECT_NEAR(*value, *fine, tolerance * (1 + std::fabs(*fine))) << typed << " -> " << shown << " at " << x;
            ++checked;
        }
        EXPECT_TRUE(checked > 0 || missing == 0) << typed << " -> " << shown << " has no value";
        return checked;
    }
};

TEST_F(DerivativePropertyTest, SchoolCorpus) {
    int shown = 0, points = 0;
    const auto& texts = corpus::SchoolExpressions();
    for (const auto& text : texts) {
        int checked = Check(text);
        shown += checked >= 0;
        points += std::max(checked, 0);
    }
    // Nearly every school text must give a derivative, and most points be checked.
    EXPECT_GT(shown, static_cast<int>(texts.size() * 9 / 10));
    EXPECT_GT(points, static_cast<int>(texts.size()) * 2);
}

TEST_F(DerivativePropertyTest, RandomExpressions) {
    int shown = 0;
    for (unsigned seed : {11u, 12u}) {
        for (const auto& text : corpus::RandomExpressions(seed, 200, 80)) {
            // Simpson's erf is too coarse for difference quotients of steep arguments.
            if (text.find("erf") != std::string::npos || text.find("phi") != std::string::npos) continue;
            shown += Check(text) >= 0;
        }
    }
    EXPECT_GT(shown, 150);
}
