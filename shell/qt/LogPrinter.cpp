#include "LogPrinter.h"

#include <algorithm>

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "Cp1252.h"

namespace {
constexpr int LogFontPoints = 10;

std::string Failure(const std::string& why) { return "Loggen kan ikke udskrives: " + why; }

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
    const std::string name = Utf8ToCp1252(info.printerName().toStdString());

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Kvadrix log"));
    QPainter painter;
    if (!printer.isValid() || !painter.begin(&printer))
        return Failure("printeren " + name + " kan ikke \xE5" "bnes");

    painter.setFont(LogFont());
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = std::max(1, metrics.lineSpacing());
    const int pageHeight = printer.height();
    bool ok = true;
    int y = 0;
    for (const std::string& line : lines) {
        if (y > 0 && y + lineHeight > pageHeight) {
            if (!printer.newPage()) {
                ok = false;
                break;
            }
            y = 0;
        }
        // Long lines are cut at the page edge, not wrapped.
        painter.drawText(0, y + metrics.ascent(), LogLineText(line));
        y += lineHeight;
    }
    ok = painter.end() && ok;
    if (!ok || printer.printerState() == QPrinter::Error)
        return Failure("udskriften til printeren " + name + " mislykkedes");
    return {};
}
