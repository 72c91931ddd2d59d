// Smoke suite of the tape window: shown from the menu, it lists the rows the keys write, keeps
// the newest in view, draws the amounts in the readout's face, and copies, clears and hides.

#include "gui_session.h"
#include "tape_model.h"

#include <QClipboard>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

QString cell(const TapeWindow &tape, int row, int column)
{
    return tape.model().index(row, column).data().toString();
}

void typeKeys(Session &s, const QString &keys)
{
    for (const QChar key : keys)
        QTest::keyClick(&s.window, key.toLatin1());
}

// The last row lies within the visible part of the view.
bool newestInView(const TapeWindow &tape)
{
    const QTableView &view = tape.view();
    const int last = tape.model().rowCount() - 1;
    const QRect row = view.visualRect(tape.model().index(last, 0));
    return row.isValid() && view.viewport()->rect().contains(row.center());
}

} // namespace

class TapeWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void showsRowsAndFollowsTheNewest();
    void buttonsCopyClearAndCloseHides();
};

void TapeWindowTest::showsRowsAndFollowsTheNewest()
{
    Session s;
    QVERIFY(QTest::qWaitForWindowExposed(&s.window));
    TapeWindow &tape = s.window.tapeWindow();
    // Written before the window is first shown, the rows are there when it opens.
    typeKeys(s, u"1+2="_s);
    QVERIFY(!tape.isVisible());
    QVERIFY(s.chooseFromMenus({"menu_option", "TAPE_MNU", "TPP(0)"}));
    QVERIFY(QTest::qWaitForWindowExposed(&tape));
    QCOMPARE(tape.windowTitle(), u"【計算丸】計算テープ"_s);
    QCOMPARE(tape.model().rowCount(), 3);
    QCOMPARE(cell(tape, 0, TapeModel::AmountColumn), u"1."_s);
    QCOMPARE(cell(tape, 0, TapeModel::MarkColumn), u"＋"_s);
    QCOMPARE(cell(tape, 2, TapeModel::AmountColumn), u"3."_s);
    QCOMPARE(cell(tape, 2, TapeModel::MarkColumn), u"＊"_s);
    const QVariant alignment =
        tape.model().index(0, TapeModel::AmountColumn).data(Qt::TextAlignmentRole);
    QVERIFY(Qt::Alignment(alignment.toInt()).testFlag(Qt::AlignRight));

    // Far more rows than the window can show: the newest stays in view as each one arrives.
    s.window.activateWindow();
    for (int i = 0; i < 60; ++i) {
        typeKeys(s, u"5+"_s);
        QVERIFY2(newestInView(tape), qPrintable(QString::number(i)));
    }
    QCOMPARE(tape.model().rowCount(), 63);
    QCOMPARE(cell(tape, 62, TapeModel::MarkColumn), u"＋"_s);
    QVERIFY(tape.view().verticalScrollBar()->value() > 0);

    // C writes a separator row without an amount.
    typeKeys(s, u"c"_s);
    QCOMPARE(tape.model().index(63, 0).data(TapeModel::separatorRole).toBool(), true);
    QCOMPARE(cell(tape, 63, TapeModel::AmountColumn), QString());
    QVERIFY(newestInView(tape));

    // The amounts are drawn in the readout's face.
    const QWidget *readout = s.window.widgetFor(s.calc.form.Readout);
    QCOMPARE(tape.view().font().family(), readout->font().family());
}

void TapeWindowTest::buttonsCopyClearAndCloseHides()
{
    Session s(QByteArrayLiteral("[SORBA]\nTape=1\nJpFont=1\n"));
    TapeWindow &tape = s.window.tapeWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&tape));
    QCOMPARE(tape.windowTitle(), u"【SorbaPal】Calculation Tape"_s);
    s.window.activateWindow();
    typeKeys(s, u"7*6="_s);

    auto *copy = tape.findChild<QPushButton *>(u"TapeCopy"_s);
    auto *clear = tape.findChild<QPushButton *>(u"TapeClear"_s);
    auto *save = tape.findChild<QPushButton *>(u"TapeSave"_s);
    QVERIFY(copy && clear && save);
    QCOMPARE(copy->text(), u"Copy"_s);
    QCOMPARE(save->text(), u"Save…"_s);
    QCOMPARE(clear->text(), u"Clear"_s);
    QTest::mouseClick(copy, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"7.\t×\n6.\t＝\n42.\t＊\n"_s);

    QTest::mouseClick(clear, Qt::LeftButton);
    QCOMPARE(tape.model().rowCount(), 0);
    s.window.activateWindow();
    typeKeys(s, u"1+"_s);
    QCOMPARE(tape.model().rowCount(), 1);

    // The close box hides the window, as Hide does, and the choice is kept.
    tape.close();
    QVERIFY(QTest::qWaitFor([&tape] { return !tape.isVisible(); }));
    QVERIFY(!s.calc.tapeForm.window.visible);
    QVERIFY(s.calc.form.menu(sorba::MenuId::TPP, 1).checked);
    QVERIFY(s.settingsText().contains(u"Tape=0"_s));
}

QTEST_MAIN(TapeWindowTest)
#include "tape_window_test.moc"
