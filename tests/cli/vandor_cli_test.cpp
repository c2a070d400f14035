// Runs the built vandor-cli and checks what it prints and returns.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "io/io_test_support.h"

extern char** environ;

namespace {

struct Result {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

class VandorCliTest : public ::testing::Test {
protected:
    // Runs vandor-cli with the arguments, standard input from `input`.
    Result Run(const std::vector<std::string>& args, const std::string& input = "")
    {
        const std::string in = dir_.File("stdin"), out = dir_.File("stdout"), err = dir_.File("stderr");
        WriteText(in, input);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, in.c_str(), O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<std::string> all{VANDOR_CLI_PATH};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);

        Result r;
        pid_t pid;
        const int spawned = posix_spawn(&pid, VANDOR_CLI_PATH, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(spawned, 0) << "cannot start " << VANDOR_CLI_PATH;
        int status = 0;
        if (spawned == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
            r.exitCode = WEXITSTATUS(status);
        r.out = ReadText(out);
        r.err = ReadText(err);
        return r;
    }

    TempDir dir_;
};

const char* const kExampleA =
    ". . . . .\n"
    ". . . . B\n"
    "B . . . B\n"
    ". . . B W\n"
    "W W W . .\n";

const char* const kExampleB =
    ". . . . .\n"
    "B . . W B\n"
    "B . W . W\n"
    ". . . . .\n"
    ". B . . .\n";

TEST_F(VandorCliTest, SolvePrintsTheBoardAndOneStatusLine)
{
    const std::string a = dir_.File("a.txt");
    WriteText(a, kExampleA);
    Result r = Run({"solve", a});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
              "b b b b b\n"
              "b w w w B\n"
              "B b w b B\n"
              "w b w B W\n"
              "W W W w w\n"
              "status: solved\n");
    EXPECT_EQ(r.err, "");

    // From standard input, with the cell where two solutions differ.
    r = Run({"solve", "-"}, kExampleB);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
              "b b b b b\n"
              "B w b W B\n"
              "B w W w W\n"
              "b w b b w\n"
              "b B b w w\n"
              "status: multiple 4 4\n");

    r = Run({"solve", "-"}, "WW...\nWW...\n.....\n.....\n.....\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "W W . . .\nW W . . .\n. . . . .\n. . . . .\n. . . . .\nstatus: contradiction\n");

    r = Run({"solve", "-"}, ".....\n.....\n.....\n.....\n...B.\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.substr(r.out.size() - 19), "status: unsolvable\n");
}

TEST_F(VandorCliTest, ConvertBothWaysAndShowTheStoredFile)
{
    const std::string text = dir_.File("b.txt"), vdr = dir_.File("b.vdr"), back = dir_.File("back.txt");
    WriteText(text, "W.b..\n.....\n..B..\n.....\n....w\n");
    Result r = Run({"convert", text, vdr});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadBytes(vdr).size(), 666u);

    r = Run({"show", vdr});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "W . b . .\n. . . . .\n. . B . .\n. . . . .\n. . . . w\nmode: 2\n");

    r = Run({"convert", vdr, back});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadText(back), "W . b . .\n. . . . .\n. . B . .\n. . . . .\n. . . . w\n");
}

TEST_F(VandorCliTest, UnreadableInputExitsOneWithOneLineNamingTheFile)
{
    const std::string missing = dir_.File("missing.vdr");
    Result r = Run({"show", missing});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "vandor-cli: " + missing + ": cannot open: No such file or directory\n");

    const std::string bad = dir_.File("bad.txt");
    WriteText(bad, ".....\n..x..\n.....\n.....\n.....\n");
    r = Run({"solve", bad});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "vandor-cli: " + bad + ": line 2 column 3: bad character 'x' (expected W B w b or .)\n");

    const std::string cut = dir_.File("cut.vdr");
    WriteBytes(cut, Bytes{0, 2, 9, 9, '1'});
    r = Run({"solve", cut});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "vandor-cli: " + cut + ": too short: 5 bytes; the header needs at least 9\n");

    r = Run({"solve", "-"}, "....\n....\n....\n....\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "vandor-cli: standard input: the board is 4 x 4; solve and print need 5..15 columns and rows "
                     "(check, show, url and convert take 1..64)\n");
}

