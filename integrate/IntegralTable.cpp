// The integral table and the inverse table, in look-up order.
//
// Parameter letters: d g j k m bind whole numbers, u v w y z numbers with a
// decimal point; in the inverse table's templates y is the new variable.
// The third column lists what a row needs of its parameters: a row whose
// condition fails does not match and the look-up goes on with the next row
// (no division by zero, no logarithm of a base <= 0 or = 1, reduction rows
// only for a positive exponent so that their recursion ends).
#include "IntegralTable.h"

#include <array>
#include <vector>

#include "Host.h"
#include "PrefixForm.h"
#include "TableLookup.h"
#include "TextOps.h"

#define R "\xA7"  // reduction marker

namespace {

// Templates are written so that the notation reads them as meant: a negated
// power is -1*u^... rather than -u^... (which reads as (-u)^...); sqrt(1-cos(x)),
// sqrt(1-sin(x)) and sin(x)*sqrt(1-cos(x)) have antiderivatives that hold for
// every x where they are defined, not only where sin(x/2) > 0.
constexpr std::array<TableRow, 133> Integrals = {{
    /*   1 */ {"1", "x", ""},
    /*   2 */ {"u", "u*x", ""},
    /*   3 */ {"x", "1/2*x^2", ""},
    /*   4 */ {"u*x", "1/2*u*x^2", ""},
    /*   5 */ {"x^(-1)", "ln(x)", ""},
    /*   6 */ {"u*x^(-1)", "u*ln(x)", ""},
    /*   7 */ {"x^(-k)", "-1/(k-1)*x^(1-k)", "k!=1"},
    /*   8 */ {"u*x^(-k)", "-u/(k-1)*x^(1-k)", "k!=1"},
    /*   9 */ {"cos(x)", "sin(x)", ""},
    /*  10 */ {"u*cos(x)", "u*sin(x)", ""},
    /*  11 */ {"cos(v*x)", "1/v*sin(v*x)", "v!=0"},
    /*  12 */ {"cosh(x)", "sinh(x)", ""},
    /*  13 */ {"sin(x)", "(-cos(x))", ""},
    /*  14 */ {"u*sin(x)", "(-u*cos(x))", ""},
    /*  15 */ {"sin(v*x)", "(-1/v*cos(v*x))", "v!=0"},
    /*  16 */ {"k*sin(m*x)", "(-k/m*cos(m*x))", "m!=0"},
    /*  17 */ {"1/x", "ln(x)", ""},
    /*  18 */ {"u/x", "u*ln(x)", ""},
    /*  19 */ {"tan(x)", "(-ln(cos(x)))", ""},
    /*  20 */ {"u*tan(x)", "(-u*ln(cos(x)))", ""},
    /*  21 */ {"tan(v*x)", "(-1/v*ln(cos(v*x)))", "v!=0"},
    /*  22 */ {"u*tan(v*x)", "(-u/v*ln(cos(v*x)))", "v!=0"},
    /*  23 */ {"m*sqrt(k*x)", "2/3*m*x*sqrt(k*x)", ""},
    /*  24 */ {"u*sqrt(v*x)", "2/3*u*x*sqrt(v*x)", ""},
    /*  25 */ {"1/sqrt(x)", "2*sqrt(x)", ""},
    /*  26 */ {"u/sqrt(x)", "2*u*sqrt(x)", ""},
    /*  27 */ {"1/(2*sqrt(x))", "sqrt(x)", ""},
    /*  28 */ {"1/sqrt(v*x)", "2/v*sqrt(v*x)", "v!=0"},
    /*  29 */ {"u/sqrt(v*x)", "2*u/v*sqrt(v*x)", "v!=0"},
    /*  30 */ {"ln(x)", "x*ln(x)-x", ""},
    /*  31 */ {"x^k*ln(x)", "x^(k+1)/(k+1)*(ln(x)-1/(k+1))", "k!=-1"},
    /*  32 */ {"exp(x)", "exp(x)", ""},
    /*  33 */ {"u^x", "u^x/ln(u)", "u>0;u!=1"},
    /*  34 */ {"v*u^x", "v*u^x/ln(u)", "u>0;u!=1"},
    /*  35 */ {"x*exp(x)", "x*exp(x)-exp(x)", ""},
    /*  36 */ {"x*cos(x)", "x*sin(x)+cos(x)", ""},
    /*  37 */ {"x*sin(x)", "(-x*cos(x)+sin(x))", ""},
    /*  38 */ {"x^k*exp(x)", "x^k*exp(x)-" R "k*x^(k-1)*exp(x)", "k>0"},
    /*  39 */ {"x^k*cos(x)", "x^k*sin(x)-" R "k*x^(k-1)*sin(x)", "k>0"},
    /*  40 */ {"x^k*sin(x)", "-x^k*cos(x)+" R "k*x^(k-1)*cos(x)", "k>0"},
    /*  41 */ {"sqrt(x)", "2/3*(x)*sqrt(x)", ""},
    /*  42 */ {"sqrt(u*x)", "2/3*x*sqrt(u*x)", ""},
    /*  43 */ {"u*sqrt(x)", "2/3*u*(x)*sqrt(x)", ""},
    /*  44 */ {"cos(x)^2", "1/2*(x+1/2*sin(2*x))", ""},
    /*  45 */ {"sin(x)^2", "1/2*(x-1/2*sin(2*x))", ""},
    /*  46 */ {"x^k", "1/(k+1)*x^(k+1)", "k!=-1"},
    /*  47 */ {"1/x^k", "-1/(k-1)*1/x^(k-1)", "k!=1"},
    /*  48 */ {"sinh(x)", "cosh(x)", ""},
    /*  49 */ {"tan(x)^2", "tan(x)-x", ""},
    /*  50 */ {"tan(x)^3", "1/2*tan(x)^2+ln(cos(x))", ""},
    /*  51 */ {"ln(x)^k", "x*ln(x)^k-" R "k*ln(x)^(k-1)", "k>0"},
    /*  52 */ {"x^(-k/m)", "m/(m-k)*x^((m-k)/m)", "m!=0;k!=m"},
    /*  53 */ {"x^k*cosh(x)", "x^k*sinh(x)-" R "k*x^(k-1)*sinh(x)", "k>0"},
    /*  54 */ {"1/sqrt(1-x^2)", "asin(x)", ""},
    /*  55 */ {"1/sqrt(1+x^2)", "asinh(x)", ""},
    /*  56 */ {"1/(1+x^2)", "atan(x)", ""},
    /*  57 */ {"x^k*sinh(x)", "x^k*cosh(x)-" R "k*x^(k-1)*cosh(x)", "k>0"},
    /*  58 */ {"x*cosh(x)", "x*sinh(x)-cosh(x)", ""},
    /*  59 */ {"x*sinh(x)", "x*cosh(x)-sinh(x)", ""},
    /*  60 */ {"1/sin(x)", "ln(tan(x/2))", ""},
    /*  61 */ {"1/cos(x)", "-ln(tan(pi/4-x/2))", ""},
    /*  62 */ {"sqrt(x)*ln(x)", "2/3*(x^(3/2)*ln(x)-2/3*x^(3/2))", ""},
    /*  63 */ {"ln(x)/sqrt(x)", "2*(x^(1/2)*ln(x)-2*x^(1/2))", ""},
    /*  64 */ {"1/(x*ln(x))", "ln(ln(x))", ""},
    /*  65 */ {"ln(x)/x", "1/2*ln(x)^2", ""},
    /*  66 */ {"ln(x)/x^k", "-1/(k-1)*(ln(x)/x^(k-1)+1/(k-1)*1/x^(k-1))", "k!=1"},
    /*  67 */ {"x/cos(x)^2", "x*tan(x)+ln(cos(x))", ""},
    /*  68 */ {"cosh(x)^2", "1/4*(2*x+sinh(2*x))", ""},
    /*  69 */ {"sinh(x)^2", "1/4*(sinh(2*x)-2*x)", ""},
    /*  70 */ {"x^v", "1/(v+1)*x^(v+1)", "v!=-1"},
    /*  71 */ {"u*x^v", "1/(v+1)*u*x^(v+1)", "v!=-1"},
    /*  72 */ {"x^(k/m)", "m/(k+m)*x^((k+m)/m)", "m!=0;k!=-m"},
    /*  73 */ {"x^(-k/m)*ln(x)", "m/(m-k)*(ln(x)*x^(1-k/m)-m/(m-k)*x^(1-k/m))", "m!=0;k!=m"},
    /*  74 */ {"x^(k/m)*ln(x)", "m/(k+m)*(ln(x)*x^(k/m+1)-m/(k+m)*x^(k/m+1))", "m!=0;k!=-m"},
    /*  75 */ {"ln(x)*x", "1/2*x^2*(ln(x)-1/2)", ""},
    /*  76 */ {"exp(x)*x", "(x*exp(x)-exp(x))", ""},
    /*  77 */ {"cos(x)*x", "(x*sin(x)+cos(x))", ""},
    /*  78 */ {"sin(x)*x", "(-x*cos(x)+sin(x))", ""},
    /*  79 */ {"exp(x)*x^k", "x^k*exp(x)-" R "k*x^(k-1)*exp(x)", "k>0"},
    /*  80 */ {"cos(x)*x^k", "x^k*sin(x)-" R "k*x^(k-1)*sin(x)", "k>0"},
    /*  81 */ {"sin(x)*x^k", "-x^k*cos(x)+" R "k*x^(k-1)*cos(x)", "k>0"},
    /*  82 */ {"exp(-x^2)", "sqrt(pi)/2*erf(x)", ""},
    /*  83 */ {"sqrt(1-cos(x))", "(-2*sin(x)/sqrt(1-cos(x)))", ""},
    /*  84 */ {"k/u^x", "-k/(u^x*ln(u))", "u>0;u!=1"},
    /*  85 */ {"sqrt(1-sin(x))", "(2*cos(x)/sqrt(1-sin(x)))", ""},
    /*  86 */ {"(1-cos(x))/(1+cos(x))", "2*tan(x/2)-x", ""},
    /*  87 */ {"sin(x)*sqrt(1-cos(x))", "2/3*(1-cos(x))*sqrt(1-cos(x))", ""},
    /*  88 */ {"x*u^x", "1/ln(u)*x*u^x-1/ln(u)^2*u^x", "u>0;u!=1"},
    /*  89 */ {"u^(-x)", "-1/ln(u)*u^(-x)", "u>0;u!=1"},
    /*  90 */ {"u^(k*x)", "1/(k*ln(u))*u^(k*x)", "k!=0;u>0;u!=1"},
    /*  91 */ {"u^(-k*x)", "-1/(k*ln(u))*u^(-k*x)", "k!=0;u>0;u!=1"},
    /*  92 */ {"u^(x/k)", "k/ln(u)*u^(x/k)", "k!=0;u>0;u!=1"},
    /*  93 */ {"x*ln(x)", "1/2*x^2*(ln(x)-1/2)", ""},
    /*  94 */ {"x*exp(-x)", "(-x*exp(-x)-exp(-x))", ""},
    /*  95 */ {"x^k*exp(-x)", "-x^k*exp(-x)+" R "k*x^(k-1)*exp(-x)", "k>0"},
    /*  96 */ {"1/cos(x)^2", "tan(x)", ""},
    /*  97 */ {"exp(-x)", "-exp(-x)", ""},
    /*  98 */ {"cos(-x)", "-sin(-x)", ""},
    /*  99 */ {"sin(-x)", "cos(-x)", ""},
    /* 100 */ {"ln(-x)", "x*ln(-x)-x", ""},
    /* 101 */ {"tan(-x)", "ln(cos(-x))", ""},
    /* 102 */ {"exp(-1/2*x^2)", "sqrt(2*pi)*phi(x)", ""},
    /* 103 */ {"abs(x)", "1/2*x*abs(x)", ""},
    /* 104 */ {"cos(x)^3", "(sin(x)-1/3*sin(x)^3)", ""},
    /* 105 */ {"sin(x)^3", "(1/3*cos(x)^3-cos(x))", ""},
    /* 106 */ {"ln(x)*x^k", "x^(k+1)/(k+1)*(ln(x)-1/(k+1))", "k!=-1"},
    /* 107 */ {"k/u^(-x)", "k/(u^(-x)*ln(u))", "u>0;u!=1"},
    /* 108 */ {"v/u^(-k*x)", "v/(k*ln(u)*u^(-k*x))", "k!=0;u>0;u!=1"},
    /* 109 */ {"v/u^(k*x)", "-v/(u^(k*x)*k*ln(u))", "k!=0;u>0;u!=1"},
    /* 110 */ {"ln(x)/x^(k/m)", "m/(m-k)*(ln(x)*x^(1-k/m)-m/(m-k)*x^(1-k/m))", "m!=0;k!=m"},
    /* 111 */ {"1/(-x)", "-ln(x)", ""},
    /* 112 */ {"1/(-x^k)", "1/(k-1)/x^(k-1)", "k!=1"},
    /* 113 */ {"x^pi", "1/(pi+1)*x^(pi+1)", ""},
    /* 114 */ {"pi^x", "1/ln(pi)*pi^x", ""},
    /* 115 */ {"sqrt(x+v)", "2/3*(x+v)*sqrt(x+v)", ""},
    /* 116 */ {"sqrt(v+x)", "2/3*(v+x)*sqrt(v+x)", ""},
    /* 117 */ {"1/sqrt(x+v)", "2*sqrt(x+v)", ""},
    /* 118 */ {"1/sqrt(v+x)", "2*sqrt(v+x)", ""},
    /* 119 */ {"1/(u+x^2)", "1/sqrt(u)*atan(x/sqrt(u))", "u>0"},
    /* 120 */ {"1/(1+u*x^2)", "1/sqrt(u)*atan(sqrt(u)*x)", "u>0"},
    /* 121 */ {"1/(x+u)", "ln(x+u)", ""},
    /* 122 */ {"1/(u+x)", "ln(u+x)", ""},
    /* 123 */ {"1/(u+v*x)", "ln(u+v*x)/v", "v!=0"},
    /* 124 */ {"1/(v*x+u)", "ln(v*x+u)/v", "v!=0"},
    /* 125 */ {"1/(1+cos(x))", "sin(x)/(1+cos(x))", ""},
    /* 126 */ {"1/(1+sin(x))", "-cos(x)/(1+sin(x))", ""},
    /* 127 */ {"exp(x)*sin(x)", "1/2*exp(x)*sin(x)-1/2*exp(x)*cos(x)", ""},
    /* 128 */ {"exp(x)*cos(x)", "1/2*exp(x)*sin(x)+1/2*exp(x)*cos(x)", ""},
    /* 129 */ {"1/sqrt(x^2-1)", "acosh(x)", ""},
    /* 130 */ {"sqrt(1+x^2)", "1/2*(x*sqrt(1+x^2)+asinh(x))", ""},
    /* 131 */ {"sqrt(x^2-1)", "1/2*(x*sqrt(x^2-1)-acosh(x))", ""},
    /* 132 */ {"acos(x)", "x*acos(x)-sqrt(1-x^2)", ""},
    /* 133 */ {"tanh(x)", "ln(cosh(x))", ""},
}};

// Linear inner functions t and x written in the new variable y.
constexpr std::array<TableRow, 17> Inverses = {{
    /*  1 */ {"k*x", "1/k*y", "k!=0"},
    /*  2 */ {"k*x+m", "1/k*y-m/k", "k!=0"},
    /*  3 */ {"u*x", "1/u*y", "u!=0"},
    /*  4 */ {"u*x+v", "1/u*y-v/u", "u!=0"},
    /*  5 */ {"k/m*x", "m/k*y", "k!=0;m!=0"},
    /*  6 */ {"k/m*x+d/g", "m/k*y-d/g*m/k", "k!=0;m!=0;g!=0"},
    /*  7 */ {"k/m*x+d", "m/k*y-d*m/k", "k!=0;m!=0"},
    /*  8 */ {"k*x-m", "1/k*y+m/k", "k!=0"},
    /*  9 */ {"k/m*x-d/g", "m/k*y+d/g*m/k", "k!=0;m!=0;g!=0"},
    /* 10 */ {"k/m*x-d", "m/k*y+d*m/k", "k!=0;m!=0"},
    /* 11 */ {"x+u", "y-u", ""},
    /* 12 */ {"x+k/m", "y-k/m", "m!=0"},
    /* 13 */ {"d/g*x+k/m", "g/d*y-k/m*g/d", "d!=0;g!=0;m!=0"},
    /* 14 */ {"u+x", "y-u", ""},
    /* 15 */ {"x-u", "y+u", ""},
    /* 16 */ {"-u+x", "y+u", ""},
    /* 17 */ {"m+k*x", "1/k*y-m/k", "k!=0"},
}};

template <std::size_t N>
std::vector<ExpressionText> PrefixForms(const std::array<TableRow, N>& rows) {
    ErrorFlagGuard guard;  // the patterns are well formed; nothing to report
    std::vector<ExpressionText> forms;
    forms.reserve(N);
    for (const TableRow& row : rows) forms.push_back(CanonicalForm(ToPrefixForm(MarkNegatedPowers(row.pattern))));
    return forms;
}

}  // namespace

std::span<const TableRow> IntegralTable() { return Integrals; }
std::span<const TableRow> InverseTable() { return Inverses; }

std::span<const ExpressionText> IntegralPatternForms() {
    static const std::vector<ExpressionText> forms = PrefixForms(Integrals);
    return forms;
}

std::span<const ExpressionText> InversePatternForms() {
    static const std::vector<ExpressionText> forms = PrefixForms(Inverses);
    return forms;
}

ExpressionText MarkNegatedPowers(const ExpressionText& text) {
    ExpressionText result;
    for (int p = 1; p <= text.Length(); ++p) {
        char c = text.At(p);
        result += c;
        if (c == '-' && (p == 1 || text.At(p - 1) == '(') && text.At(p + 1) == 'x' && text.At(p + 2) == '^')
            result += "1*";
    }
    return result;
}
