// Qt key presses as the calculator's keyboard map takes them: the Windows virtual-key code, the
// modifier mask and the characters, whatever the layout made of the key.

#include "key_translation.h"

#include <QInputDevice>
#include <QKeyEvent>
#include <QString>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct KeyRow
{
    int line;
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    int keyCode;
    int mask;
    QString characters;
    bool leaveToMenus;
};

TEST(KeyTranslationTest, KeysBecomeCodesAndCharacters)
{
    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers keypad(Qt::KeypadModifier);
    const Qt::KeyboardModifiers shift(Qt::ShiftModifier);
    const Qt::KeyboardModifiers ctrl(Qt::ControlModifier);
    const Qt::KeyboardModifiers alt(Qt::AltModifier);
    // A keyboard of the test's own: Qt's default one would outlive the test without an
    // application to free it.
    const QInputDevice keyboard(u"keyboard"_s, 1, QInputDevice::DeviceType::Keyboard);
    const KeyRow rows[] = {
        {__LINE__, Qt::Key_Enter, keypad, u"\r"_s, 13, 0, u"\r"_s, false},
        {__LINE__, Qt::Key_5, keypad, u"5"_s, 101, 0, u"5"_s, false},
        {__LINE__, Qt::Key_Asterisk, keypad, u"*"_s, 106, 0, u"*"_s, false},
        {__LINE__, Qt::Key_M, shift, u"M"_s, 77, 1, u"M"_s, false},
        // The layout decides: "%" is Shift+5 here.
        {__LINE__, Qt::Key_Percent, shift, u"%"_s, 53, 1, u"%"_s, false},
        {__LINE__, Qt::Key_C, ctrl, QString(), 67, 2, u"\x03"_s, false},
        {__LINE__, Qt::Key_H, ctrl, u"\b"_s, 72, 2, u"\b"_s, false},
        {__LINE__, Qt::Key_E, alt, u"e"_s, 69, 4, QString(), true},
        {__LINE__, Qt::Key_Escape, none, u"\x1b"_s, 27, 0, u"\x1b"_s, false},
        {__LINE__, Qt::Key_Backspace, none, QString(), 8, 0, u"\b"_s, false},
        {__LINE__, Qt::Key_Delete, none, u"\x7f"_s, 46, 0, QString(), false},
        {__LINE__, Qt::Key_yen, none, u"\u00a5"_s, 220, 0, u"\\"_s, false},
        {__LINE__, Qt::Key_unknown, none, u"あ"_s, 0, 0, u"あ"_s, false},
    };
    for (const KeyRow &row : rows) {
        SCOPED_TRACE(row.line);
        const QKeyEvent event(QEvent::KeyPress, row.key, row.modifiers, 0, 0, 0, row.text, false, 1,
                              &keyboard);
        const KeyStroke stroke = translateKey(event);
        EXPECT_EQ(stroke.keyCode, row.keyCode);
        EXPECT_EQ(stroke.modifierMask, row.mask);
        EXPECT_EQ(QString::fromStdU32String(stroke.characters).toStdString(),
                  row.characters.toStdString());
        EXPECT_EQ(stroke.leaveToMenus, row.leaveToMenus);
    }
}

} // namespace
