// Smoke suite of the clipboard, the context menu, the help window and the About box in the real
// window under Qt's offscreen platform: the desktop's own clipboard, real mouse clicks on the
// readout and the background, the help file shown in the program's help window.

#include "about_dialog.h"
#include "gui_session.h"
#include "help_window.h"

#include <QAccessible>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

QWidget *readoutOf(Session &s)
{
    return s.window.widgetFor(s.calc.form.Readout);
}

// Runs `step` as soon as the modal or popup that the next action opens is up; the action itself
// waits inside that window's event loop until the step closes it.
void whenOpen(std::function<bool()> open, std::function<void()> step)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, open, step] {
        if (!open())
            return;
        timer->stop();
        timer->deleteLater();
        step();
    });
    timer->start();
}

void writeFile(const QString &path, const QString &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

// A help file of two languages that links to one page of each.
void writeHelp(const QString &folder)
{
    QVERIFY(QDir(folder).mkpath(u"ja"_s));
    QVERIFY(QDir(folder).mkpath(u"en"_s));
    writeFile(folder + u"/Sorba.Hlp"_s,
              u"<html><head><meta charset=\"utf-8\"></head><body>"
              "<h1><a name=\"ja\"></a>目次</h1><p><a href=\"ja/keys.html\">キー</a></p>"
              "<h1><a name=\"en\"></a>Contents</h1><p><a href=\"en/keys.html\">Keys</a></p>"
              "</body></html>"_s);
    writeFile(folder + u"/ja/keys.html"_s,
              u"<html><head><meta charset=\"utf-8\"></head><body><h1>キーの一覧</h1>"
              "<p><a href=\"../Sorba.Hlp#ja\">目次</a></p></body></html>"_s);
    writeFile(folder + u"/en/keys.html"_s, u"<html><body><h1>The keys</h1></body></html>"_s);
}

QUrl contentsUrl(const Session &s, const QString &language)
{
    QUrl url = QUrl::fromLocalFile(s.folder.filePath(u"Sorba.Hlp"_s));
    url.setFragment(language);
    return url;
}

QPushButton *buttonWithText(QWidget *window, const QString &text)
{
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

} // namespace

class ClipboardHelpTest : public QObject
{
    Q_OBJECT

private slots:
    void copiesAndPastesThroughTheDesktopClipboard();
    void shiftClickPastesAndRightClickOpensTheEditMenu();
    void aboutBoxIsModalCentredAndClosedByOk();
    void helpOpensAtTheContentsOfTheLanguage();
    void missingHelpFileIsReportedInTheHelpWindow();
    void helpWindowClosesWithTheProgram();
};

void ClipboardHelpTest::copiesAndPastesThroughTheDesktopClipboard()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QClipboard *clipboard = QGuiApplication::clipboard();
    QTest::keyClicks(&s.window, u"1234"_s);
    QTest::keyClick(&s.window, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), u"1,234."_s);

    // A number copied from a terminal comes with its line break.
    clipboard->setText(u"56,789.5\n"_s);
    QVERIFY(s.chooseFromMenus({"Menu_File", "Clip_Menu"}));
    QCOMPARE(s.readout(), u"56,789.5"_s);
    QCOMPARE(s.calc.state.accumulator, 56789.5);
    clipboard->setText(u"42\r\n"_s);
    QTest::keyClick(&s.window, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s.readout(), u"42."_s);

    // A double click copies the readout; a clipboard without text leaves the readout alone.
    clipboard->clear();
    QTest::mouseDClick(readoutOf(s), Qt::LeftButton);
    QCOMPARE(clipboard->text(), u"42."_s);
    auto *picture = new QMimeData;
    picture->setData(u"image/png"_s, QByteArray("\x89PNG", 4));
    clipboard->setMimeData(picture);
    QTest::keyClick(&s.window, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(s.readout(), u"42."_s);
    QVERIFY(readoutOf(s)->isEnabled());
}

