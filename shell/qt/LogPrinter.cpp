#include "LogPrinter.h"

#include <algorithm>

#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStringList>

#include "Cp1252.h"

namespace {
constexpr int LogFontPoints = 10;
// Continuations of a line wider than the page stand this far in.
const QString ContinuationIndent = QStringLiteral("    ");

std::string Failure(const std::string& why) { return "Loggen kan ikke udskrives: " + why; }
std::string SaveFailure(const QString& path) {
    return "Loggen kan ikke gemmes: filen " + Utf8ToCp1252(path.toStdString()) + " kan ikke skrives";
}

QFont LogFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSize(LogFontPoints);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
        font.setPointSize(LogFontPoints);
    }
    return font;
}

// Cuts a line into printed lines no wider than width: the first at the
// margin, the rest indented, so that the paper holds every character. At
// least one character per printed line, so that it ends on any page.
QStringList PrintedLines(const QString& line, const QFontMetrics& metrics, int width) {
    QStringList printed;
    QString rest = line;
    QString indent;
    do {
        auto fits = [&](qsizetype n) { return metrics.horizontalAdvance(indent + rest.left(n)) <= width; };
        // A monospace font: the estimate is exact, the loops only guard it.
        const int column = std::max(1, metrics.horizontalAdvance(QLatin1Char('M')));
        const qsizetype estimate = (width - metrics.horizontalAdvance(indent)) / column;
        qsizetype n = std::clamp<qsizetype>(estimate, 1, std::max<qsizetype>(1, rest.size()));  // "" prints as ""
        while (n > 1 && !fits(n)) --n;
        while (n < rest.size() && fits(n + 1)) ++n;
        printed << indent + rest.left(n);
        rest.remove(0, n);
        indent = ContinuationIndent;
    } while (!rest.isEmpty());
    return printed;
}

}  // namespace

QString LogLineText(const std::string& line) {
    std::string text = Cp1252ToUtf8(line);
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return QString::fromStdString(text);
}

std::string PrintLog(const std::vector<std::string>& lines) {
    // A QPrinter without a printer silently writes a PDF file instead: decide
    // from the printer list first.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return Failure(QPrinterInfo::availablePrinterNames().isEmpty() ? "der er ingen printer"
                                                                       : "der er ingen standardprinter");
    QPrinter printer(info, QPrinter::HighResolution);
    return PrintLog(printer, lines);
}

std::string PrintLog(QPrinter& printer, const std::vector<std::string>& lines) {
    const bool pdf = printer.outputFormat() == QPrinter::PdfFormat;
    const std::string name = pdf ? "PDF-filen " + Utf8ToCp1252(printer.outputFileName().toStdString())
                                 : "printeren " + Utf8ToCp1252(printer.printerName().toStdString());
    printer.setDocName(QStringLiteral("Kvadrix log"));
    QPainter painter;
    auto failure = [pdf](const std::string& why) {
        return pdf ? "Loggen kan ikke gemmes: " + why : Failure(why);
    };
    if (!printer.isValid() || !painter.begin(&printer)) return failure(name + " kan ikke \xE5" "bnes");

    painter.setFont(LogFont());
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = std::max(1, metrics.lineSpacing());
    const int pageHeight = printer.height();
    const int pageWidth = printer.width();
    bool ok = true;
    int y = 0;
    for (std::size_t i = 0; ok && i < lines.size(); ++i) {
        for (const QString& printed : PrintedLines(LogLineText(lines[i]), metrics, pageWidth)) {
            if (y > 0 && y + lineHeight > pageHeight) {
                if (!printer.newPage()) {
                    ok = false;
                    break;
                }
                y = 0;
            }
            painter.drawText(0, y + metrics.ascent(), printed);
            y += lineHeight;
        }
    }
    ok = painter.end() && ok;
    if (!ok || printer.printerState() == QPrinter::Error) return failure("udskriften til " + name + " mislykkedes");
    return {};
}

std::string SaveLogPdf(const QString& path, const std::vector<std::string>& lines) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const std::string problem = PrintLog(printer, lines);
    // QPainter on a PDF that cannot be written still "succeeds": look at the file.
    if (problem.empty() && QFileInfo(path).size() <= 0) return SaveFailure(path);
    return problem;
}

std::string SaveLogText(const QString& path, const std::vector<std::string>& lines) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return SaveFailure(path);
    for (const std::string& line : lines) {
        file.write(LogLineText(line).toUtf8());
        file.write("\n");
    }
    return file.commit() ? std::string() : SaveFailure(path);
}
