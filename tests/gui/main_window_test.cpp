// Smoke suite of the desktop window: the real main window on a fresh program folder, worked with
// real key events under Qt's offscreen platform.

#include "gui_session.h"
#include "readout_label.h"
#include "twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon;
    int buttons;
    bool ownedByWindow;
    QString readoutMeanwhile;
};

// Clicks OK on every message box that opens while it lives, noting what each box showed.
class BoxCloser
{
public:
    explicit BoxCloser(Session &session)
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this, &session] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible())
                return;
            seen.push_back({box->windowTitle(), box->text(), box->icon(),
                            int(box->buttons().size()), box->parentWidget() == &session.window,
                            session.readout()});
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        m_timer.start();
    }

    std::vector<SeenBox> seen;

private:
    QTimer m_timer;
};

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void calculatesFromKeys();
    void menusFollowTheLanguage();
    void optionsTakeEffectAtOnce();
    void defaultSizeTakesTheLargeBand();
    void percentCompletesWithThePostedEnter();
    void fifteenthDigitShowsTwoBoxes();
    void escClosesAndStoresTheReadout();
    void closeBoxRunsTheUnload();
    void dragSnapsToTheHeightBands();
};

void MainWindowTest::calculatesFromKeys()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QCOMPARE(s.window.windowTitle(), u"【計算丸】"_s);
    QCOMPARE(s.readout(), u"0."_s);

    // Keys typed into a control still reach the window's keyboard map first.
    QWidget *memoryMark = s.window.widgetFor(s.calc.form.MEM1);
    QVERIFY(memoryMark != nullptr);
    QTest::keyClicks(memoryMark, u"12*"_s);
    QCOMPARE(s.text(s.calc.form.MEM2), u"×"_s);
    QTest::keyClick(&s.window, Qt::Key_3);
    QTest::keyClick(&s.window, Qt::Key_Return);
    QCOMPARE(s.readout(), u"36."_s);
    QCOMPARE(s.text(s.calc.form.MEM2), QString());

    QTest::keyClick(&s.window, 'z');
    QCOMPARE(s.text(s.calc.form.MEM2), u"M"_s);
    // Screen readers get the readout as its text and the marks by name, with what they show.
    const auto *readout = qobject_cast<ReadoutLabel *>(s.window.widgetFor(s.calc.form.Readout));
    QVERIFY(readout != nullptr);
    QCOMPARE(readout->spokenText(), u"36., M"_s);
    QVERIFY(s.window.widgetFor(s.calc.form.MEM2)->accessibleName().endsWith(u"M"_s));
}

// Each action shows its model item's caption as it is: "&" marks the mnemonic in the model as it
// does in Qt. A separator is a line without text.
void compareMenus(const std::vector<sorba::MenuItem *> &items, const QList<QAction *> &actions)
{
    QCOMPARE(actions.size(), qsizetype(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
        const sorba::MenuItem &item = *items[i];
        QAction &action = *actions[qsizetype(i)];
        QCOMPARE(action.text(),
                 item.isSeparator() ? QString() : QString::fromStdString(item.caption));
        QCOMPARE(action.isSeparator(), item.isSeparator());
        QCOMPARE(action.isChecked(), item.checked);
        QCOMPARE(action.menu() != nullptr, !item.children.empty());
        if (action.menu() != nullptr)
            compareMenus(item.children, action.menu()->actions());
    }
}

QAction *actionOf(const QMenuBar &bar, int title, int item)
{
    return bar.actions().at(title)->menu()->actions().at(item);
}

void MainWindowTest::menusFollowTheLanguage()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    const QMenuBar &bar = *s.window.menuBar();
    compareMenus(s.calc.form.menuBar(), bar.actions());
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(bar.actions().size(), 3);
    QCOMPARE(bar.actions()[0]->text(), u"編集"_s);
    QCOMPARE(bar.actions()[1]->text(), u"オプション"_s);
    QCOMPARE(bar.actions()[2]->text(), u"ヘルプ"_s);
    QCOMPARE(actionOf(bar, 0, 0)->text(),
             u"全入力取り消し・・・・・・・・・・・・・・・・・・【C】キー"_s);
    QCOMPARE(actionOf(bar, 1, 3)->text(), u"ウインドウ・サイズ設定"_s);

    QVERIFY(s.chooseFromMenus({"menu_option", "JFNT_MNU", "JJJ(1)"}));
    QCOMPARE(s.window.windowTitle(), u"【SorbaPal】"_s);
    compareMenus(s.calc.form.menuBar(), bar.actions());
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(bar.actions()[0]->text(), u"Edit"_s);
    QCOMPARE(bar.actions()[1]->text(), u"Option"_s);
    QCOMPARE(bar.actions()[2]->text(), u"Help"_s);
    // "(&S)" shows as "(S)" with the S underlined, and Alt+S chooses the item.
    const QString sizeCaption = actionOf(bar, 1, 3)->text();
    QCOMPARE(sizeCaption, u"Choose Size of Window(&S)"_s);
    QCOMPARE(QKeySequence::mnemonic(sizeCaption), QKeySequence(Qt::ALT | Qt::Key_S));
    QCOMPARE(QKeySequence::mnemonic(bar.actions()[1]->text()), QKeySequence());
    QVERIFY(s.settingsText().contains(u"JpFont=1\n"_s));
}

