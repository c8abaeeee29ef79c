#pragma once
// Controls as plain objects with the events the window handlers rely on. Every
// control registers with its form under its own name ("txtZX(0)" for arrays), so the
// desktop view, the play mode and the tests all address it the same way.
#include <functional>
#include <string>
#include <vector>

#include "common/color.h"

namespace forms {

class Form;

// The window ends the program: unwinds every handler up to the event loop.
struct ProgramExit {
    int status = 0;
};

enum Anchor : unsigned { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };

// Where a control stands, as a form file declares it: twips (15 to a pixel at 96
// dpi) inside its container; a tab strip's page is a container too.
struct Layout {
    int left = 0, top = 0, width = 0, height = 0;
    const class Control* container = nullptr;
    int page = -1;  // tab page of a TabStrip container
    unsigned anchor = AnchorLeft | AnchorTop;
};

enum class Kind {
    Button,
    Label,
    TextBox,
    CheckBox,
    Option,
    Combo,
    List,
    ScrollBar,
    UpDown,
    Tabs,
    Picture,
    Frame,
    Image,
    Line,
    Tree,
    DocumentView
};

using Event = std::function<void()>;
using KeyEvent = std::function<void(int& keyAscii)>;

class Control {
public:
    Control(Form& form, std::string name, Kind kind);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }
    Form& form() const { return form_; }

    bool visible() const { return visible_; }
    void setVisible(bool on);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);
    const std::string& caption() const { return caption_; }
    virtual void setCaption(const std::string& text);

    // What the play mode's print action shows: text, value, or 0/1.
    virtual std::string valueText() const { return caption_; }

    // A teacher's key press and loss of focus. Returns the key after the handler,
    // which may change it or cancel it with 0.
    int pressKey(int code);
    void leave();

    Layout layout;
    // Declares where the control stands: twips inside its container (a frame, or a
    // page of a tab strip).
    void place(int left, int top, int width, int height, const Control* container = nullptr, int page = -1,
               unsigned anchor = AnchorLeft | AnchorTop) {
        layout = {left, top, width, height, container, page, anchor};
    }
    int tabIndex = 0;
    std::string fontName;
    double fontSize = 0;      // 0: the window's font
    std::string toolTipText;  // shown while the mouse rests on the control
    KeyEvent KeyPress;
    Event LostFocus;

    // Views follow every change the program makes.
    void subscribe(std::function<void()> observer) { observers_.push_back(std::move(observer)); }

protected:
    void changed() const;
    // Runs a handler; an error that escapes the outermost handler is shown to the
    // teacher as a message box instead of ending the program.
    void fire(const Event& event) const;

private:
    Form& form_;
    std::string name_;
    Kind kind_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::vector<std::function<void()>> observers_;
};

}  // namespace forms
