#include "cli/PrintCommand.h"

#include "cli/CliCommands.h"

#ifdef VANDOR_CLI_PRINT

#include <cstdio>
#include <memory>

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>

#include "io/PuzzleRecord.h"
#include "view/PrintPage.h"

namespace {

// Fine enough that the 0.2 mm outlines and the title keep their shape when
// the page is printed or rasterised.
constexpr int kPdfResolution = 1200;

// Fonts need a GUI application, but no window is ever shown, so no display
// is needed unless the caller asks for a platform of their own.
std::unique_ptr<QGuiApplication> MakeApplication()
{
    if (QGuiApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes about the environment (no runtime directory, and the
    // like) are no concern of a command-line user; errors still show.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "vandor-cli: %s\n", qPrintable(message));
    });
    static int argc = 1;
    static char name[] = "vandor-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int RunPrint(const std::vector<std::string>& args)
{
    std::string input, output;
    bool haveInput = false, haveOutput = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o" || arg == "--output") {
            if (haveOutput || i + 1 == args.size())
                return UsageError("print: -o takes one OUT.pdf");
            output = args[++i];
            haveOutput = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError("print: unknown option '" + arg + "'");
        } else if (!haveInput) {
            input = arg;
            haveInput = true;
        } else {
            return UsageError("print takes one PUZZLE");
        }
    }
    if (!haveInput || !haveOutput || output.empty())
        return UsageError("print takes one PUZZLE and -o OUT.pdf");

    PuzzleRecord record;
    std::string error;
    if (!ReadPuzzleRecord(input, record, error, RecordUse::SolveOrPrint))
        return Fail(error);

    const std::unique_ptr<QGuiApplication> app = MakeApplication();
    ApplyPuzzle(record);

    // The page goes to a temporary file that replaces OUT only once it is
    // complete, so a failed print never leaves half a PDF behind.
    const QString path = QString::fromLocal8Bit(output.c_str());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(output + ": cannot write: " + file.errorString().toStdString());
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setResolution(kPdfResolution);
        writer.setTitle(QStringLiteral("Vandor"));
        writer.setCreator(QStringLiteral("vandor-cli"));
        QPainter dc;
        if (!dc.begin(&writer)) {
            file.cancelWriting();
            return Fail(output + ": cannot write the PDF");
        }
        DrawPrintPage(dc);
        if (!dc.end()) {
            file.cancelWriting();
            return Fail(output + ": cannot write the PDF");
        }
    }
    if (!file.commit())
        return Fail(output + ": cannot write: " + file.errorString().toStdString());
    return ExitDone;
}

#else

int RunPrint(const std::vector<std::string>&)
{
    return Fail("print is not available: this vandor-cli was built without Qt (VANDOR_GUI=OFF)");
}

#endif