void MainWindowTest::optionsTakeEffectAtOnce()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QVERIFY(s.chooseFromMenus({"menu_option", "ATS_MNU", "AAA(1)"}));
    QCOMPARE(s.calc.state.suppressWarnings, "1");
    QVERIFY(s.settingsText().contains(u"AtsNoA=1\n"_s));
    const QMenuBar &bar = *s.window.menuBar();
    QMenu *warnings = actionOf(bar, 1, 8)->menu();
    QVERIFY(warnings->actions()[1]->isChecked());
    QVERIFY(!warnings->actions()[0]->isChecked());

    // Always on top is a flag of the same native window: no new window, no move, no resize.
    const QRect placed = s.window.frameGeometry();
    const QWindow *handle = s.window.windowHandle();
    QVERIFY(s.chooseFromMenus({"menu_option", "Time_Enb", "TTT(1)"}));
    QVERIFY(s.window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(s.settingsText().contains(u"AllFcs=1\n"_s));
    QVERIFY(s.chooseFromMenus({"menu_option", "Time_Enb", "TTT(0)"}));
    QVERIFY(!s.window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(s.window.windowHandle(), handle);
    // A window made anew would have lost the focus on the way.
    QVERIFY(s.window.isActiveWindow());
    QCOMPARE(s.window.frameGeometry(), placed);
}

void MainWindowTest::defaultSizeTakesTheLargeBand()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    const TwipsScale scale = twipsScaleOf(s.window.screen());
    // A fresh start opens in the small band.
    QCOMPARE(s.window.frameGeometry().size(), scale.toPixels(1356, 5295));
    QVERIFY(s.chooseFromMenus({"menu_option", "SIZU", "SSS(0)"}));
    QCOMPARE(s.calc.form.window.height(), 1800);
    QCOMPARE(s.calc.form.window.width(), 7000);
    QTRY_COMPARE(s.window.frameGeometry().size(), scale.toPixels(1800, 7000));
    QCOMPARE(s.window.widgetFor(s.calc.form.Readout)->font().pointSizeF(), 40.5);
    QVERIFY(s.settingsText().contains(u"SizeH=1800\nSizeW=7000\n"_s));
}

void MainWindowTest::percentCompletesWithThePostedEnter()
{
    Session s;
    QTest::keyClicks(&s.window, u"200*5"_s);
    QTest::keyClick(&s.window, '%');
    // The Enter is still queued: the percent handler has just finished.
    QCOMPARE(s.text(s.calc.form.MEM2), u"%"_s);
    QTRY_COMPARE(s.text(s.calc.form.MEM2), QString());
    QCOMPARE(s.readout(), u"10."_s);
}

void MainWindowTest::fifteenthDigitShowsTwoBoxes()
{
    Session s;
    QTest::keyClicks(&s.window, u"12345678901234"_s);
    BoxCloser closer(s);
    QTest::keyClick(&s.window, Qt::Key_5);

    QCOMPARE(closer.seen.size(), 2u);
    for (const SeenBox &box : closer.seen) {
        QCOMPARE(box.title, u"【計算丸】"_s);
        QVERIFY(box.text.startsWith(u"表示行数をオーバーしました"_s));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, 1);
        QVERIFY(box.ownedByWindow);
        // The window shows the model's state before any box opens.
        QCOMPARE(box.readoutMeanwhile, u"123,456,789,012,345."_s);
    }
    QCOMPARE(closer.seen[0].text, u"表示行数をオーバーしました。"_s);
    QCOMPARE(s.readout(), u"123,456,789,012,345."_s);
    QCOMPARE(s.readout().size(), 20);
}

void MainWindowTest::escClosesAndStoresTheReadout()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QTest::keyClicks(&s.window, u"7+3"_s);
    QTest::keyClick(&s.window, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(s.readout(), u"10."_s);
    QTest::keyClick(&s.window, Qt::Key_Escape);
    QTRY_VERIFY(!s.window.isVisible());
    QVERIFY(s.calc.ended());

    QVERIFY(s.settingsText().contains(u"Dumy=10.\n"_s));
}

void MainWindowTest::closeBoxRunsTheUnload()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QTest::keyClicks(&s.window, u"42"_s);
    QVERIFY(s.window.close());
    QVERIFY(s.calc.ended());
    QVERIFY(s.settingsText().contains(u"Dumy=42.\n"_s));
}

void MainWindowTest::dragSnapsToTheHeightBands()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    const TwipsScale scale = twipsScaleOf(s.window.screen());
    const QSize frame = s.window.frameGeometry().size() - s.window.size();
    const auto dragTo = [&](int outerHeightTwips) {
        const QSize outer = scale.toPixels(outerHeightTwips, s.calc.form.window.width());
        s.window.resize(outer - frame);
    };
    const auto outerHeight = [&] { return s.window.frameGeometry().height(); };

    dragTo(2500);
    QTRY_COMPARE(s.calc.form.window.height(), 1800);
    QTRY_COMPARE(outerHeight(), scale.toPixelsY(1800));
    QCOMPARE(s.window.widgetFor(s.calc.form.Readout)->font().pointSizeF(), 40.5);

    dragTo(1500);
    QTRY_COMPARE(s.calc.form.window.height(), 1620);
    QTRY_COMPARE(outerHeight(), scale.toPixelsY(1620));

    dragTo(900);
    QTRY_COMPARE(s.calc.form.window.height(), 1356);
    QTRY_COMPARE(outerHeight(), scale.toPixelsY(1356));
    // A drag still settling is taken before the next key.
    dragTo(2500);
    QTest::keyClick(&s.window, Qt::Key_1);
    QCOMPARE(s.calc.form.window.height(), 1800);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
