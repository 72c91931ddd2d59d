#pragma once
// The help menu: the help file opened at its contents, and the About box.

#include <filesystem>
#include <string_view>

namespace sorba {

class WindowState;

/// The help file's name, looked up in the program's data folder.
inline constexpr std::string_view helpFileName = "Sorba.Hlp";

/// The folder, a "/" unless the folder already ends with one, and the help file's name.
std::filesystem::path helpFilePath(const std::filesystem::path &folder);
/// The contents item: the help file of the data folder opened at its contents.
void openHelpContents(WindowState &calc);
/// The About item: the box loaded afresh, centred on the screen ((screen - own size) / 2 in
/// twips) and shown modal; whichever way it closes, it is unloaded afterwards.
void showAboutBox(WindowState &calc);

} // namespace sorba
