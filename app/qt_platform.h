#pragma once
// The desktop services the calculator asks for, done with Qt: message boxes, the posted Enter,
// the clipboard, the colour dialog, font names, staying on top, popup menus, help, the About
// box, screen metrics, the program and data folders and ending the program.

#include "model/platform.h"

class MainWindow;

class QtPlatform : public sorba::Platform
{
public:
    QtPlatform(std::filesystem::path programFolder, std::filesystem::path dataFolder);
    /// A program with its data files beside it, as in its build folder.
    explicit QtPlatform(const std::filesystem::path &folder)
        : QtPlatform(folder, folder)
    {}

    /// The window that owns the boxes and menus and receives the posted keys.
    void attach(MainWindow &window) { m_window = &window; }

    void messageBox(std::string_view title, std::string_view text) override;
    void postEnter() override;
    void clipboardClear() override;
    void clipboardSetText(std::string_view text) override;
    std::optional<std::string> clipboardText() override;
    std::optional<sorba::Colour> chooseColour(sorba::Colour initial) override;
    std::optional<std::filesystem::path> chooseSaveFile(std::string_view suggestedName) override;
    std::vector<std::string> fontNames() override;
    bool fontUsable(std::string_view name) override;
    void setBusyPointer(bool busy) override;
    void setTopmost(bool topmost) override;
    void showPopupMenu(sorba::MenuItem &menu, int x, int y) override;
    void openHelp(const std::filesystem::path &helpFile) override;
    void showAbout(sorba::AboutForm &about) override;
    sorba::ScreenMetrics screenMetrics() override;
    std::filesystem::path programFolder() override { return m_programFolder; }
    std::filesystem::path dataFolder() override { return m_dataFolder; }
    void endProgram() override;

private:
    std::filesystem::path m_programFolder;
    std::filesystem::path m_dataFolder;
    MainWindow *m_window = nullptr;
};