// Reading a FIFO without a writer would wait for ever: the command runs in
// a child that an alarm ends should it block.
TEST_F(VandorCliTest, FifoAsPuzzleIsRefusedWithoutWaiting)
{
    for (const char* name : {"pipe.vdr", "pipe.txt"}) {
        const std::string fifo = dir_.File(name);
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
        EXPECT_EXIT(
            {
                ::alarm(10);
                ::execl(VANDOR_CLI_PATH, VANDOR_CLI_PATH, "show", fifo.c_str(), static_cast<char*>(nullptr));
                std::_Exit(99);
            },
            ::testing::ExitedWithCode(1), "^vandor-cli: " + fifo + ": cannot read: not a regular file\n$");
    }
}

TEST_F(VandorCliTest, UrlsAndPzprv3FilesGoInAndOutOfEveryCommand)
{
    const std::string url = "https://puzz.link/p?yinyang/5/5/000o20mc0";
    const std::string notation = dir_.File("a.txt"), urlFile = dir_.File("url.txt");
    WriteText(notation, kExampleA);
    WriteText(urlFile, "http://pzv.jp/p.html?yinyang/5/5/000o20mc0\r\n");

    Result r = Run({"url", notation});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, url + "\n");
    r = Run({"show", url});
    EXPECT_EQ(r.out, std::string(kExampleA) + "mode: 0\n");
    r = Run({"solve", urlFile});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(r.out.size() - 15), "status: solved\n");
    const std::string solved = r.out.substr(0, r.out.size() - 15);

    // The solved board as a pzprv3 file: its placed stones are the answer,
    // they survive .vdr and back, and stay out of the URL.
    const std::string board = dir_.File("solved.txt"), file = dir_.File("solved.pzprv3"), vdr = dir_.File("s.vdr"),
                      back = dir_.File("back.pzprv3");
    WriteText(board, solved);
    r = Run({"convert", board, file});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadText(file),
              "pzprv3\nyinyang\n5\n5\n"
              ". . . . . \n. . . . 2 \n2 . . . 2 \n. . . 2 1 \n1 1 1 . . \n"
              "2 2 2 2 2 \n2 1 1 1 . \n. 2 1 2 . \n1 2 1 . . \n. . . 1 1 \n");
    r = Run({"show", file});
    EXPECT_EQ(r.out, solved + "mode: 2\n");
    EXPECT_EQ(Run({"convert", file, vdr}).exitCode, 0);
    EXPECT_EQ(Run({"show", vdr}).out, solved + "mode: 2\n");
    EXPECT_EQ(Run({"convert", vdr, back}).exitCode, 0);
    EXPECT_EQ(ReadText(back), ReadText(file));
    EXPECT_EQ(Run({"url", back}).out, url + "\n");

    // Any size can be shown and converted to text; the solver and .vdr
    // files take 5..15 only, and say so (print too, where it is built).
    const std::string wide = "yinyang/20/3/q0000000000000000000";
    r = Run({"show", wide});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 12), "B B B . . . ");
    EXPECT_EQ(Run({"convert", wide, "-"}).out.size(), 3u * 40u);
    EXPECT_EQ(Run({"convert", wide, dir_.File("wide.pzprv3")}).exitCode, 0);
    const std::string needs = "the board is 20 x 3; solve and print need 5..15 columns and rows "
                              "(check, show, url and convert take 1..64)\n";
    r = Run({"solve", wide});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "vandor-cli: the URL: " + needs);
    r = Run({"convert", wide, dir_.File("wide.vdr")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "vandor-cli: the URL: the board is 20 x 3; a .vdr file holds 5..15 columns and rows\n");
    r = Run({"solve", dir_.File("wide.pzprv3")});
    EXPECT_EQ(r.err, "vandor-cli: " + dir_.File("wide.pzprv3") + ": " + needs);
    r = Run({"print", wide, "-o", dir_.File("wide.pdf")});
    EXPECT_EQ(r.exitCode, 1);
    if (r.err.find("not available") == std::string::npos) {
        EXPECT_EQ(r.err, "vandor-cli: the URL: " + needs);
    }

    r = Run({"url", "https://puzz.link/p?yinyang/5/5/000o2!mc0"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "vandor-cli: the URL: position 38: bad character '!' in the board (expected 0-9 or a-q)\n");
    WriteText(urlFile, "https://puzz.link/p?nurikabe/5/5/0");
    r = Run({"show", urlFile});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "vandor-cli: " + urlFile + ": a puzzle of type 'nurikabe', not yinyang\n");
    std::vector<std::string> names = dir_.Names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "back.pzprv3", "s.vdr", "solved.pzprv3", "solved.txt",
                                               "stderr", "stdin", "stdout", "url.txt", "wide.pzprv3"}));
}

