// Where the program finds its data files: the installed copy in the installed data folder, the
// built copy and a copy alone in a folder beside itself.

#include "program_paths.h"
#include "support/quiet_platform.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

TEST(ProgramPathsTest, InstalledCopyFindsItsHelpFileInTheDataFolder)
{
    const ProgramPaths paths = programPathsFor(INSTALLED_PROGRAM_FOLDER);
    EXPECT_TRUE(paths.installed);
    EXPECT_EQ(paths.programFolder, fs::path(INSTALLED_PROGRAM_FOLDER));
    EXPECT_EQ(paths.dataFolder, fs::path(INSTALLED_DATA_FOLDER).lexically_normal());
    EXPECT_TRUE(fs::is_regular_file(paths.dataFolder / "Sorba.Hlp"));
}

TEST(ProgramPathsTest, BuiltCopyFindsItsHelpFileBesideItself)
{
    const ProgramPaths paths = programPathsFor(BUILD_PROGRAM_FOLDER);
    EXPECT_FALSE(paths.installed);
    EXPECT_EQ(paths.dataFolder, fs::path(BUILD_PROGRAM_FOLDER));
    EXPECT_TRUE(fs::is_regular_file(paths.dataFolder / "Sorba.Hlp"));
}

TEST(ProgramPathsTest, LayoutDecidesWhetherACopyIsInstalled)
{
    struct Row
    {
        int line;
        std::vector<fs::path> folders; // made below a fresh folder
        std::vector<fs::path> files;
        fs::path program;
        bool installed;
        fs::path data;
    };
    const Row rows[] = {
        // Unpacked with its help file beside it, as a build folder holds it.
        {__LINE__, {"sorba"}, {"sorba/Sorba.Hlp"}, "sorba", false, "sorba"},
        // Moved under any prefix, an installation keeps its layout.
        {__LINE__, {"opt/bin", "opt/share/sorba"}, {}, "opt/bin", true, "opt/share/sorba"},
        // Another program's data folder is not this one's.
        {__LINE__, {"usr/bin", "usr/share/other"}, {}, "usr/bin", false, "usr/bin"},
        // A file where the data folder would be is no data folder.
        {__LINE__, {"usr/bin", "usr/share"}, {"usr/share/sorba"}, "usr/bin", false, "usr/bin"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.line);
        const sorba::testing::TemporaryFolder root;
        for (const fs::path &folder : row.folders)
            fs::create_directories(root.path() / folder);
        for (const fs::path &file : row.files)
            std::ofstream(root.path() / file) << "a file";
        const ProgramPaths paths = programPathsFor(root.path() / row.program);
        EXPECT_EQ(paths.installed, row.installed);
        EXPECT_EQ(paths.programFolder, root.path() / row.program);
        EXPECT_EQ(paths.dataFolder, root.path() / row.data);
    }
}

} // namespace
