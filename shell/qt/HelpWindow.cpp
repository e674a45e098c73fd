#include "HelpWindow.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "Cp1252.h"
#include "Form.h"
#include "Notation.h"

#ifndef KVADRIX_VERSION
#define KVADRIX_VERSION "0"
#endif

namespace {

QString ToQt(const char* cp1252) { return QString::fromStdString(Cp1252ToUtf8(cp1252)); }
QString Escaped(const char* cp1252) { return ToQt(cp1252).toHtmlEscaped(); }
QString Code(const char* cp1252) { return QStringLiteral("<code>") + Escaped(cp1252) + QStringLiteral("</code>"); }

// A field's name as its label shows it.
QString Caption(const char* control) {
    static Form initial;
    const std::string caption = FieldCaption(initial, control);
    return (caption.empty() ? ToQt(control) : ToQt(caption.c_str())).toHtmlEscaped();
}

}  // namespace

QString NotationHtml(bool decimalComma) {
    QString html = QStringLiteral("<h2>Notation</h2>"
                                  "<p>S\u00e5dan skrives udtryk i felterne. Alle faner l\u00e6ser den samme notation.</p>");
    for (const NotationSection& section : NotationSections) {
        html += QStringLiteral("<h3>") + Escaped(section.title) + QStringLiteral("</h3>");
        if (*section.introduction) html += QStringLiteral("<p>") + Escaped(section.introduction) + QStringLiteral("</p>");
        html += QStringLiteral("<table cellpadding='3'>");
        for (const NotationRow& row : section.rows)
            html += QStringLiteral("<tr><td>") + Code(row.written) + QStringLiteral("</td><td>") + Escaped(row.meaning) +
                    QStringLiteral("</td></tr>");
        html += QStringLiteral("</table>");
    }
    html += QStringLiteral("<h3>Eksempler p\u00e5 fanerne</h3>");
    for (int p = 0; p < PageCount; ++p) {
        bool first = true;
        for (const NotationExample& example : NotationExamples) {
            if (example.page != p) continue;
            if (first) html += QStringLiteral("<h4>") + Escaped(Pages[p].caption) + QStringLiteral("</h4><ul>");
            first = false;
            QStringList typed;
            for (const NotationStep& step : example.steps)
                typed << Caption(step.control) + QStringLiteral(" = ") + Code(step.text);
            html += QStringLiteral("<li>") + Escaped(example.comment) + QStringLiteral(": ") +
                    typed.join(QStringLiteral(", ")) + QStringLiteral(" giver ") + Caption(example.shown) +
                    QStringLiteral(" = ") +
                    Code(decimalComma ? WithDecimalComma(example.result).c_str() : example.result) +
                    QStringLiteral("</li>");
        }
        if (!first) html += QStringLiteral("</ul>");
    }
    return html;
}

QString AboutText() {
    return QStringLiteral(
        "<h3>Kvadrix " KVADRIX_VERSION "</h3>"
        "<p>Matematik til skolebrug: funktionsv\u00e6rdier, afledede, integraler, r\u00f8dder, minimum, "
        "ligninger, reduktion og regression, med mellemregningerne i loggen.</p>"
        "<p>Licens: MIT (Expat). Programmet m\u00e5 frit bruges, kopieres, \u00e6ndres og videregives; "
        "det leveres uden nogen garanti.</p>"
        "<h4>Kontrol-linjen</h4>"
        "<p>Hvert resultat kontrolleres, f\u00f8r det vises. Loggens linje \u00bbKontrol: ...\u00ab "
        "siger hvordan; et resultat, der ikke best\u00e5r kontrollen, vises ikke.</p><ul>"
        "<li><b>Differentiation:</b> f'(x) sammenlignes med differenskvotienter af f(x) i en r\u00e6kke punkter.</li>"
        "<li><b>Integration:</b> F(x) differentieres, og F'(x) sammenlignes med f(x) i en r\u00e6kke punkter; "
        "ved et bestemt integral kontrolleres, at f(x) er defineret p\u00e5 hele intervallet.</li>"
        "<li><b>Reduktion:</b> det reducerede udtryk skal have f(x)'s v\u00e6rdi i en r\u00e6kke punkter.</li>"
        "<li><b>Polynomier:</b> hver rod indsat i p(x) skal give 0, og faktoropl\u00f8sningen ganget ud skal give "
        "p(x); ved division skal q(x)*d(x)+r(x) give p(x); en reduceret br\u00f8k skal have br\u00f8kens v\u00e6rdi.</li>"
        "<li><b>Minimum:</b> gradientens l\u00e6ngde i punktet skal v\u00e6re n\u00e6sten 0, og punktet skal "
        "v\u00e6re et minimum.</li>"
        "<li><b>Ligninger:</b> den st\u00f8rste |f_i| i l\u00f8sningen skal v\u00e6re n\u00e6sten 0.</li>"
        "<li><b>Regression:</b> ligningen l\u00e6ses tilbage og skal give de beregnede v\u00e6rdier; "
        "forklaringsgraden R^2 angives.</li></ul>");
}

void ShowAboutBox(QWidget* parent) {
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("OmKvadrixBox"));
    box.setWindowTitle(QStringLiteral("Om Kvadrix"));
    box.setTextFormat(Qt::RichText);
    box.setText(AboutText());
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void THjaelpForm::ShowNotation(bool decimalComma) {
    browser_->setHtml(NotationHtml(decimalComma));
    show();
    raise();
}

THjaelpForm::THjaelpForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HjaelpForm"));
    setWindowTitle(QStringLiteral("Kvadrix - Notation"));
    setModal(false);
    resize(620, 560);
    auto* layout = new QVBoxLayout(this);
    auto* browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("NotationBrowser"));
    browser_ = browser;
    layout->addWidget(browser);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Luk"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
}
