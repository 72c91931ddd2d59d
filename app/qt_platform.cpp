// Each service is made on demand: the colour dialog, the font list and the help viewer cost
// nothing until the calculator asks for them.

#include "qt_platform.h"

#include "colours.h"
#include "main_window.h"
#include "twips.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

namespace {

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

QtPlatform::QtPlatform(std::filesystem::path programFolder, std::filesystem::path dataFolder)
    : m_programFolder(std::move(programFolder))
    , m_dataFolder(std::move(dataFolder))
{}

void QtPlatform::messageBox(std::string_view title, std::string_view text)
{
    if (m_window)
        m_window->sync();
    QMessageBox box(QMessageBox::Warning, qt(title), qt(text), QMessageBox::Ok, m_window);
    box.exec();
}

void QtPlatform::postEnter()
{
    if (m_window)
        m_window->postEnter();
}

void QtPlatform::clipboardClear()
{
    QGuiApplication::clipboard()->clear();
}

void QtPlatform::clipboardSetText(std::string_view text)
{
    QGuiApplication::clipboard()->setText(qt(text));
}

std::optional<std::string> QtPlatform::clipboardText()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (data == nullptr || !data->hasText())
        return std::nullopt;
    return data->text().toStdString();
}

std::optional<sorba::Colour> QtPlatform::chooseColour(sorba::Colour initial)
{
    if (m_window)
        m_window->sync();
    const QColor chosen =
        QColorDialog::getColor(toQColor(initial, QApplication::palette()), m_window);
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

std::vector<std::string> QtPlatform::fontNames()
{
    std::vector<std::string> names;
    for (const QString &family : QFontDatabase::families())
        names.push_back(family.toStdString());
    return names;
}

bool QtPlatform::fontUsable(std::string_view name)
{
    // "System" needs no look-up, so a start with the default font never loads the font list.
    return name == "System" || QFontDatabase::hasFamily(qt(name));
}

void QtPlatform::setTopmost(bool topmost)
{
    if (m_window)
        m_window->setTopmost(topmost);
}

void QtPlatform::showPopupMenu(sorba::MenuItem &menu, int x, int y)
{
    if (m_window)
        m_window->popUpMenu(menu, QPoint(x, y));
}

void QtPlatform::openHelp(const std::filesystem::path &helpFile)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(helpFile.string())));
}

sorba::ScreenMetrics QtPlatform::screenMetrics()
{
    const QScreen *screen = m_window ? m_window->screen() : QGuiApplication::primaryScreen();
    sorba::ScreenMetrics metrics;
    if (screen == nullptr)
        return metrics;
    const TwipsScale scale = twipsScaleOf(screen);
    metrics.widthPixels = screen->geometry().width();
    metrics.heightPixels = screen->geometry().height();
    metrics.twipsPerPixelX = scale.twipsPerPixelX();
    metrics.twipsPerPixelY = scale.twipsPerPixelY();
    return metrics;
}

void QtPlatform::endProgram()
{
    if (m_window)
        m_window->endProgram();
    // quit() leaves the main loop when it runs and does nothing otherwise; exit() would make
    // every later modal loop of this process return at once.
    QCoreApplication::quit();
}