TEST_F(VandorCliTest, WrongArgumentsSayWhatInOneLineAndPointToHelp)
{
    const struct {
        std::vector<std::string> args;
        const char* line;
    } cases[] = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command 'frobnicate'"},
        {{"solve"}, "solve takes one PUZZLE"},
        {{"show", "a", "b"}, "show takes one PUZZLE"},
        {{"convert", "a"}, "convert takes IN and OUT"},
        {{"solve", "--fast", "a.txt"}, "solve: unknown option '--fast'"},
        {{"convert", "a.txt", "out.xyz"}, "convert: cannot tell the format of 'out.xyz' (end it in .txt, .vdr or .pzprv3)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const Result r = Run(c.args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "vandor-cli: " + std::string(c.line) + "\nTry 'vandor-cli --help' for more information.\n");
    }
    const Result help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("usage: vandor-cli", 0), 0u);
    EXPECT_NE(help.out.find("convert IN OUT"), std::string::npos);
    EXPECT_EQ(help.err, "");
}

// A URL that holds less or more than its board is read as the online
// players read it, with one warning line; the exact board gives none.
TEST_F(VandorCliTest, UrlNotHoldingExactlyItsBoardIsReadWithOneWarning)
{
    const std::string exact = "https://puzz.link/p?yinyang/5/5/000o20mc0";
    const std::string warning = "vandor-cli: the URL: warning: ";
    const struct {
        std::string url;
        std::string err;
    } cases[] = {
        {exact, ""},
        {Run({"url", exact}).out.substr(0, exact.size()), ""},
        {"https://puzz.link/p?yinyang/5/5/000o",
         warning + "the URL's data ends before the board does; the remaining cells are empty\n"},
        {exact + "00", warning + "the URL holds data past the board, which was ignored\n"},
        {exact + "/extra", warning + "the URL holds data past the board, which was ignored\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url);
        const Result r = Run({"show", c.url});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out.size(), 5u * 10u + 8u);
    }
    // From a file, the warning names the file.
    const std::string file = dir_.File("short.txt");
    WriteText(file, "yinyang/5/5/000o\n");
    const Result r = Run({"url", file});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "https://puzz.link/p?yinyang/5/5/000o00000\n");
    EXPECT_EQ(r.err, "vandor-cli: " + file + ": warning: the URL's data ends before the board does; the remaining cells are empty\n");
}

TEST_F(VandorCliTest, ConvertWritesTheFormatOfOutsExtensionOrRefusesAnUnknownOne)
{
    const std::string in = dir_.File("a.txt");
    WriteText(in, kExampleA);
    for (const char* name : {"plain", "b.TXT", "c.pzprv3", "d.vdr"})
        EXPECT_EQ(Run({"convert", in, dir_.File(name)}).exitCode, 0) << name;
    EXPECT_EQ(ReadText(dir_.File("plain")), kExampleA);
    EXPECT_EQ(ReadText(dir_.File("b.TXT")), kExampleA);
    EXPECT_EQ(ReadText(dir_.File("c.pzprv3")).rfind("pzprv3\nyinyang\n5\n5\n", 0), 0u);
    EXPECT_EQ(Run({"show", dir_.File("d.vdr")}).out, std::string(kExampleA) + "mode: 0\n");
    EXPECT_EQ(Run({"convert", in, dir_.File("e.png")}).exitCode, 2);
    EXPECT_EQ(Run({"convert", in, dir_.File("sub.d/f")}).exitCode, 1);  // no extension, no folder either
    std::vector<std::string> names = dir_.Names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a.txt", "b.TXT", "c.pzprv3", "d.vdr", "plain", "stderr", "stdin",
                                               "stdout"}));
}

