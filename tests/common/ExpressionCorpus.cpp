#include "ExpressionCorpus.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <sstream>

#include "Evaluate.h"
#include "Host.h"

namespace corpus {

const std::vector<std::string>& SchoolExpressions() {
    static const std::vector<std::string> list = {
        // Polynomials
        "x", "2*x", "x^2", "x^2+1", "2*x^3-4*x+1", "x^3-3*x^2+3*x-1", "-x^2+4", "x^4-1",
        "3*x^2-2*x+5", "0.5*x^2-x", "x^5+x^4+x^3+x^2+x+1", "-2*x^3+x", "x^2-5*x+6",
        "4*x^2+4*x+1", "x^3/3-x", "x^2/2+x/3", "-x^4+2*x^2", "7", "-3", "x-1", "1-x", "x^10",
        "x^2*x^3", "2*x*x", "x*x*x*x", "x^6-x^3", "5*x^2-3", "(x-1)^2", "(x+2)^3", "(2*x-1)^2",
        "x^20", "x^2*x^2*x^2*x^2*x^2*x^2*x^2*x^2*x^2*x^2*x", "1/2*x^2-3/4*x+5/6",
        // Products and quotients
        "x^3/x", "6*x/(3*x)", "x/x", "(x+1)*(x+1)/(x+1)^3", "x^-2", "x^2/x^3", "4*x^3/(2*x)",
        "12*x/(2*3)", "(x^2-1)/(x+1)", "(x^2-1)/(x-1)", "x/(x+1)", "1/(x^2+1)", "(x+1)/(x-1)",
        "2/(x*x)", "x*(x+1)*(x+2)", "x^2*(x-1)/x", "3/6*x", "4/6*x^2", "x/2/x", "x/(2/x)",
        "(2*x)/(4*x^2)", "x*x/x/x", "2*x^2/(4*x^3)", "(x+1)^2/(x+1)", "(x-2)*(x-2)*(x-2)/(x-2)^2",
        "1/(x*(x+1))", "1/x/x", "x^3*x^-1", "x^2*x^-3", "(3*x)^2/(3*x)", "x/(x^2)^2",
        "2*x/(x/(3*x))", "x*2/(x*4)/(x/8)", "6/4*x/3", "12/8/x", "x/(x+1)*(x+1)",
        "(x*x)/x", "x/((x))", "8*x^2/(2*x)^2", "x^4/(x^2*x)", "1/(2*x)^-2", "(x^3/x)^2",
        "x^2/x^-2", "9*x/(3*x)/(3*x)", "(2*x+2)/2", "(2*x+2)/(x+1)",
        // Brackets
        "(x)", "((x+1))", "(x)*(x)", "2*(x+1)", "(2*x+1)*(3*x-1)", "((x+1)*(x-1))/(x+1)",
        "(x+1)*(x-1)", "-(x+1)", "-(x-1)^2", "x-(x+1)", "(x+1)-(x-1)", "x*(x-(x+1))", "((2*x))",
        "(x^2)/x", "(-x)*(-x)", "((x+1)*2)^2", "((x))^2", "2*((x+1))*(x+1)", "(x*(x+1))/x",
        "(x/(x+1))/(x+1)", "(((x)))*x", "(x+1)^2*(x+1)^-1",
        // The functions
        "abs(x)", "sqrt(x^2+1)", "sinh(x)", "asinh(x)", "sin(x)", "asin(x/3)", "cosh(x)",
        "acosh(x^2+1)", "cos(x)", "tan(x)", "atan(x)", "ln(x^2)", "exp(-x^2)", "erf(x)", "phi(x)",
        "sin(x)^2+cos(x)^2", "sin(2*x)/x", "x*exp(x)", "x^2*sin(x)", "ln(abs(x))", "exp(x)/exp(x)",
        "sin(x)*cos(x)", "tan(x)*cos(x)", "sqrt(x)/x", "abs(x)/x", "atan(x)*x/x", "erf(x)*erf(x)",
        "phi(x)/phi(x)", "cosh(x)^2-sinh(x)^2", "asinh(x)*acosh(x^2+2)", "sin(x)/sin(x)^2",
        "exp(2*x)*exp(x)^2", "sqrt(x)*sqrt(x)", "x^(1/2)*x^(1/2)", "x^(1/3)/x^(1/3)",
        "sin(x)*sin(x)/sin(x)", "cos(x)^2/cos(x)", "exp(x)*exp(x)", "ln(x)/ln(x)",
        "sin(x)*sin(x)*sin(x)", "abs(x-1)^2/abs(x-1)", "sqrt(sin(x)^2)", "exp(sin(x))*cos(x)",
        "ln(x^2+1)/(x^2+1)", "tan(x)^2+1", "atan(1/x)", "asin(x/3)*asin(x/3)", "erf(x/2)/erf(x/2)",
        "phi(x)*phi(x)*phi(-x)", "cosh(x)/cosh(x)^3", "sinh(2*x)/sinh(x)", "exp(-x)*exp(x)",
        // Signs
        "-x", "-x^2", "-x^2/x", "-2*x", "-x*x", "-x^3/x", "-2^2", "-2^2*x", "-(2*x)^2", "3*-x^2",
        "x*-x", "x/-2", "x^-1", "-sin(x)", "-sin(x)*sin(x)", "-x+1", "-x^2-x", "2*x-3*x*x", "x--1",
        "x+-1", "x-(-2)", "-(-x)", "-x^2*x^2", "-(x)*(x)", "-(x)^2*(x)", "-2*2*x", "-x^2*2*2",
        "3*-x^2*x+x*x", "-(x+1)*(x+1)", "x-x*x", "1-x/x", "-x/x+x^2/x", "x*-2*x", "-x^-2",
        "2^-1*4*x", "-e*e", "-pi*pi*x",
        // Decimals
        "0.25*x", "1,5*x", "0.5*x^2", "2.5*x/2.5", "x^2.5", "1.5*x*x", "0.1+0.2*x", "x/0.5",
        "3.75*x^3-0.125", "1,5*x^2/x", "1e-3*x", "2.5e2*x/x", "0.333*x", "x*0.5*x", "12.375",
        "1e-2*2/4*x", "x^2.5*x", "0.5*0.5*x", "2,25*x/(1,5*x)", "x^1.5/x^1.5",
        // Constants
        "pi", "e", "2*pi*x", "pi*x^2", "e^x", "e*x*e", "pi/pi", "x*pi/x", "e^2*x", "sin(pi*x)",
        "exp(1)*e", "pi*pi/pi", "e^x*e^x", "2*pi/(4*pi)",
        // Raw texts of the derivative engine
        "3*(2*x^(2-1))", "(cos(x)*x-sin(x))/x^2", "1*x^2+x*2*x", "2*x^(2-1)", "3*x^(3-1)",
        "(1*x-x*1)/x^2", "cos(x)*1", "exp(x)*(2*x)", "-sin(x)*(2*x)", "1/x*1", "(2*x)/(x^2+1)",
        "1/(2*sqrt(x))", "1/cos(x)^2", "cosh(x)*(3)", "0*x+2*1", "(1*(x+1)-x*1)/(x+1)^2",
        "2*(x+1)^(2-1)*1", "3*(2*x+1)^2*2", "x^2*cos(x)+2*x*sin(x)", "exp(x)*x+exp(x)*1",
        "(-sin(x)*x-cos(x))/x^2", "1/sqrt(1-x^2)", "1/(1+x^2)", "2*exp(-x^2)/sqrt(pi)",
        "exp(-x^2/2)/sqrt(2*pi)", "2*x*cos(x^2)", "(x^2+1)^(1/2)", "1/2*(x^2+1)^(-1/2)*2*x",
        "4*x^(4-1)*1", "x^3*3/x", "5*x^4/5", "2*2*x", "2*x/2", "x*2/x", "(2*x)*(1/x)",
        "1*exp(x)+x*exp(x)", "2*x*1/(x^2+1)", "-1/x^2", "(0*x-1*1)/x^2", "3*x^2*1-2*1",
        "(2*x*(x-1)-x^2*1)/(x-1)^2", "cos(2*x)*2", "-sin(3*x)*3", "1/(x*2)*2", "2*sin(x)*cos(x)",
        "6*x^(6-1)/6", "(x^2)^(3-1)*3*2*x", "exp(x^2)*2*x/exp(x^2)", "x^(1/2-1)/2",
        "1/(1-x^2)^(1/2)", "sinh(x)*1*cosh(x)", "2*(x^2+1)*2*x", "4*(x-1)^3*(x-1)",
    };
    return list;
}

namespace {

class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    std::string Expression(int maxLength) {
        // Redraw an over-long text a few times; then fall back to x.
        for (int attempt = 0; attempt < 40; ++attempt) {
            pool_.clear();
            std::string s = Sum(0);
            if (static_cast<int>(s.size()) <= maxLength) return s;
        }
        return "x";
    }

private:
    int Pick(int n) { return static_cast<int>(rng_() % static_cast<unsigned>(n)); }
    bool Chance(int percent) { return Pick(100) < percent; }
    template <std::size_t N>
    const char* OneOf(const char* const (&items)[N]) {
        return items[Pick(static_cast<int>(N))];
    }

