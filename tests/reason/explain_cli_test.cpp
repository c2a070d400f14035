// vandor-cli explain and grade, run as a program on puzzles in files.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "io/io_test_support.h"

namespace {

struct CliRun {
    int exitCode = -1;
    std::string out;
};

class ExplainCli : public ::testing::Test {
protected:
    // Writes board to a file and runs vandor-cli with the arguments and it.
    CliRun Cli(const std::string& args, const std::string& board)
    {
        const std::string file = dir_.File("puzzle.txt");
        std::ofstream(file, std::ios::binary) << board;
        const std::string command = std::string(VANDOR_CLI_PATH) + " " + args + " " + file + " 2>/dev/null";
        CliRun r;
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            r.out.append(buffer, n);
        const int status = pclose(pipe);
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return r;
    }

    TempDir dir_;
};

// A unique 5 x 5 puzzle that starts with a search step.
const char kUnique[] = ". . . . .\n. W . . .\n. . . B .\n. B . W .\n. . . . W\n";

TEST_F(ExplainCli, ExplainPrintsOneLinePerStepThenResultAndGrade)
{
    const CliRun r = Cli("explain", kUnique);
    ASSERT_EQ(r.exitCode, 0);
    std::istringstream lines(r.out);
    std::string line;
    const std::regex step(
        R"(step (\d+): (block|checker|ring|escape|reach|cut|trial|either|search)( \d,\d=[WB])+( depth \d+)?( because( \d,\d)+)?)");
    int n = 0, decided = 0;
    while (std::getline(lines, line) && line.rfind("step ", 0) == 0) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, step)) << line;
        EXPECT_EQ(std::stoi(m[1]), ++n);
        EXPECT_EQ(m[2] == "trial" || m[2] == "either", m[4].matched) << line;
        for (char c : line)
            decided += c == '=';
    }
    EXPECT_EQ(r.out.substr(0, 27), "step 1: search 3,3=B\nstep 2");
    EXPECT_EQ(decided, 25 - 5);
    EXPECT_EQ(line, "result: solved");
    std::getline(lines, line);
    EXPECT_EQ(line, "grade: 5");
}

TEST_F(ExplainCli, GradeCountsTheStepsOfEachTechnique)
{
    const CliRun explain = Cli("explain", kUnique);
    const CliRun grade = Cli("grade", kUnique);
    ASSERT_EQ(grade.exitCode, 0);
    std::smatch m;
    ASSERT_TRUE(std::regex_match(grade.out, m, std::regex("grade: 5\ntechniques:(( [a-z]+=\\d+)+)\n")))
        << grade.out;
    std::istringstream counts(m[1].str());
    for (std::string item; counts >> item;) {
        const std::string id = item.substr(0, item.find('='));
        const int count = std::stoi(item.substr(item.find('=') + 1));
        int seen = 0;
        for (std::size_t at = 0; (at = explain.out.find(": " + id + " ", at)) != std::string::npos; ++at)
            ++seen;
        EXPECT_EQ(seen, count) << id;
    }
}

TEST_F(ExplainCli, SeveralSolutionsNameTheCellsThatCheckCallsUndecided)
{
    const std::string board = "W . .\n. . .\n. . B\n";
    const CliRun explain = Cli("explain", board);
    const CliRun check = Cli("check --undecided", board);
    const std::size_t at = check.out.find("undecided:");
    ASSERT_NE(at, std::string::npos);
    const std::string cells = check.out.substr(at + 10);
    EXPECT_NE(explain.out.find("result: several solutions; undecided" + cells), std::string::npos) << explain.out;

    EXPECT_EQ(Cli("explain", ". .\n. .\n").out, "result: several solutions; undecided 1,1 1,2 2,1 2,2\ngrade: 1\n");
    EXPECT_EQ(Cli("grade", ". .\n. .\n").out,
              "result: several solutions; undecided 1,1 1,2 2,1 2,2\ngrade: 1\ntechniques:\n");
}

TEST_F(ExplainCli, NoSolutionAndBadArguments)
{
    EXPECT_EQ(Cli("explain", "W W\nW W\n").out, "result: no solution\ngrade: 1\n");
    EXPECT_EQ(Cli("grade", "W B\nB W\n").out, "result: no solution\ngrade: 1\ntechniques:\n");
    EXPECT_EQ(Cli("explain", "W X\n").exitCode, 1);
    EXPECT_EQ(Cli("grade --extra", ". .\n").exitCode, 2);
}

}  // namespace