TEST_F(VandorCliTest, CheckProvesTheNumberOfSolutionsOfAnySize)
{
    const std::string a = dir_.File("a.txt");
    WriteText(a, kExampleA);
    Result r = Run({"check", a});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "solutions: 1\n"
              "B B B B B\n"
              "B W W W B\n"
              "B B W B B\n"
              "W B W B W\n"
              "W W W W W\n");

    r = Run({"check", "--undecided", "-"}, kExampleB);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out,
              "solutions: 2+\n"
              "B B B B B\nB W B W B\nB W W W W\nB W B W B\nB B B B B\n"
              "\n"
              "B B B B B\nB W B W B\nB W W W W\nB W B B W\nB B B W W\n"
              "differ: 4,4 4,5 5,4 5,5\n"
              "undecided: 4,4 4,5 5,4 5,5\n");

    // Any size; placed stones count as empty; no undecided line unless asked.
    r = Run({"check", "-"}, "W b .\n. . .\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "solutions: 2+\nW B W\nW W W\n\nW W B\nB B B\ndiffer: 1,2 2,1 2,2 3,1 3,2\n");

    r = Run({"check", "-"}, "W B\nB W\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "solutions: 0\n");

    r = Run({"check", "-"}, "W x\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("vandor-cli: standard input: ", 0), 0u) << r.err;

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"check"}, {"check", a, a}, {"check", "--all", a}}) {
        r = Run(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
    }
}

TEST_F(VandorCliTest, CheckStoppedByItsTimeLimitSaysSoAndGivesNoVerdict)
{
    std::string empty;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x)
            empty += x ? " ." : ".";
        empty += "\n";
    }
    Result r = Run({"check", "-", "--undecided", "--time-limit", "0.001"}, empty);
    EXPECT_EQ(r.exitCode, 1) << r.err;
    EXPECT_EQ(r.out, "stopped: the time limit ran out before the search finished\n");

    r = Run({"check", "-", "--time-limit", "60"}, "W B\nB W\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "solutions: 0\n");

    for (const char* bad : {"0", "-1", "soon", ""}) {
        r = Run({"check", "-", "--time-limit", bad}, "W .\n");
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_EQ(r.out, "") << bad;
    }
}

