// Each service is made on demand: the colour dialog, the font list and the help viewer cost
// nothing until the calculator asks for them.

#include "qt_platform.h"

#include "about_dialog.h"
#include "colours.h"
#include "main_window.h"
#include "twips.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>

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
    // Qt's own dialog, owned by the main window so that the window system keeps it above it,
    // and above everything while the main window stays on top. A system colour opens as the
    // colour the palette gives it; cancelling hands nothing back, so the code itself is kept.
    QColorDialog dialog(m_window);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (m_window && m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.setCurrentColor(toQColor(initial, QApplication::palette()));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = dialog.selectedColor();
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

std::optional<std::filesystem::path> QtPlatform::chooseSaveFile(std::string_view suggestedName)
{
    if (m_window)
        m_window->sync();
    // Owned by the tape window, so the dialog opens over the window whose button opened it.
    QWidget *owner = m_window ? static_cast<QWidget *>(&m_window->tapeWindow()) : nullptr;
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(QFileDialog::tr("Text (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(qt(suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}

std::vector<std::string> QtPlatform::fontNames()
{
    // The family list Qt has loaded for its own fonts; asking again scans nothing.
    const QStringList families = QFontDatabase::families();
    std::vector<std::string> names;
    names.reserve(std::size_t(families.size()));
    for (const QString &family : families)
        names.push_back(family.toStdString());
    return names;
}

bool QtPlatform::fontUsable(std::string_view name)
{
    // "System" needs no look-up.
    return name == sorba::systemFontName || QFontDatabase::hasFamily(qt(name));
}

void QtPlatform::setBusyPointer(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
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
    if (m_window)
        m_window->showHelp(QString::fromStdString(helpFile.string()));
}

void QtPlatform::showAbout(sorba::AboutForm &about)
{
    // Without a window there is nothing to show the box over: it counts as closed at once.
    if (m_window == nullptr)
        return;
    m_window->sync();
    AboutDialog dialog(about, m_window,
                       [this](sorba::Control &control) { m_window->clickControl(control); });
    dialog.exec();
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
