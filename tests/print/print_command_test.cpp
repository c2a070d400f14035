// vandor-cli print, run as a program: the PDF it writes is measured with
// poppler's pdfinfo and pdftoppm against the page figures.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <string>

#include "io/PuzzleFile.h"
#include "pdf_probe.h"

namespace {

const char* const kNine =
    "b . . . . . . . W\n"
    ". . . . . . . . .\n"
    ". . w . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . B . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    ". . . . . . . . .\n"
    "W . . . . . . . b\n";

class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGameState();
        ASSERT_TRUE(dir.isValid());
    }

    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    static probe::RunResult Cli(const QStringList& args, const QByteArray& input = {},
                                const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
    {
        return probe::Run(QStringLiteral(VANDOR_CLI), args, input, env);
    }

    // The PDF holds one A4 page that shows the board now in GameState.
    void ExpectPage(const QString& pdf)
    {
        EXPECT_EQ(probe::PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
        const QString size = probe::PdfInfo(pdf, QStringLiteral("Page size"));
        // Qt keeps page sizes in whole points: 595 x 842 for A4's 595.276 x 841.89.
        EXPECT_TRUE(size.endsWith(QStringLiteral("pts (A4)"))) << size.toStdString();
        const QStringList points = size.split(QLatin1Char(' '));
        ASSERT_GE(points.size(), 3);
        EXPECT_NEAR(points[0].toDouble(), 595.276, 0.5);
        EXPECT_NEAR(points[2].toDouble(), 841.89, 0.5);
        const probe::PageImage page = probe::RasterisePdf(pdf, pdf + QStringLiteral(".page"));
        EXPECT_NEAR(page.image.width(), 2100, 1);
        EXPECT_NEAR(page.image.height(), 2970, 1);
        probe::ExpectBoardDrawn(page);
        probe::ExpectTitleAndNothingElse(page);
    }

    QTemporaryDir dir;
};

// A saved 15 x 15 puzzle, printed with no display and no platform chosen.
TEST_F(PrintCommandTest, PrintsAPuzzleFileAsOneA4PageWithoutADisplay)
{
    if (!probe::HavePoppler())
        GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are not installed";
    PuzzleRecord record;
    ReadError why;
    ASSERT_TRUE(ParseNotation(probe::kFifteenByFifteen, record, why)) << why;
    std::string error;
    ASSERT_TRUE(WritePuzzleFile(Path("fifteen.vdr").toStdString(), record, error)) << error;

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    const probe::RunResult run =
        Cli({QStringLiteral("print"), Path("fifteen.vdr"), QStringLiteral("-o"), Path("fifteen.pdf")}, {}, env);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    probe::Load(probe::kFifteenByFifteen);
    ExpectPage(Path("fifteen.pdf"));
}

// The notation on standard input, the output option first; placed stones
// print like given ones.
TEST_F(PrintCommandTest, PrintsTheNotationFromStandardInput)
{
    if (!probe::HavePoppler())
        GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are not installed";
    const probe::RunResult run =
        Cli({QStringLiteral("print"), QStringLiteral("-o"), Path("nine.pdf"), QStringLiteral("-")}, kNine);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    probe::Load(kNine);
    ExpectPage(Path("nine.pdf"));
}

// Wrong arguments and unreadable input are refused with the usual exit
// codes, and an existing OUT is left as it was.
TEST_F(PrintCommandTest, RefusesBadArgumentsAndInputWithoutTouchingTheOutput)
{
    QFile old(Path("old.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("keep me");
    old.close();

    const QString out = Path("old.pdf");
    const struct {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{QStringLiteral("print"), Path("puzzle.txt")}, 2},
        {{QStringLiteral("print"), QStringLiteral("-o"), out}, 2},
        {{QStringLiteral("print"), Path("puzzle.txt"), QStringLiteral("-o")}, 2},
        {{QStringLiteral("print"), Path("a.txt"), Path("b.txt"), QStringLiteral("-o"), out}, 2},
        {{QStringLiteral("print"), Path("puzzle.txt"), QStringLiteral("-x"), QStringLiteral("-o"), out}, 2},
        {{QStringLiteral("print"), Path("missing.vdr"), QStringLiteral("-o"), out}, 1},
        {{QStringLiteral("print"), Path("old.pdf"), QStringLiteral("-o"), out}, 1},  // not a board
        {{QStringLiteral("print"), QStringLiteral("yinyang/20/3/q"), QStringLiteral("-o"), out}, 1},  // too wide
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
        const probe::RunResult run = Cli(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.startsWith("vandor-cli: ")) << run.err.toStdString();
    }
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("keep me"));
}

TEST_F(PrintCommandTest, ReportsAnOutputThatCannotBeWritten)
{
    const QString out = Path("no-such-folder/page.pdf");
    const probe::RunResult run = Cli({QStringLiteral("print"), QStringLiteral("-"), QStringLiteral("-o"), out}, kNine);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(out.toUtf8())) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

}  // namespace