    std::string Sum(int depth) {
        std::string s = Chance(15) ? "-" : "";
        int terms = 1 + Pick(depth == 0 ? 3 : 2);
        for (int t = 0; t < terms; ++t) {
            if (t > 0) s += Chance(50) ? "+" : "-";
            if (t > 0 && Chance(3)) s += "-";
            s += Term(depth);
        }
        return s;
    }

    std::string Term(int depth) {
        std::string s = Factor(depth);
        int factors = Pick(4);
        for (int f = 0; f < factors; ++f) {
            s += Chance(65) ? "*" : "/";
            if (Chance(4)) s += "-";
            if (Chance(10) && depth < 2) {
                s += "(" + Factor(depth + 1) + "*" + Factor(depth + 1) + ")";
            } else {
                s += Factor(depth);
            }
        }
        return s;
    }

    std::string Factor(int depth) {
        if (!pool_.empty() && Chance(30)) return pool_[Pick(static_cast<int>(pool_.size()))];
        std::string f = Atom(depth);
        if (Chance(25)) {
            static const char* const exponents[] = {"2", "2", "3", "4", "-1", "-2", "(1/2)", "0", "2.5", "(2-1)"};
            f += "^";
            f += OneOf(exponents);
        }
        if (Chance(40)) pool_.push_back(f);
        return f;
    }

