// sorba-script: runs the calculator on a headless desktop, driven by a text script.
// Usage: sorba-script [--folder DIR] [SCRIPT]

#include "script_runner.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>

namespace {

std::filesystem::path makeTemporaryFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "sorba-script-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return {};
    return pattern;
}

} // namespace

int main(int argc, char **argv)
{
    std::filesystem::path folder;
    std::string scriptPath;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--folder" && i + 1 < argc) {
            folder = argv[++i];
        } else if (scriptPath.empty() && !argument.starts_with("--")) {
            scriptPath = argument;
        } else {
            std::cerr << "usage: sorba-script [--folder DIR] [SCRIPT]\n";
            return 2;
        }
    }

    const bool temporary = folder.empty();
    if (temporary) {
        folder = makeTemporaryFolder();
        if (folder.empty()) {
            std::cerr << "sorba-script: cannot make a temporary folder\n";
            return 2;
        }
    }

    std::ifstream file;
    if (!scriptPath.empty()) {
        file.open(scriptPath, std::ios::binary);
        if (!file) {
            std::cerr << "sorba-script: cannot read " << scriptPath << '\n';
            return 2;
        }
    }
    std::istream &script = scriptPath.empty() ? std::cin : file;

    int status = 0;
    {
        sorba::script::ScriptRunner runner(std::cout, std::cerr, folder);
        status = runner.run(script, std::cerr);
    }
    std::cout.flush();
    if (temporary) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    return status;
}
