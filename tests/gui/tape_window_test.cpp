// Smoke suite of the tape window: shown from the menu, it lists the rows the keys write, keeps
// the newest in view, draws the amounts in the readout's face, and copies, clears and hides.

#include "gui_session.h"
#include "state/tape.h"
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
    void modelFollowsBothEndsOfTheTape();
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
    QTRY_COMPARE(tape.model().rowCount(), 3);
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
        QTRY_COMPARE(tape.model().rowCount(), 4 + i);
        QVERIFY2(newestInView(tape), qPrintable(QString::number(i)));
    }
    QCOMPARE(cell(tape, 62, TapeModel::MarkColumn), u"＋"_s);
    QVERIFY(tape.view().verticalScrollBar()->value() > 0);

    // C writes a separator row without an amount.
    typeKeys(s, u"c"_s);
    QTRY_COMPARE(tape.model().rowCount(), 64);
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
    QTRY_COMPARE(tape.model().rowCount(), 1);

    // The close box hides the window, as Hide does, and the choice is kept.
    tape.close();
    QVERIFY(QTest::qWaitFor([&tape] { return !tape.isVisible(); }));
    QVERIFY(!s.calc.tapeForm.window.visible);
    QVERIFY(s.calc.form.menu(sorba::MenuId::TPP, 1).checked);
    QVERIFY(s.settingsText().contains(u"Tape=0"_s));
}

// Steps of adds and clears between two looks of the view; after each look the model holds the
// tape's rows exactly, its first and last row included.
void TapeWindowTest::modelFollowsBothEndsOfTheTape()
{
    struct Step
    {
        int line;
        bool clearFirst;
        int adds;
        int rows;
        int arrived;
    };
    const std::vector<Step> steps = {
        {__LINE__, false, 0, 0, 0},
        {__LINE__, false, 5, 5, 5},
        {__LINE__, false, 99995, 100000, 99995},
        // Full: each new row pushes the oldest out.
        {__LINE__, false, 3, 100000, 3},
        // More rows than the tape holds between two looks.
        {__LINE__, false, 150000, 100000, 100000},
        {__LINE__, true, 0, 0, 0},
        {__LINE__, true, 7, 7, 7},
        {__LINE__, false, 1, 8, 1},
    };
    sorba::Tape tape;
    TapeModel model(tape);
    int written = 0;
    for (const Step &step : steps) {
        const QByteArray where = QByteArray::number(step.line);
        if (step.clearFirst)
            tape.clear();
        for (int i = 0; i < step.adds; ++i)
            tape.add(std::to_string(written++), "＋");
        QCOMPARE(model.follow(), step.arrived);
        QVERIFY2(model.rowCount() == step.rows, where.constData());
        if (step.rows == 0)
            continue;
        QVERIFY2(model.index(0, 0).data().toString().toStdString() == tape.row(0).amount,
                 where.constData());
        QVERIFY2(model.index(step.rows - 1, 0).data().toString() == QString::number(written - 1),
                 where.constData());
    }
}

QTEST_MAIN(TapeWindowTest)
#include "tape_window_test.moc"