    std::string Atom(int depth) {
        static const char* const numbers[] = {"1", "2", "3", "4", "6", "8", "12", "0.5", "1,5", "2.25", "0.25"};
        static const char* const functions[] = {"abs", "sqrt", "sinh", "asinh", "sin", "asin", "cosh", "acosh",
                                                "cos", "tan", "atan", "ln", "exp", "erf", "phi"};
        int kind = Pick(100);
        bool deep = depth >= 2;
        if (kind < 35) return "x";
        if (kind < 55) return OneOf(numbers);
        if (kind < 60) return Chance(50) ? "pi" : "e";
        if (kind < 78) return std::string(OneOf(functions)) + "(" + (deep ? "x" : Sum(depth + 1)) + ")";
        return "(" + (deep ? std::string("x+1") : Sum(depth + 1)) + ")";
    }

    std::mt19937 rng_;
    std::vector<std::string> pool_;
};

// Answers every box with OK; remembers whether a message was about the
// text's form (a syntax error) rather than about a value outside a domain.
class SilentHost : public Host {
public:
    void AddLogLine(std::string_view) override {}
    bool ErrorBox(std::string_view message, bool) override {
        for (std::string_view form : {"Fejl i funktionsudtryk", "Mangler ", "Fejl i tal "})
            if (message.substr(0, form.size()) == form) formError = true;
        return false;
    }
    bool formError = false;
};

}  // namespace

std::vector<std::string> RandomExpressions(unsigned seed, int count, int maxLength) {
    Generator generator(seed);
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) texts.push_back(generator.Expression(maxLength));
    return texts;
}

namespace {

enum class Outcome { Value, Undefined, Unreadable };

struct Evaluation {
    Outcome outcome;
    double value;
};

Evaluation Evaluate(const ExpressionText& text, double x) {
    SilentHost silent;
    Host* previous = SetHost(&silent);
    bool savedFlag = ErrorFlag;
    ErrorFlag = false;
    Evaluation result{Outcome::Undefined, 0};
    try {
        int stop = 0;
        double v = EvaluateFunction(text, x, stop);
        if (!ErrorFlag && std::isfinite(v)) result = {stop >= text.Length() ? Outcome::Value : Outcome::Unreadable, v};
    } catch (const ArithmeticFault&) {
    }
    if (silent.formError) result.outcome = Outcome::Unreadable;
    ErrorFlag = savedFlag;
    SetHost(previous);
    return result;
}

::testing::AssertionResult Compare(const ExpressionText& before, const ExpressionText& after, double tolerance,
                                   bool domain) {
    auto quoted = [](const ExpressionText& t) { return "\"" + t.Str() + "\""; };
    for (double x : SamplePoints) {
        Evaluation a = Evaluate(before, x);
        if (a.outcome != Outcome::Value) continue;
        Evaluation b = Evaluate(after, x);
        if (b.outcome == Outcome::Unreadable)
            return ::testing::AssertionFailure() << quoted(after) << " cannot be read (from " << quoted(before) << ")";
        if (b.outcome == Outcome::Undefined) {
            if (!domain) continue;
            return ::testing::AssertionFailure() << quoted(after) << " has no value at x = " << x << " where "
                                                 << quoted(before) << " has one";
        }
        double scale = std::max({1.0, std::fabs(a.value), std::fabs(b.value)});
        if (std::fabs(a.value - b.value) > tolerance * scale) {
            std::ostringstream out;
            out.precision(17);
            out << quoted(before) << " is " << a.value << " but " << quoted(after) << " is " << b.value
                << " at x = " << x;
            return ::testing::AssertionFailure() << out.str();
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

std::optional<double> ValueAt(const ExpressionText& text, double x) {
    Evaluation e = Evaluate(text, x);
    if (e.outcome != Outcome::Value) return std::nullopt;
    return e.value;
}

int DefinedPoints(const ExpressionText& text) {
    int n = 0;
    for (double x : SamplePoints) n += ValueAt(text, x).has_value();
    return n;
}

::testing::AssertionResult SameValue(const ExpressionText& before, const ExpressionText& after, double tolerance) {
    return Compare(before, after, tolerance, false);
}

::testing::AssertionResult SameValueAndDomain(const ExpressionText& before, const ExpressionText& after,
                                              double tolerance) {
    return Compare(before, after, tolerance, true);
}

}  // namespace corpus