TEST_F(VandorCliTest, GenerateGradeMakesPuzzlesOfThatGradeAgainFromTheirSeed)
{
    Result r = Run({"generate", "7", "6", "--grade", "3", "--seed", "7"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::size_t info = r.out.find("seed: 7 givens: ");
    ASSERT_NE(info, std::string::npos) << r.out;
    EXPECT_EQ(r.out.substr(r.out.find(" level: ")), " level: grade3 grade: 3\n") << r.out;
    const std::string puzzle = r.out.substr(0, info);
    Result grade = Run({"grade", "-"}, puzzle);
    EXPECT_EQ(grade.out.rfind("grade: 3\n", 0), 0u) << puzzle << grade.out;
    Result check = Run({"check", "-"}, puzzle);
    EXPECT_EQ(check.out.rfind("solutions: 1\n", 0), 0u) << puzzle << check.out;
    EXPECT_EQ(Run({"generate", "7", "6", "--grade", "3", "--seed", "7"}).out, r.out);
}

TEST_F(VandorCliTest, GenerateGradeGivesUpWithAnErrorWhenItsTimeRunsOut)
{
    // Seed 2 takes more than a second at 15 x 15, grade 5.
    Result r = Run({"generate", "15", "15", "--grade", "5", "--seed", "2", "--time-limit", "0.05"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("vandor-cli: generate: no puzzle of grade 5 was found within the time limit of 0.05 s ("),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("--time-limit"), std::string::npos) << r.err;

    // A limit long enough changes nothing.
    const Result in = Run({"generate", "7", "6", "--grade", "3", "--seed", "7", "--time-limit", "60"});
    EXPECT_EQ(in.exitCode, 0) << in.err;
    EXPECT_EQ(in.out, Run({"generate", "7", "6", "--grade", "3", "--seed", "7"}).out);

    for (const char* bad : {"0", "-1", "soon", "", "nan", "inf"}) {
        r = Run({"generate", "5", "5", "--grade", "3", "--time-limit", bad});
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_EQ(r.out, "") << bad;
    }
}

TEST_F(VandorCliTest, GenerateMakesUniquePuzzlesAgainFromTheirSeed)
{
    Result r = Run({"generate", "7", "6", "--seed", "41", "--count", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Two boards of 6 rows, each followed by its seed line.
    std::vector<std::string> lines;
    std::istringstream in(r.out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    ASSERT_EQ(lines.size(), 14u) << r.out;
    EXPECT_EQ(lines[6].rfind("seed: 41 givens: ", 0), 0u) << lines[6];
    EXPECT_EQ(lines[13].rfind("seed: 42 givens: ", 0), 0u) << lines[13];
    EXPECT_NE(lines[6].find(" level: program"), std::string::npos);

    std::string first;
    for (int k = 0; k < 6; ++k)
        first += lines[k] + "\n";
    Result check = Run({"check", "-"}, first);
    EXPECT_EQ(check.out.rfind("solutions: 1\n", 0), 0u) << first << check.out;
    Result solve = Run({"solve", "-"}, first);
    EXPECT_NE(solve.out.find("status: solved"), std::string::npos) << first << solve.out;

    // The second puzzle on its own, from its own seed.
    Result again = Run({"generate", "7", "6", "--seed", "42"});
    EXPECT_EQ(again.out, r.out.substr(r.out.find(lines[7])));

    // Sizes the automatic solver does not take fall back to level any.
    r = Run({"generate", "3", "20", "--seed", "5", "--format", "url"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("https://puzz.link/p?yinyang/3/20/", 0), 0u) << r.out;
    EXPECT_NE(r.err.find("seed: 5 givens: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(" level: any"), std::string::npos) << r.err;

    const std::string vdr = dir_.File("new.vdr");
    r = Run({"generate", "5", "5", "--level", "any", "--count", "2", "--format", "vdr", "-o", vdr});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    for (const char* k : {"-1", "-2"}) {
        const std::string name = dir_.File(std::string("new") + k + ".vdr");
        EXPECT_NE(r.out.find(name + ": seed: "), std::string::npos) << r.out;
        EXPECT_EQ(Run({"show", name}).exitCode, 0) << name;
    }

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"generate", "1", "5"}, {"generate", "65", "5"}, {"generate", "5"},
          {"generate", "5", "x"}, {"generate", "5", "5", "--level", "easy"}, {"generate", "5", "5", "--count", "0"},
          {"generate", "5", "5", "--seed", "-3"}, {"generate", "20", "5", "--level", "program"},
          {"generate", "20", "5", "--format", "vdr", "-o", vdr}, {"generate", "5", "5", "--format", "vdr"},
          {"generate", "5", "5", "--format", "png"}, {"generate", "5", "5", "--count"},
          {"generate", "5", "5", "--grade", "0"}, {"generate", "5", "5", "--grade", "6"},
          {"generate", "5", "5", "--grade", "x"}, {"generate", "5", "5", "--grade", "-1"},
          {"generate", "4", "9", "--grade", "3"}, {"generate", "16", "9", "--grade", "3"},
          {"generate", "5", "5", "--grade", "3", "--level", "any"}, {"generate", "5", "5", "--level", "grade3"},
          {"generate", "5", "5", "--grade"}}) {
        r = Run(args);
        EXPECT_EQ(r.exitCode, 2) << args.back();
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("vandor-cli: generate: ", 0), 0u) << r.err;
    }
}

}  // namespace