void ClipboardHelpTest::shiftClickPastesAndRightClickOpensTheEditMenu()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QGuiApplication::clipboard()->setText(u"\t7777 "_s);
    QTest::mouseClick(readoutOf(s), Qt::LeftButton);
    QCOMPARE(s.readout(), u"0."_s);
    QTest::mouseClick(readoutOf(s), Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(s.readout(), u"7,777."_s);

    // The window somewhere on the screen: the menu opens at its top-left corner, wherever the
    // click was, and the item chosen there runs as from the menu bar.
    s.window.move(150, 90);
    QTRY_COMPARE(s.calc.form.window.left, 2250);
    QMenu *editMenu = s.window.menuBar()->actions().at(0)->menu();
    QPoint shownAt;
    QMenu *shown = nullptr;
    whenOpen([] { return QApplication::activePopupWidget() != nullptr; },
             [&] {
                 shown = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                 shownAt = shown->pos();
                 const QString copy =
                     QString::fromStdString(s.calc.form.menu(sorba::MenuId::Menu_Copy).caption);
                 const auto actions = shown->actions();
                 const auto found = std::find_if(actions.begin(), actions.end(),
                                                 [&](QAction *a) { return a->text() == copy; });
                 QTest::mouseClick(shown, Qt::LeftButton, {},
                                   shown->actionGeometry(*found).center());
             });
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(readoutOf(s), Qt::RightButton, {}, QPoint(200, 20));
    QCOMPARE(shown, editMenu);
    QCOMPARE(shownAt, s.window.frameGeometry().topLeft());
    QCOMPARE(QGuiApplication::clipboard()->text(), u"7,777."_s);

    // A right click on the background, away from every control, opens it as well.
    shown = nullptr;
    whenOpen([] { return QApplication::activePopupWidget() != nullptr; },
             [&] {
                 shown = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                 shown->close();
             });
    QWidget *background = s.window.centralWidget();
    QCOMPARE(background->childAt(QPoint(3, 3)), nullptr);
    QTest::mouseClick(background, Qt::RightButton, {}, QPoint(3, 3));
    QCOMPARE(shown, editMenu);
}

