// The tape's limit and the counters a view follows it by, and saving its text, including the
// places a file cannot be written, which transcripts cannot set up.

#include "settings/file_replace.h"
#include "shell/tape_window.h"
#include "state/tape.h"
#include "support/quiet_platform.h"
#include "window/calculator.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace sorba {
namespace {

struct LimitRow
{
    int line;
    std::size_t adds;
    bool clearFirst; ///< a clear after the first 10 rows
    std::size_t size;
    std::string oldest;
    std::uint64_t dropped;
};

TEST(Tape, KeepsTheNewestRowsUpToItsLimit)
{
    const std::vector<LimitRow> rows = {
        {__LINE__, 0, false, 0, "", 0},
        {__LINE__, 1, false, 1, "0", 0},
        {__LINE__, 99999, false, 99999, "0", 0},
        {__LINE__, 100000, false, 100000, "0", 0},
        {__LINE__, 100001, false, 100000, "1", 1},
        {__LINE__, 250000, false, 100000, "150000", 150000},
        {__LINE__, 20, true, 10, "10", 10},
        {__LINE__, 100015, true, 100000, "15", 15},
    };
    for (const LimitRow &row : rows) {
        SCOPED_TRACE(row.line);
        Tape tape;
        for (std::size_t i = 0; i < row.adds; ++i) {
            if (row.clearFirst && i == 10)
                tape.clear();
            tape.add(std::to_string(i), "＋");
        }
        EXPECT_EQ(tape.size(), row.size);
        EXPECT_EQ(tape.added(), row.adds);
        EXPECT_EQ(tape.dropped(), row.dropped);
        EXPECT_EQ(tape.added() - tape.dropped(), tape.size());
        if (!tape.empty()) {
            EXPECT_EQ(tape.row(0).amount, row.oldest);
            EXPECT_EQ(tape.row(tape.size() - 1).amount, std::to_string(row.adds - 1));
        }
    }
}

class TapeSave : public ::testing::Test
{
protected:
    TapeSave()
        : platform(folder.path())
        , settings(folder.path(), SettingsFile::Fallback::None)
        , calc(platform, settings)
    {
        calc.load();
        for (const char32_t key : std::u32string_view(U"1,5+2="))
            calc.keyChar(key);
    }

    testing::TemporaryFolder folder;
    testing::QuietPlatform platform;
    SettingsFile settings;
    Calculator calc;
};

TEST_F(TapeSave, WritesEveryRowAsUtf8TextReplacingALongerFile)
{
    const auto file = folder.path() / "テープ.txt";
    std::ofstream(file) << std::string(500, 'x');
    platform.saveAnswer = file;
    saveTape(calc);
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(readFileText(file), "15.\t＋\n2.\t＝\n17.\t＊\n");
}

TEST_F(TapeSave, ACancelWritesNothing)
{
    const auto filesIn = [this] {
        return std::distance(std::filesystem::directory_iterator(folder.path()), {});
    };
    const auto before = filesIn();
    saveTape(calc);
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(filesIn(), before);
}

struct FailureRow
{
    int line;
    std::string relativePath;
};

TEST_F(TapeSave, APlaceThatCannotBeWrittenGivesOneBoxAndKeepsTheTape)
{
    std::ofstream(folder.path() / "plain-file") << "keep";
    std::filesystem::create_directory(folder.path() / "a-folder");
    const std::vector<FailureRow> rows = {
        {__LINE__, "missing-folder/tape.txt"},
        {__LINE__, "plain-file/tape.txt"},
        {__LINE__, "a-folder"},
    };
    for (const FailureRow &row : rows) {
        SCOPED_TRACE(row.line);
        platform.boxes.clear();
        platform.saveAnswer = folder.path() / row.relativePath;
        saveTape(calc);
        ASSERT_EQ(platform.boxes.size(), 1u);
        EXPECT_EQ(platform.boxes[0], "【計算丸】 計算テープをファイルに保存できませんでした。");
        EXPECT_EQ(calc.tape.size(), 3u);
    }
    EXPECT_EQ(readFileText(folder.path() / "plain-file"), "keep");
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "a-folder"));
}

} // namespace
} // namespace sorba
