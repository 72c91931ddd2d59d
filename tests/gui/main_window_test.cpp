// Smoke suite of the desktop window: the real main window on a fresh program folder, worked with
// real key events under Qt's offscreen platform.

#include "app/calculator.h"
#include "key_translation.h"
#include "main_window.h"
#include "qt_platform.h"
#include "settings/settings_file.h"
#include "twips.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// One run of the program: its folder, its settings, the calculator and the window, started.
struct Session
{
    Session() { window.start(); }

    QString text(const sorba::Control &control) const
    {
        QWidget *widget = window.widgetFor(control);
        if (auto *label = qobject_cast<QLabel *>(widget))
            return label->text();
        if (auto *line = qobject_cast<QLineEdit *>(widget))
            return line->text();
        return u"(no widget)"_s;
    }
    QString readout() const { return text(calc.form.Readout); }

    QTemporaryDir folder;
    QtPlatform platform{folder.path().toStdString()};
    sorba::SettingsFile settings{platform.programFolder(), sorba::SettingsFile::Fallback::None};
    sorba::Calculator calc{platform, settings};
    MainWindow window{calc, platform};
};

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
    void menusFollowTheModel();
    void percentCompletesWithThePostedEnter();
    void fifteenthDigitShowsTwoBoxes();
    void escClosesAndStoresTheReadout();
    void closeBoxRunsTheUnload();
    void dragSnapsToTheHeightBands();
    void sizeAfterDragKeepsTheModelWithinOnePixel();
    void translatesKeys_data();
    void translatesKeys();
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
    // Screen readers get the readout and the marks by name, with what they show.
    QVERIFY(s.window.widgetFor(s.calc.form.Readout)->accessibleName().contains(u"36."_s));
    QVERIFY(s.window.widgetFor(s.calc.form.MEM2)->accessibleName().endsWith(u"M"_s));
}

void MainWindowTest::menusFollowTheModel()
{
    Session s;
    const QList<QAction *> titles = s.window.menuBar()->actions();
    QCOMPARE(titles.size(), 3);
    QCOMPARE(titles[0]->text(), u"編集"_s);

    // The warnings menu: an option array with its check mark on the first entry.
    const QString warningsCaption = QString::fromStdString(s.calc.form.menu("ATS_MNU")->caption);
    QMenu *warnings = nullptr;
    for (QAction *title : titles) {
        for (QAction *item : title->menu()->actions()) {
            if (item->menu() != nullptr && item->text() == warningsCaption)
                warnings = item->menu();
        }
    }
    QVERIFY(warnings != nullptr);
    QCOMPARE(warnings->actions().size(), 2);
    QAction *warningsOn = warnings->actions()[0];
    QAction *warningsOff = warnings->actions()[1];
    QVERIFY(warningsOn->isCheckable() && warningsOn->isChecked());
    QVERIFY(!warningsOff->isChecked());

    warningsOff->trigger();
    QCOMPARE(s.calc.state.suppressWarnings, "1");
    QVERIFY(warningsOff->isChecked());
    QVERIFY(!warningsOn->isChecked());
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

    QFile file(s.folder.filePath(u"SORBA.INI"_s));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(file.readAll()).contains(u"Dumy=10."_s));
}

void MainWindowTest::closeBoxRunsTheUnload()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    QTest::keyClicks(&s.window, u"42"_s);
    QVERIFY(s.window.close());
    QVERIFY(s.calc.ended());
    QCOMPARE(s.settings.storedValue("Dumy"), std::optional<std::string>("42."));
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

void MainWindowTest::sizeAfterDragKeepsTheModelWithinOnePixel()
{
    // At 144 dots per inch the small band's 1356 twips show as 136 pixels, which read back as
    // 1360 twips, a height of the middle band: only the one-pixel rule keeps the band.
    const TwipsScale scale{144, 144};
    const TwipsSize small{1356, 4400};
    QCOMPARE(scale.toPixels(small.height, small.width), QSize(440, 136));
    QCOMPARE(sizeAfterDrag(QSize(440, 136), small, scale), std::nullopt);
    QCOMPARE(sizeAfterDrag(QSize(441, 135), small, scale), std::nullopt);
    QCOMPARE(sizeAfterDrag(QSize(440, 140), small, scale), (TwipsSize{1400, 4400}));
    QCOMPARE(sizeAfterDrag(QSize(500, 137), small, scale), (TwipsSize{1356, 5000}));
    QCOMPARE(sizeAfterDrag(QSize(300, 100), small, scale), (TwipsSize{1000, 3000}));
}

void MainWindowTest::translatesKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("mask");
    QTest::addColumn<QString>("characters");
    QTest::addColumn<bool>("leaveToMenus");

    const Qt::KeyboardModifiers none;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << u"\r"_s << 13 << 0 << u"\r"_s << false;
    QTest::newRow("keypad digit") << int(Qt::Key_5) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << u"5"_s << 101 << 0 << u"5"_s << false;
    QTest::newRow("keypad times") << int(Qt::Key_Asterisk)
                                  << Qt::KeyboardModifiers(Qt::KeypadModifier) << u"*"_s << 106 << 0
                                  << u"*"_s << false;
    QTest::newRow("shifted letter") << int(Qt::Key_M) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                    << u"M"_s << 77 << 1 << u"M"_s << false;
    QTest::newRow("layout decides")
        << int(Qt::Key_Percent) << Qt::KeyboardModifiers(Qt::ShiftModifier) << u"%"_s << 53 << 1
        << u"%"_s << false;
    QTest::newRow("Ctrl+C") << int(Qt::Key_C) << Qt::KeyboardModifiers(Qt::ControlModifier)
                            << QString() << 67 << 2 << u"\x03"_s << false;
    QTest::newRow("Ctrl+H") << int(Qt::Key_H) << Qt::KeyboardModifiers(Qt::ControlModifier)
                            << u"\b"_s << 72 << 2 << u"\b"_s << false;
    QTest::newRow("Alt+E") << int(Qt::Key_E) << Qt::KeyboardModifiers(Qt::AltModifier) << u"e"_s
                           << 69 << 4 << QString() << true;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << none << u"\x1b"_s << 27 << 0 << u"\x1b"_s
                         << false;
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << none << QString() << 8 << 0 << u"\b"_s
                               << false;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << none << u"\x7f"_s << 46 << 0 << QString()
                            << false;
    QTest::newRow("Japanese") << int(Qt::Key_unknown) << none << u"あ"_s << 0 << 0 << u"あ"_s
                              << false;
}

void MainWindowTest::translatesKeys()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(int, keyCode);
    QFETCH(int, mask);
    QFETCH(QString, characters);
    QFETCH(bool, leaveToMenus);

    const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    const KeyStroke stroke = translateKey(event);
    QCOMPARE(stroke.keyCode, keyCode);
    QCOMPARE(stroke.modifierMask, mask);
    QCOMPARE(QString::fromStdU32String(stroke.characters), characters);
    QCOMPARE(stroke.leaveToMenus, leaveToMenus);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