void ClipboardHelpTest::aboutBoxIsModalCentredAndClosedByOk()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QString title;
    QStringList labels;
    QStringList spoken;
    QRect placed;
    bool modal = false;
    QWidget *owner = nullptr;
    whenOpen([] { return qobject_cast<AboutDialog *>(QApplication::activeModalWidget()); },
             [&] {
                 auto *dialog = qobject_cast<AboutDialog *>(QApplication::activeModalWidget());
                 title = dialog->windowTitle();
                 for (QLabel *label : dialog->findChildren<QLabel *>())
                     labels << label->text();
                 // Screen readers read every text of the box as its description.
                 spoken = dialog->accessibleDescription().split(u'\n');
                 placed = dialog->frameGeometry();
                 modal = dialog->isModal();
                 owner = dialog->parentWidget();
                 QTest::mouseClick(buttonWithText(dialog, u"OK"_s), Qt::LeftButton);
             });
    QVERIFY(s.chooseFromMenus({"HELP_MNU", "VER_FORM"}));
    QCOMPARE(title, u"【計算丸】バージョン情報"_s);
    labels.sort();
    QCOMPARE(labels, QStringList({u"SORBA Practical Calculator"_s, u"Version14"_s}));
    spoken.sort();
    QCOMPARE(spoken, labels);
    QVERIFY(modal);
    QCOMPARE(owner, &s.window);
    const QPoint middle = s.window.screen()->geometry().center();
    QVERIFY2((placed.center() - middle).manhattanLength() <= 2,
             qPrintable(u"%1,%2"_s.arg(placed.center().x()).arg(placed.center().y())));
    QVERIFY(!s.calc.aboutForm.window.loaded);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // Esc closes it too, and the box is unloaded all the same.
    whenOpen([] { return qobject_cast<AboutDialog *>(QApplication::activeModalWidget()); },
             [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    QVERIFY(s.chooseFromMenus({"HELP_MNU", "VER_FORM"}));
    QVERIFY(!s.calc.aboutForm.window.loaded);
    QCOMPARE(s.readout(), u"0."_s);
}

void ClipboardHelpTest::helpOpensAtTheContentsOfTheLanguage()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    writeHelp(s.folder.path());
    QVERIFY(s.chooseFromMenus({"HELP_MNU", "HHH(0)"}));
    HelpWindow *help = s.window.helpWindow();
    QVERIFY(help != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    QCOMPARE(help->parentWidget(), &s.window);
    QVERIFY(!help->isModal());
    QCOMPARE(help->windowTitle(), u"【計算丸】ヘルプ"_s);
    QTextBrowser *browser = help->browser();
    QCOMPARE(browser->source(), contentsUrl(s, u"ja"_s));
    // The page is named and has the focus, so that Tab walks its links at once.
    QCOMPARE(browser->accessibleName(), u"ヘルプ・ページ"_s);
    QCOMPARE(QApplication::focusWidget(), browser);
    // Read as HTML, not shown as its markup.
    QVERIFY(browser->toPlainText().contains(u"目次"_s));
    QVERIFY(!browser->toPlainText().contains(u"<h1>"_s));
    // Screen readers meet a document whose links are its children.
    QAccessibleInterface *page = QAccessible::queryAccessibleInterface(browser);
    QVERIFY(page != nullptr);
    QCOMPARE(page->role(), QAccessible::Document);
    QCOMPARE(page->childCount(), 2);
    QCOMPARE(page->child(0)->role(), QAccessible::Link);
    QCOMPARE(page->child(0)->text(QAccessible::Name), u"キー"_s);
    QCOMPARE(page->child(1)->text(QAccessible::Name), u"Keys"_s);

    // A link followed from the keyboard, then back to the contents.
    QPushButton *back = buttonWithText(help, u"戻る"_s);
    QPushButton *forward = buttonWithText(help, u"進む"_s);
    QVERIFY(back && forward && buttonWithText(help, u"目次"_s));
    QVERIFY(!back->isEnabled());
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    // The link Tab highlights is the page's focused child, as a screen reader follows it.
    QAccessibleInterface *focused = page->focusChild();
    QVERIFY(focused != nullptr);
    QCOMPARE(focused->text(QAccessible::Name), u"キー"_s);
    QVERIFY(focused->state().focused);
    QTest::keyClick(browser, Qt::Key_Return);
    QTRY_COMPARE(browser->source().fileName(), u"keys.html"_s);
    QVERIFY(browser->toPlainText().contains(u"キーの一覧"_s));
    QVERIFY(back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(browser->source(), contentsUrl(s, u"ja"_s));
    QVERIFY(forward->isEnabled());

    // After choosing English the same item opens the English contents, titled in English.
    QVERIFY(s.chooseFromMenus({"menu_option", "JFNT_MNU", "JJJ(1)"}));
    QVERIFY(s.chooseFromMenus({"HELP_MNU", "HHH(0)"}));
    QCOMPARE(s.window.helpWindow(), help);
    QCOMPARE(help->windowTitle(), u"【SorbaPal】Help"_s);
    QCOMPARE(browser->source(), contentsUrl(s, u"en"_s));
    QVERIFY(buttonWithText(help, u"Back"_s) != nullptr);
    QVERIFY(!buttonWithText(help, u"Back"_s)->isEnabled());
}

void ClipboardHelpTest::missingHelpFileIsReportedInTheHelpWindow()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QVERIFY(s.chooseFromMenus({"HELP_MNU", "HHH(0)"}));
    HelpWindow *help = s.window.helpWindow();
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    const QString page = help->browser()->toPlainText();
    QVERIFY2(page.contains(u"ヘルプ・ファイルが見つかりません。"_s), qPrintable(page));
    QVERIFY(page.contains(s.folder.filePath(u"Sorba.Hlp"_s)));
    // The contents button shows the same report again.
    QTest::mouseClick(buttonWithText(help, u"目次"_s), Qt::LeftButton);
    QCOMPARE(help->browser()->toPlainText(), page);
    QVERIFY(!s.calc.ended());
}

void ClipboardHelpTest::helpWindowClosesWithTheProgram()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    writeHelp(s.folder.path());
    QVERIFY(s.chooseFromMenus({"HELP_MNU", "HHH(0)"}));
    HelpWindow *help = s.window.helpWindow();
    QVERIFY(QTest::qWaitForWindowExposed(help));
    s.window.activateWindow();
    QTest::keyClick(&s.window, Qt::Key_Escape);
    QVERIFY(s.calc.ended());
    QTRY_VERIFY(!help->isVisible());
}

QTEST_MAIN(ClipboardHelpTest)
#include "clipboard_help_test.moc"
