#pragma once
// The About box: its caption, the program's name, its version and an OK button. It exists only
// while it is shown; each opening loads it anew with its designed texts, sizes and places.

#include "model/controls.h"

#include <vector>

namespace sorba {

class AboutForm
{
public:
    AboutForm();
    AboutForm(const AboutForm &) = delete;
    AboutForm &operator=(const AboutForm &) = delete;

    Form window{"About_Form"};
    Label Label1{"Label1"};
    Label Label3{"Label3"};
    /// OK. Named like the main window's copy button, so paths reach it as "About_Form.Command1".
    Button Command1{"Command1"};

    /// Loads the box afresh, shown: the designed caption, texts, sizes and places. The same
    /// texts serve both interface languages.
    void load();
    /// Destroys the box; its last place stays readable.
    void unload();

    /// Every control of the box, for hosts that draw them.
    const std::vector<Control *> &controls() const { return m_controls; }

private:
    std::vector<Control *> m_controls;
};

} // namespace sorba
